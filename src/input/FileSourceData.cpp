#include "input/FileSourceData.h"

#include "input/CompressErrors.h"
#include "input/CompressStream.h"

#include <cstdint>
#include <limits>

namespace orvane::input {
namespace {

// Far more than concurrent instances and leftovers of crashed ones; a folder
// where every name fails is broken, and trying on would hang the start.
constexpr unsigned kMaxTemporaryNameTries = 10000;

} // namespace

Bytes EncodeFileData(ByteView file, bool compress) {
    if (compress) return TCompressStream::Compress(file);
    if (file.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw EFileSource("File too large to store");
    Bytes out;
    out.reserve(4 + file.size());
    AppendInt32LE(out, std::int32_t(file.size()));
    out.insert(out.end(), file.begin(), file.end());
    return out;
}

Bytes DecodeFileData(ByteView data, bool compress) {
    if (compress) return TCompressStream::Decompress(data);
    if (data.size() < 4) throw EFileSource("Stored file data is damaged: the length is missing");
    const std::int32_t length = ReadInt32LE(data, 0);
    if (length < 0 || std::size_t(length) != data.size() - 4)
        throw EFileSource("Stored file data is damaged: length " + std::to_string(length) + " with " +
                          std::to_string(data.size() - 4) + " bytes present");
    return Bytes(data.begin() + 4, data.end());
}

std::string TemporaryFileName(std::string_view folder, unsigned seconds, std::string_view extension,
                              const std::function<bool(const std::string&)>& taken) {
    while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
    const std::string base = std::string(folder) + "\\~fs" + std::to_string(seconds);
    for (unsigned n = 0; n < kMaxTemporaryNameTries; ++n) {
        std::string candidate = base + std::to_string(n);
        candidate += extension;
        if (!taken(candidate)) return candidate;
    }
    throw EFileSource("Cannot create a temporary file in " + std::string(folder));
}

} // namespace orvane::input
