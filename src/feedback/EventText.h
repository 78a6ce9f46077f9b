#pragma once
// The text that announces a recognised command to other programs (DDE and
// the TCP/IP event server): the fields each channel's boxes ask for, in the
// fixed order remote, command, data, action, joined by ", ".
#include "core/Model.h"

#include <string>

namespace orvane::feedback {

struct EventFields {
    bool remote = false;
    bool command = false;
    bool data = false;
    bool action = false;
};

// The data field is every code value from index 0 to CodeHigh in upper-case
// hexadecimal of at least two digits, each followed by a blank. The action
// field is left out, separator and all, when no action was found.
std::string ComposeEventText(const EventFields& fields, const std::string& remote, const std::string& commandName,
                             const core::TCommand& command, const std::string* action);

} // namespace orvane::feedback
