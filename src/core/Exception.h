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

} // namespace orvane
