#pragma once
// The program's logo: a disc with a ring, blue while idle, red while a code
// arrives. The tray shows it at 32 by 32; the executable's icons carry the
// blue one at other sizes too.
#include "platform/Picture.h"

#include <cstdint>

namespace orvane::feedback {

inline constexpr std::uint32_t kLogoBlue = 0x1E5AC8;
inline constexpr std::uint32_t kLogoRed = 0xD22828;

// rgb is 0xRRGGBB; the corners are see-through. size is the width and height.
platform::Picture DrawLogo(std::uint32_t rgb, int size = 32);

} // namespace orvane::feedback
