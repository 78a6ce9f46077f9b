#pragma once
// The sections of a loaded INI file in file order, each owning its lines
// exactly as they were read. Their texts are kept side by side in a few large
// blocks that never move, so that a file of hundreds of thousands of lines
// costs a few allocations instead of one for each line.
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane::config {

// Hashes and compares texts without regard to (ASCII) case.
struct FoldedHash {
    std::size_t operator()(std::string_view text) const;
};
struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const;
};

class TSectionList {
public:
    using TLineList = std::vector<std::string_view>;
    using TLines = std::span<const std::string_view>;

    int Count() const { return static_cast<int>(sections_.size()); }
    std::string_view Name(int index) const { return sections_.at(index).name; }
    TLines Lines(int index) const;
    // The lines of every section together.
    std::size_t LineCount() const;

    // Appends an empty section and returns its index.
    int Add(std::string_view name);
    // Appends a line to the last section (there must be one).
    void AddLine(std::string_view line);
    void Clear();

    // The section called `name` (without regard to case), searching from
    // `start` to the end and then from the beginning; -1 when there is none.
    int Find(std::string_view name, int start) const;

    // Of sections whose names differ only in case, keeps the first.
    void RemoveDuplicates();

    // The first line of the section whose text before its first "=" is the
    // key (without regard to case), or -1. A line without "=" has no key.
    int FindKey(int index, std::string_view key) const;

private:
    // A copy of the text that stays where it is until Clear.
    std::string_view Keep(std::string_view text);

    using TIndex = std::unordered_map<std::string_view, int, FoldedHash, FoldedEqual>;
    struct Section {
        std::string_view name;
        // The section's lines: lines_[first, first + count).
        std::size_t first = 0;
        std::size_t count = 0;
        // Each key's first line, built at the first lookup of a long section,
        // so that reading all keys of one costs one pass over its lines.
        mutable std::unique_ptr<TIndex> keys;
    };
    std::vector<Section> sections_;
    std::vector<std::string_view> lines_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t blockSize_ = 0;
    std::size_t blockUsed_ = 0;
    // Each name's section once duplicates are gone: thousands of sections are
    // looked up by name, and most not in the order of the file.
    TIndex names_;
    bool named_ = false;
};

} // namespace orvane::config
