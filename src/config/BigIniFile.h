#pragma once
// A read-only INI file held wholly in memory: the configuration reader loads
// a file once and then asks for thousands of keys. Names, keys, defaults and
// values are texts of at most 255 characters, as are the lines of the file.
// Opening a file never writes to it.
#include "config/SectionList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::config {

class TBigIniFile {
public:
    static constexpr std::size_t MaxTextLength = 255;
    static constexpr std::size_t ReadBufferSize = 28672;
    // Far beyond any configuration a user builds (a thousand commands with
    // the longest codes take a few megabytes), and small enough that reading
    // it keeps the window waiting for well under a second.
    static constexpr long MaxFileSize = 16L * 1024 * 1024;

    TBigIniFile() = default;
    // Loads the file when the name is not empty.
    explicit TBigIniFile(const std::string& fileName);
    virtual ~TBigIniFile() = default;
    TBigIniFile(TBigIniFile&&) = default;
    TBigIniFile& operator=(TBigIniFile&&) = default;

    // Replaces the sections with those of the file. A file that does not
    // exist, or is larger than MaxFileSize, gives no sections; one that
    // cannot be read raises EInOutError.
    void LoadFromFile(const std::string& fileName);
    // Replaces the sections with those of the bytes, read as a file would be.
    void LoadFromText(std::string_view bytes);

    const std::string& FileName() const { return fileName_; }
    const TSectionList& Sections() const { return sections_; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

protected:
    // Index of the section, or -1. Remembers the section found, so that
    // reading the keys of one section in a row costs one comparison each.
    int FindSection(std::string_view section) const;
    // The value of the key's first line in the section, if there is one.
    std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;

private:
    void Clear();

    std::string fileName_;
    TSectionList sections_;
    mutable int lastSection_ = 0;
};

// The engine as the configuration reader uses it, with the questions that
// defaults alone cannot answer.
class TBiggerIniFile : public TBigIniFile {
public:
    using TBigIniFile::TBigIniFile;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The key's value as ReadString would give it, without a copy: the text
    // stays valid until the file is loaded again or destroyed.
    std::optional<std::string_view> ReadValue(std::string_view section, std::string_view key) const {
        return FindValue(section, key);
    }
};

} // namespace orvane::config
