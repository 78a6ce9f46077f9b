#pragma once
// The log of recognised commands: one line per command, the remote's name, a
// comma and the command's name, ended by a carriage return and a line feed.
// The file is opened, appended to and closed for each line; it is never read,
// truncated or rotated.
#include <string>
#include <string_view>

namespace orvane::feedback {

// Creates the file if it does not exist. Any failure to open, write, flush or
// close raises EInOutError.
void AppendLogLine(const std::string& fileName, std::string_view remote, std::string_view command);

} // namespace orvane::feedback
