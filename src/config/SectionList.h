#pragma once
// The sections of a loaded INI file in file order, each owning its lines
// exactly as they were read.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane::config {

class TSectionList {
public:
    using TLineList = std::vector<std::string>;

    int Count() const { return static_cast<int>(sections_.size()); }
    const std::string& Name(int index) const { return sections_.at(index).name; }
    const TLineList& Lines(int index) const { return sections_.at(index).lines; }
    // Changing the lines forgets the section's key index.
    TLineList& Lines(int index);

    // Appends an empty section and returns its index.
    int Add(std::string name);
    void Clear() { sections_.clear(); }

    // The section called `name` (without regard to case), searching from
    // `start` to the end and then from the beginning; -1 when there is none.
    int Find(std::string_view name, int start) const;

    // Of sections whose names differ only in case, keeps the first.
    void RemoveDuplicates();

    // The first line of the section whose text before its first "=" is the
    // key (without regard to case), or -1. A line without "=" has no key.
    int FindKey(int index, std::string_view key) const;

private:
    struct Section {
        std::string name;
        TLineList lines;
        // Each key's first line, built at the section's first lookup, so that
        // reading all keys of a long section costs one pass over its lines.
        mutable std::unordered_map<std::string, int> keys;
        mutable bool indexed = false;
    };
    std::vector<Section> sections_;
};

} // namespace orvane::config
