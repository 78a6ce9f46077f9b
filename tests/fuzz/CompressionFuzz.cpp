// Any bytes as one LZRW1-KH buffer and as a "PMCS10" container: each either
// decompresses within its bound or raises its error, never reading or writing
// outside its buffers. Whatever decompresses compresses back to the same bytes.
#include "core/Exception.h"
#include "input/CompressStream.h"
#include "input/Lzrw1KH.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace orvane::input;

void RoundTrip(const Bytes& plain) {
    if (Lzrw1KHDecompress(Lzrw1KHCompress(plain)) != plain) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteView bytes(data, size);
    try {
        const Bytes plain = Lzrw1KHDecompress(bytes, 4 * TCompressStream::BlockSize);
        if (plain.size() > 4 * TCompressStream::BlockSize) std::abort();
        RoundTrip(plain);
    } catch (const orvane::Exception&) {
    }
    // The same bytes behind the signature, so that the blocks are reached.
    Bytes container(TCompressStream::Signature.begin(), TCompressStream::Signature.end());
    container.insert(container.end(), bytes.begin(), bytes.end());
    for (const ByteView candidate : {bytes, ByteView(container)}) {
        try {
            const Bytes plain = TCompressStream::Decompress(candidate);
            if (TCompressStream::Decompress(TCompressStream::Compress(plain)) != plain) std::abort();
        } catch (const orvane::Exception&) {
        }
    }
    RoundTrip(Bytes(bytes.begin(), bytes.end()));
    return 0;
}
