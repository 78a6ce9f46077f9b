#include "config/BigIniFile.h"

#include "config/IniErrors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace orvane::config {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;
constexpr char CtrlZ = 26;

std::string_view Short(std::string_view text) { return text.substr(0, TBigIniFile::MaxTextLength); }

// Cuts bytes into lines as a text file is read: a carriage return ends a
// line and swallows one line feed after it; a lone line feed is an ordinary
// character; Ctrl-Z ends the file; characters past the 255th are skipped up
// to the end of their line. Complete lines go into the section list.
class LineReader {
public:
    explicit LineReader(TSectionList& sections) : sections_(sections) {}

    // False once Ctrl-Z has ended the file: the rest is never looked at.
    bool Feed(std::string_view bytes) {
        const char* at = bytes.data();
        const char* const end = at + bytes.size();
        while (at < end) {
            if (afterCR_) {
                afterCR_ = false;
                if (*at == LF && ++at == end) break;
            }
            // A line's text runs to the next carriage return, or to Ctrl-Z.
            const char* stop = static_cast<const char*>(std::memchr(at, CR, static_cast<std::size_t>(end - at)));
            if (!stop) stop = end;
            const char* ctrlZ = static_cast<const char*>(std::memchr(at, CtrlZ, static_cast<std::size_t>(stop - at)));
            const std::string_view text(at, static_cast<std::size_t>((ctrlZ ? ctrlZ : stop) - at));
            if (line_.empty() && (ctrlZ || stop < end)) {
                // The whole line lies in these bytes: no copy needed.
                EndLine(text.substr(0, TBigIniFile::MaxTextLength));
            } else {
                line_.append(text.substr(0, TBigIniFile::MaxTextLength - line_.size()));
                if (ctrlZ || stop < end) EndLine(line_);
            }
            if (ctrlZ) {
                Finish();
                return false;
            }
            if (stop == end) break;
            afterCR_ = true;
            at = stop + 1;
        }
        return true;
    }

    void Finish() {
        EndLine(line_);
        sections_.RemoveDuplicates();
    }

private:
    void EndLine(std::string_view line) {
        if (!line.empty()) {
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
                current_ = sections_.Add(line.substr(1, line.size() - 2));
            else if (current_ >= 0)
                sections_.AddLine(line);
            // Lines before the first section belong to none and are dropped.
        }
        line_.clear();
    }

    TSectionList& sections_;
    // A line begun in earlier bytes, up to its 255th character.
    std::string line_;
    int current_ = -1;
    bool afterCR_ = false;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Whether the open file is larger than the engine reads; one whose size
// cannot be told (past what a long holds) is.
bool TooLarge(std::FILE* file) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return true;
    const long size = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0) return true;
    return size < 0 || size > TBigIniFile::MaxFileSize;
}

[[noreturn]] void RaiseReadError(const std::string& fileName, int error) {
    std::string message = "Cannot read file \"" + fileName + "\"";
    if (error != 0) message += std::string(": ") + std::strerror(error);
    throw EInOutError(message);
}

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Leading blanks, an optional sign, then decimal digits or "$" and
// hexadecimal digits, and nothing else; the number must fit in 32 bits.
// "0x" at the very start stands for "$".
std::optional<std::int32_t> ToInteger(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    int base = 10;
    if (n >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
    } else {
        while (i < n && text[i] == ' ') ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i < n && text[i] == '$') {
            base = 16;
            ++i;
        }
    }
    if (i == n) return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

TBigIniFile::TBigIniFile(const std::string& fileName) : fileName_(fileName) {
    if (!fileName.empty()) LoadFromFile(fileName);
}

void TBigIniFile::Clear() {
    sections_.Clear();
    lastSection_ = 0;
}

void TBigIniFile::LoadFromFile(const std::string& fileName) {
    // The whole name is kept: a shortened path could name another file.
    fileName_ = fileName;
    Clear();
    // C streams in binary mode read the bytes untranslated and, unlike file
    // streams, say why an open failed: only a missing file is not an error.
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        if (errno == ENOENT) return;
        RaiseReadError(fileName, errno);
    }
    LineReader reader(sections_);
    std::vector<char> buffer(ReadBufferSize);
    for (bool first = true;; first = false) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        // Asked once the file has proved readable: a hostile file of any
        // size must not hold the window or fill the memory.
        if (first && got == buffer.size() && TooLarge(file.get())) return;
        if (got > 0 && !reader.Feed({buffer.data(), got})) return;
        if (got < buffer.size()) {
            if (std::ferror(file.get())) {
                const int error = errno;
                Clear();
                RaiseReadError(fileName, error);
            }
            break;
        }
    }
    reader.Finish();
}

void TBigIniFile::LoadFromText(std::string_view bytes) {
    Clear();
    LineReader reader(sections_);
    if (reader.Feed(bytes)) reader.Finish();
}

int TBigIniFile::FindSection(std::string_view section) const {
    const int index = sections_.Find(Short(section), lastSection_);
    if (index >= 0) lastSection_ = index;
    return index;
}

std::optional<std::string_view> TBigIniFile::FindValue(std::string_view section, std::string_view key) const {
    const int index = FindSection(section);
    if (index < 0) return std::nullopt;
    const int line = sections_.FindKey(index, Short(key));
    if (line < 0) return std::nullopt;
    const std::string_view text = sections_.Lines(index)[static_cast<std::size_t>(line)];
    return text.substr(text.find('=') + 1);
}

std::string TBigIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    // Lines are at most 255 characters long, so a found value always fits.
    return std::string(FindValue(section, key).value_or(Short(defaultValue)));
}

std::int32_t TBigIniFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
    return ToInteger(FindValue(section, key).value_or("")).value_or(defaultValue);
}

bool TBigIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TBiggerIniFile::SectionExists(std::string_view section) const { return FindSection(section) >= 0; }

bool TBiggerIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key).has_value();
}

} // namespace orvane::config
