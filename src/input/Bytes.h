#pragma once
// Byte buffers and the little-endian 32-bit integers of the stored layouts.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane::input {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The caller has checked that 4 bytes are there.
inline std::int32_t ReadInt32LE(ByteView data, std::size_t at) {
    const std::uint32_t v = std::uint32_t(data[at]) | (std::uint32_t(data[at + 1]) << 8) |
                            (std::uint32_t(data[at + 2]) << 16) | (std::uint32_t(data[at + 3]) << 24);
    return static_cast<std::int32_t>(v);
}

inline void WriteInt32LE(std::uint8_t* to, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    to[0] = std::uint8_t(v);
    to[1] = std::uint8_t(v >> 8);
    to[2] = std::uint8_t(v >> 16);
    to[3] = std::uint8_t(v >> 24);
}

inline void AppendInt32LE(Bytes& out, std::int32_t value) {
    out.resize(out.size() + 4);
    WriteInt32LE(out.data() + out.size() - 4, value);
}

} // namespace orvane::input
