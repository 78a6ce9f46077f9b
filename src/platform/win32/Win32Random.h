#pragma once
#include "platform/Random.h"

namespace orvane::platform::win32 {

class Win32Random : public RandomSource {
public:
    bool Fill(std::span<std::uint8_t> bytes) override;
};

} // namespace orvane::platform::win32
