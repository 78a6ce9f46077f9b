#pragma once
// Failures of file input and output, raised by the INI engine and by the
// configuration writer.
#include "core/Exception.h"

namespace orvane {

// A file that exists but cannot be read, or cannot be written.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

} // namespace orvane
