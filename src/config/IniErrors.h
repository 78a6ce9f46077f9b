#pragma once
// Failures of file input and output. Kept apart from core/Exception.h until
// the file writers need the same class; it belongs to the same hierarchy.
#include "core/Exception.h"

namespace orvane {

// A file that exists but cannot be read (or written).
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

} // namespace orvane
