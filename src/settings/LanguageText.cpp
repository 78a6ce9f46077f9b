#include "settings/LanguageText.h"

#include "config/IniErrors.h"
#include "core/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace orvane::settings {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    return text;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void RaiseReadError(const std::string& fileName, const char* reason) {
    throw EInOutError("Cannot read file \"" + fileName + "\"" + (reason ? std::string(": ") + reason : ""));
}

} // namespace

bool LanguageText::FileExists(const std::string& fileName) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    return file || errno != ENOENT;
}

LanguageText LanguageText::Load(const std::string& fileName) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) RaiseReadError(fileName, errno ? std::strerror(errno) : nullptr);
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof(buffer), file.get());
        if (got == 0) break;
        if (bytes.size() + got > kMaxFileSize) RaiseReadError(fileName, "the file is too large for a language file");
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get())) RaiseReadError(fileName, nullptr);
    return FromBytes(bytes);
}

LanguageText LanguageText::FromBytes(std::string_view bytes) {
    LanguageText text;
    std::unordered_map<std::string, std::string>* section = nullptr;
    // A carriage return, a line feed or the pair ends a line.
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);

        if (const std::size_t equals = line.find('='); equals != std::string_view::npos)
            text.plainValues_.try_emplace(LowerCase(line.substr(0, equals)), line.substr(equals + 1));

        const std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            std::string_view name = trimmed.substr(1);
            name = Trim(name.substr(0, name.find(']')));
            // Of sections of one name only the first is ever found.
            const auto [found, added] = text.sections_.try_emplace(LowerCase(name));
            section = added ? &found->second : nullptr;
            continue;
        }
        // Lines before the first section, and lines without "=", give no value.
        const std::size_t equals = trimmed.find('=');
        if (!section || equals == std::string_view::npos) continue;
        std::string_view value = Trim(trimmed.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        section->try_emplace(LowerCase(Trim(trimmed.substr(0, equals))), value.substr(0, kMaxValueLength));
    }
    return text;
}

std::string LanguageText::Read(std::string_view section, std::string_view key) const {
    const auto found = sections_.find(LowerCase(Trim(section)));
    if (found == sections_.end()) return {};
    const auto value = found->second.find(LowerCase(Trim(key)));
    return value == found->second.end() ? std::string() : value->second;
}

std::optional<std::string> LanguageText::Value(std::string_view name) const {
    const auto found = plainValues_.find(LowerCase(name));
    if (found == plainValues_.end()) return std::nullopt;
    return found->second;
}

} // namespace orvane::settings
