#include "input/CompressStream.h"

#include "input/CompressErrors.h"
#include "input/Lzrw1KH.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace orvane::input {
namespace {

constexpr std::size_t kHeaderSize = 10;

[[noreturn]] void Damaged(const std::string& why) { throw ECompressStream("Compressed data is damaged: " + why); }

} // namespace

Bytes TCompressStream::Compress(ByteView source) {
    Bytes out(Signature.begin(), Signature.end());
    AppendInt32LE(out, 0); // T, written once the blocks are known
    for (std::size_t at = 0; at < source.size(); at += BlockSize) {
        const Bytes block = Lzrw1KHCompress(source.subspan(at, std::min(BlockSize, source.size() - at)));
        AppendInt32LE(out, std::int32_t(block.size()));
        out.insert(out.end(), block.begin(), block.end());
    }
    const std::size_t total = out.size() - kHeaderSize;
    if (total > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw ECompressStream("File too large to compress");
    WriteInt32LE(out.data() + Signature.size(), std::int32_t(total));
    return out;
}

Bytes TCompressStream::Decompress(ByteView container) {
    if (container.size() < Signature.size() ||
        !std::equal(Signature.begin(), Signature.end(), container.begin()))
        throw ECompressStream("Wrong file type");
    if (container.size() < kHeaderSize) Damaged("the size is missing");
    const std::int32_t total = ReadInt32LE(container, Signature.size());
    if (total < 0) Damaged("negative size");
    if (std::size_t(total) != container.size() - kHeaderSize)
        Damaged(std::to_string(total) + " bytes of blocks announced, " +
                std::to_string(container.size() - kHeaderSize) + " present");

    Bytes out;
    std::size_t at = kHeaderSize;
    while (at < container.size()) {
        if (container.size() - at < 4) Damaged("block size cut short");
        const std::int32_t n = ReadInt32LE(container, at);
        at += 4;
        // Every buffer holds at least its flag byte.
        if (n <= 0 || std::size_t(n) > container.size() - at)
            Damaged("block size " + std::to_string(n) + " out of range");
        const Bytes block = Lzrw1KHDecompress(container.subspan(at, std::size_t(n)), BlockSize);
        out.insert(out.end(), block.begin(), block.end());
        at += std::size_t(n);
    }
    return out;
}

} // namespace orvane::input
