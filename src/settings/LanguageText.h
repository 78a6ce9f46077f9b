#pragma once
// A language file, read whole once each time a language is chosen. It answers
// the questions the system's profile-string reader would (section and key names
// without regard to case, blanks around values dropped, a value enclosed in a
// pair of like quotes without them, at most 1023 characters), and those of a
// plain list of name=value lines, from which the window captions are taken.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvane::settings {

class LanguageText {
public:
    // What a profile-string read can return.
    static constexpr std::size_t kMaxValueLength = 1023;
    // A language file is a few kilobytes; anything beyond this is no language file.
    static constexpr std::size_t kMaxFileSize = 4u << 20;

    LanguageText() = default;
    // Raises EInOutError when the file cannot be read or is too large; a
    // missing file is the caller's question (FileExists).
    static LanguageText Load(const std::string& fileName);
    static bool FileExists(const std::string& fileName);
    static LanguageText FromBytes(std::string_view bytes);

    // The key's value in the section; empty when either is missing.
    std::string Read(std::string_view section, std::string_view key) const;
    // The value of the first line anywhere whose text before its first "="
    // is the name (without regard to case), untrimmed; none without such a line.
    std::optional<std::string> Value(std::string_view name) const;

private:
    // Lower-cased section name, then lower-cased key: the first of each counts.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
    std::unordered_map<std::string, std::string> plainValues_;
};

} // namespace orvane::settings
