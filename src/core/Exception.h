#pragma once
// The program's failures: one small hierarchy whose base carries the exact
// message text that the user sees. Raised where a failure arises and caught
// only at the event-dispatch boundary.
#include <exception>
#include <string>
#include <utility>

namespace orvane {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

// Failures of the registry layer ("Failed to get data for '%s'" and friends).
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// A text that does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    static EConvertError InvalidInteger(const std::string& text) {
        return EConvertError("'" + text + "' is not a valid integer value");
    }
};

// A value outside the range its storage allows.
class ERangeError : public Exception {
public:
    ERangeError() : Exception("Range check error") {}
    using Exception::Exception;
};

// An index outside a list ("List index out of bounds (%d)").
class EListError : public Exception {
public:
    using Exception::Exception;
    static EListError OutOfBounds(int index) {
        return EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
};

// A tree node asked for by a position that no node has ("Invalid index").
class ETreeViewError : public Exception {
public:
    using Exception::Exception;
};

// A call that the object's state does not allow, such as showing a visible
// window modally.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A system resource that could not be had ("Not enough timers available").
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// Serial port failures: the operation's text followed by the system's error number.
class EComPort : public Exception {
public:
    using Exception::Exception;
};

// Mixer failures ("Multimedia %s Error %d - %s in %s").
class EMMError : public Exception {
public:
    using Exception::Exception;
};

// Socket failures ("Windows socket error: %s (%d), on API '%s'", "Asynchronous socket error %d").
class ESocketError : public Exception {
public:
    using Exception::Exception;
};

// File input and output failures are EInOutError (config/IniErrors.h); the
// embedded file store's are in input/CompressErrors.h. Both derive from
// Exception like these.

} // namespace orvane
