#pragma once
// LZRW1-KH, one buffer at a time: the block format inside the compressed
// container. Its output must stay byte-compatible with containers already
// stored in program images.
#include "input/Bytes.h"

#include <cstddef>
#include <cstdint>

namespace orvane::input {

inline constexpr std::uint8_t kLzrwCompressedFlag = 0x40;
inline constexpr std::uint8_t kLzrwStoredFlag = 0x80;

// Compresses src into one buffer: the flag byte 0x40 and the coded items or,
// when those would take more bytes than src, the flag byte 0x80 and src
// unchanged. The result is never longer than src.size() + 1.
Bytes Lzrw1KHCompress(ByteView src);

// Decompresses one buffer. Raises ELzrw1KHCompressor when the buffer is
// corrupt or would decompress to more than maxSize bytes; never reads or
// writes outside the buffers.
Bytes Lzrw1KHDecompress(ByteView src, std::size_t maxSize = SIZE_MAX);

} // namespace orvane::input
