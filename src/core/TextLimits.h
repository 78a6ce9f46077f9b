#pragma once
// What a configuration file keeps of a text the user types. Each value is one
// line of at most 255 characters with its key, so a name, a title or an
// action description longer than the room left, or holding a line break,
// would come back cut or split on the next load. Editors and the silent forms
// bound what they take with these, so that a save and a load keep every text.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::core {

// Room for a value behind the longest key written ("Application=", "A999=").
inline constexpr std::size_t kMaxFileValueLength = 240;
// Names of remotes, commands, layouts and actions; window titles and
// application names.
inline constexpr std::size_t kMaxNameLength = 200;

// The text as a file keeps it: line breaks (and any other control character
// but tab) become blanks, and it is cut to the limit.
inline std::string FileText(std::string_view text, std::size_t limit = kMaxNameLength) {
    std::string out(text.substr(0, limit));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    return out;
}

} // namespace orvane::core
