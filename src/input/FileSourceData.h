#pragma once
// The byte side of the file carried in the program's form data: the
// "FileData" property and the name of the temporary file it is written to.
#include "input/Bytes.h"

#include <functional>
#include <string>
#include <string_view>

namespace orvane::input {

// "FileData" of a file: int32 length and the bytes, or with compress the
// compressed container of the bytes.
Bytes EncodeFileData(ByteView file, bool compress);

// The file's bytes back. Raises EFileSource when the stored length does not
// match the data, and the container's exceptions when compressed.
Bytes DecodeFileData(ByteView data, bool compress);

// The first free name folder + "\~fs" + seconds + N + extension, N = 0, 1, ...
// (the folder's trailing "\" dropped). taken(name) says whether a candidate is
// unusable: it exists, or the caller could not create it exclusively. Raises
// EFileSource when no candidate is free after many tries.
std::string TemporaryFileName(std::string_view folder, unsigned seconds, std::string_view extension,
                              const std::function<bool(const std::string&)>& taken);

} // namespace orvane::input
