#pragma once
// The compressed container of stored file data: the signature "PMCS10", an
// int32 total T of the blocks that follow (each counted as 4 + its length),
// then blocks of int32 N and N bytes of one LZRW1-KH buffer.
#include "input/Bytes.h"

#include <cstddef>
#include <string_view>

namespace orvane::input {

class TCompressStream {
public:
    static constexpr std::string_view Signature = "PMCS10";
    // Source bytes per block; a stored block is one byte more.
    static constexpr std::size_t BlockSize = 32783;

    static Bytes Compress(ByteView source);
    // The container must fill the data exactly. Raises ECompressStream with
    // "Wrong file type" for another signature, and for a truncated or
    // inconsistent container; ELzrw1KHCompressor for a corrupt block.
    static Bytes Decompress(ByteView container);
};

} // namespace orvane::input
