#pragma once
// Failures of the embedded file store: the block compressor, its container and
// the stored file data. Each says what was wrong with the bytes, so a damaged
// program image is reported rather than written out as a broken library.
#include "core/Exception.h"

namespace orvane::input {

// A compressed buffer that cannot be decompressed.
class ELzrw1KHCompressor : public Exception {
public:
    using Exception::Exception;
};

// A container that is not one ("Wrong file type") or is truncated or inconsistent.
class ECompressStream : public Exception {
public:
    using Exception::Exception;
};

// File data whose length does not match what is stored, or no free temporary name.
class EFileSource : public Exception {
public:
    using Exception::Exception;
};

} // namespace orvane::input
