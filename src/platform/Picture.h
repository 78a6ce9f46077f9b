#pragma once
// A picture the program draws itself: rows from the top, each pixel
// 0xAARRGGBB; an alpha of 0 lets whatever is behind show through.
#include <cstdint>
#include <vector>

namespace orvane::platform {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

} // namespace orvane::platform
