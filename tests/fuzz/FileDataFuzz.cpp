// Any bytes as the "FileData" property, plain and compressed: the file comes
// back or the error is raised; what comes back encodes to data that decodes
// to it again.
#include "core/Exception.h"
#include "input/FileSourceData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::input;
    const ByteView bytes(data, size);
    for (const bool compress : {false, true}) {
        try {
            const Bytes file = DecodeFileData(bytes, compress);
            if (DecodeFileData(EncodeFileData(file, compress), compress) != file) std::abort();
        } catch (const orvane::Exception&) {
        }
    }
    return 0;
}
