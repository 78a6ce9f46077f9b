// Build tool, run on the build machine: writes the executable's two icons from
// the same drawing as the tray's logo, so the program, its shortcuts and its
// tray icon look alike.
//
//   make-icons PROGRAM.ico DOCUMENT.ico
//
// PROGRAM.ico is the blue logo; DOCUMENT.ico, for ".orv" files, a page with a
// folded corner carrying a smaller logo. Each holds 16, 32 and 48 pixels in
// 32-bit colour with alpha.
#include "feedback/TrayLogos.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using orvane::platform::Picture;

constexpr int kSizes[] = {16, 32, 48};

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A picture as an icon image: the header, the colours bottom-up, and the
// mask that older systems use (set where the picture is see-through).
std::string IconImage(const Picture& p) {
    const int maskStride = (p.width + 31) / 32 * 4;
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(p.width));
    Put32(out, static_cast<std::uint32_t>(p.height * 2));
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = p.height - 1; y >= 0; --y)
        for (int x = 0; x < p.width; ++x) Put32(out, p.At(x, y)); // 0xAARRGGBB is BGRA in memory
    for (int y = p.height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < p.width; ++x)
            if ((p.At(x, y) >> 24) == 0) row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

bool WriteIcon(const std::string& path, const std::vector<Picture>& pictures) {
    std::string out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(pictures.size()));
    std::vector<std::string> images;
    for (const Picture& p : pictures) images.push_back(IconImage(p));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        out += static_cast<char>(pictures[i].width);
        out += static_cast<char>(pictures[i].height);
        out += '\0'; // no palette
        out += '\0';
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) out += image;
    std::ofstream file(path, std::ios::binary);
    file << out;
    return static_cast<bool>(file.flush());
}

// 'over' laid on 'under' (both 0xAARRGGBB, straight alpha).
std::uint32_t Over(std::uint32_t over, std::uint32_t under) {
    const double a = (over >> 24) / 255.0, b = (under >> 24) / 255.0;
    const double out = a + b * (1 - a);
    if (out <= 0) return 0;
    std::uint32_t pixel = static_cast<std::uint32_t>(std::lround(out * 255)) << 24;
    for (int shift : {0, 8, 16}) {
        const double c = ((over >> shift & 0xFF) * a + (under >> shift & 0xFF) * b * (1 - a)) / out;
        pixel |= static_cast<std::uint32_t>(std::lround(c)) << shift;
    }
    return pixel;
}

// A white page with a grey edge and a folded top-right corner, the logo on it.
Picture Document(int size) {
    Picture page{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, 0)};
    const int left = size * 3 / 16, right = size - size * 3 / 16 - 1, top = 0, bottom = size - 1;
    const int fold = size / 4;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const int intoCorner = (x - (right - fold)) - (y - top); // > 0 beyond the fold's diagonal
            if (x > right - fold && y < top + fold && intoCorner > 0) continue;
            const bool edge = x == left || x == right || y == top || y == bottom || intoCorner == 0;
            const bool folded = x > right - fold && y < top + fold;
            page.pixels[static_cast<std::size_t>(y) * size + x] = edge ? 0xFF7F7F7F : folded ? 0xFFD8D8D8 : 0xFFFFFFFF;
        }
    }
    const int logoSize = size * 5 / 8;
    const Picture logo = orvane::feedback::DrawLogo(orvane::feedback::kLogoBlue, logoSize);
    const int ox = (size - logoSize) / 2, oy = size - logoSize - size / 8;
    for (int y = 0; y < logoSize; ++y) {
        for (int x = 0; x < logoSize; ++x) {
            std::uint32_t& under = page.pixels[static_cast<std::size_t>(y + oy) * size + x + ox];
            under = Over(logo.At(x, y), under);
        }
    }
    return page;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make-icons PROGRAM.ico DOCUMENT.ico\n", stderr);
        return 2;
    }
    std::vector<Picture> program, document;
    for (int size : kSizes) {
        program.push_back(orvane::feedback::DrawLogo(orvane::feedback::kLogoBlue, size));
        document.push_back(Document(size));
    }
    if (!WriteIcon(argv[1], program) || !WriteIcon(argv[2], document)) {
        std::fputs("make-icons: cannot write the icons\n", stderr);
        return 1;
    }
    return 0;
}
