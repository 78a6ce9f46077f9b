#include "feedback/TrayLogos.h"

#include <algorithm>
#include <cmath>

namespace orvane::feedback {
namespace {

constexpr int kSamples = 4; // per axis, for smooth edges

std::uint32_t Channel(std::uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const double v = Channel(a, shift) * (1 - t) + Channel(b, shift) * t;
        out |= static_cast<std::uint32_t>(std::lround(v)) << shift;
    }
    return out;
}

} // namespace

platform::Picture DrawLogo(std::uint32_t rgb, int size) {
    const std::uint32_t dark = Mix(rgb, 0x000000, 0.45);
    // Drawn on a 32-pixel grid and scaled, so every size shows the same shape.
    const double scale = size / 32.0;
    const double centre = size / 2.0;
    platform::Picture picture{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, 0)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Coverage of the disc, and of the white ring inside it, per pixel.
            int disc = 0, ring = 0, rim = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples - centre;
                    const double py = y + (sy + 0.5) / kSamples - centre;
                    const double r = std::sqrt(px * px + py * py) / scale;
                    if (r > 15.5) continue;
                    ++disc;
                    if (r > 14.0) ++rim;
                    else if (r > 6.0 && r < 10.0) ++ring;
                }
            }
            if (disc == 0) continue;
            const double all = kSamples * kSamples;
            std::uint32_t colour = Mix(rgb, 0xFFFFFF, ring / static_cast<double>(disc));
            colour = Mix(colour, dark, rim / static_cast<double>(disc));
            const auto alpha = static_cast<std::uint32_t>(std::lround(255 * disc / all));
            picture.pixels[static_cast<std::size_t>(y) * size + x] = alpha << 24 | colour;
        }
    }
    return picture;
}

} // namespace orvane::feedback
