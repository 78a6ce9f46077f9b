#include "input/Lzrw1KH.h"

#include "input/CompressErrors.h"

#include <algorithm>
#include <array>

namespace orvane::input {
namespace {

constexpr std::size_t kHashSize = 4096;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxDistance = 4095;
constexpr std::size_t kNoPosition = SIZE_MAX;

// The bytes after the end of the source take part in the hash only, as 0.
std::uint8_t ByteOrZero(ByteView src, std::size_t at) { return at < src.size() ? src[at] : 0; }

std::size_t Hash(ByteView src, std::size_t x) {
    const std::uint32_t key =
        ((((std::uint32_t(src[x]) << 4) ^ ByteOrZero(src, x + 1)) << 4) ^ ByteOrZero(src, x + 2));
    return ((40543u * key) >> 4) & 0x0FFFu;
}

[[noreturn]] void Corrupt() { throw ELzrw1KHCompressor("LZRW1KH : compressed data is corrupt"); }
[[noreturn]] void TooLarge() {
    throw ELzrw1KHCompressor("LZRW1KH : compressed data decompresses to more than a block holds");
}

} // namespace

Bytes Lzrw1KHCompress(ByteView src) {
    const std::size_t n = src.size();
    std::array<std::size_t, kHashSize> hash;
    hash.fill(kNoPosition);
    // The loop notices an overlong output only after the item that caused
    // it: a control word and a run item past n at most.
    Bytes dst(n + 8, 0);
    dst[0] = kLzrwCompressedFlag;
    std::size_t x = 0, y = 3, z = 1;
    unsigned bit = 0;
    std::uint16_t command = 0;

    while (x < n && y <= n) {
        if (bit > 15) {
            dst[z] = std::uint8_t(command >> 8);
            dst[z + 1] = std::uint8_t(command);
            z = y;
            y += 2;
            bit = 0;
        }
        std::size_t size = 1;
        while (x + size < n && size < kMaxRun && src[x] == src[x + size]) ++size;

        if (size >= kMinRun) {
            dst[y] = 0;
            dst[y + 1] = std::uint8_t((size - kMinRun) >> 8);
            dst[y + 2] = std::uint8_t(size - kMinRun);
            dst[y + 3] = src[x];
            y += 4;
            x += size;
            command = std::uint16_t((command << 1) + 1);
        } else {
            const std::size_t h = Hash(src, x);
            bool found = false;
            std::size_t pos = 0;
            if (hash[h] != kNoPosition && x - hash[h] <= kMaxDistance) {
                pos = hash[h];
                size = 0;
                while (size < kMaxMatch && x + size < n && src[x + size] == src[pos + size]) ++size;
                found = size >= kMinMatch;
            }
            hash[h] = x;
            if (found) {
                const std::size_t k = ((x - pos) << 4) + (size - kMinMatch);
                dst[y] = std::uint8_t(k >> 8);
                dst[y + 1] = std::uint8_t(k);
                y += 2;
                x += size;
                command = std::uint16_t((command << 1) + 1);
            } else {
                dst[y] = src[x];
                y += 1;
                x += 1;
                command = std::uint16_t(command << 1);
            }
        }
        ++bit;
    }
    command = std::uint16_t(command << (16 - bit)); // a partial group's bits go to the top
    dst[z] = std::uint8_t(command >> 8);
    dst[z + 1] = std::uint8_t(command);

    if (y > n) {
        dst[0] = kLzrwStoredFlag;
        std::copy(src.begin(), src.end(), dst.begin() + 1);
        y = n + 1;
    }
    dst.resize(y);
    return dst;
}

Bytes Lzrw1KHDecompress(ByteView src, std::size_t maxSize) {
    const std::size_t m = src.size();
    if (m == 0) Corrupt();
    if (src[0] == kLzrwStoredFlag) {
        if (m - 1 > maxSize) TooLarge();
        return Bytes(src.begin() + 1, src.end());
    }
    if (src[0] != kLzrwCompressedFlag || m < 3) Corrupt();

    Bytes dst;
    dst.reserve(std::min(maxSize, m * 8));
    std::size_t x = 3;
    unsigned command = (unsigned(src[1]) << 8) | src[2];
    unsigned bit = 16;
    while (x < m) {
        if (bit == 0) {
            // A control word is always followed by at least one item.
            if (m - x < 3) Corrupt();
            command = (unsigned(src[x]) << 8) | src[x + 1];
            bit = 16;
            x += 2;
        }
        if ((command & 0x8000u) == 0) {
            if (dst.size() >= maxSize) TooLarge();
            dst.push_back(src[x]);
            x += 1;
        } else {
            if (m - x < 2) Corrupt();
            const std::size_t pos = (std::size_t(src[x]) << 4) | (src[x + 1] >> 4);
            if (pos == 0) {
                if (m - x < 4) Corrupt();
                const std::size_t size = ((std::size_t(src[x + 1]) << 8) | src[x + 2]) + kMinRun;
                if (size > maxSize - dst.size()) TooLarge();
                dst.insert(dst.end(), size, src[x + 3]);
                x += 4;
            } else {
                const std::size_t size = (src[x + 1] & 0x0Fu) + kMinMatch;
                if (pos > dst.size()) Corrupt();
                if (size > maxSize - dst.size()) TooLarge();
                // Byte by byte: the copy may overlap the bytes it produces.
                for (std::size_t k = 0; k < size; ++k) {
                    const std::uint8_t b = dst[dst.size() - pos];
                    dst.push_back(b);
                }
                x += 2;
            }
        }
        command <<= 1;
        --bit;
    }
    return dst;
}

} // namespace orvane::input
