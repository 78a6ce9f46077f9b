#pragma once
// The program's logo for the tray, 32 by 32: a disc with a ring, blue while
// idle, red while a code arrives.
#include "platform/Picture.h"

#include <cstdint>

namespace orvane::feedback {

inline constexpr std::uint32_t kLogoBlue = 0x1E5AC8;
inline constexpr std::uint32_t kLogoRed = 0xD22828;

// rgb is 0xRRGGBB; the corners are see-through.
platform::Picture DrawLogo(std::uint32_t rgb);

} // namespace orvane::feedback
