#include "config/SectionList.h"

#include "core/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orvane::config {
namespace {

// Sections of up to this many lines are searched line by line: most hold a
// handful of keys, and an index would cost more than it saves.
constexpr std::size_t kLinearKeys = 24;
// Text blocks start small, for the many small files, and grow to this.
constexpr std::size_t kFirstBlock = 4096;
constexpr std::size_t kLargestBlock = 1 << 20;

} // namespace

std::size_t FoldedHash::operator()(std::string_view text) const {
    // FNV-1a over 64 bits, folded to the width of size_t on a 32-bit build.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(UpperChar(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

bool FoldedEqual::operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }

TSectionList::TLines TSectionList::Lines(int index) const {
    const Section& section = sections_.at(index);
    return TLines(lines_).subspan(section.first, section.count);
}

std::size_t TSectionList::LineCount() const {
    std::size_t count = 0;
    for (const Section& section : sections_) count += section.count;
    return count;
}

std::string_view TSectionList::Keep(std::string_view text) {
    if (blocks_.empty() || blockSize_ - blockUsed_ < text.size()) {
        blockSize_ = blocks_.empty() ? kFirstBlock : std::min(blockSize_ * 2, kLargestBlock);
        if (blockSize_ < text.size()) blockSize_ = text.size();
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_;
    if (!text.empty()) std::memcpy(at, text.data(), text.size());
    blockUsed_ += text.size();
    return {at, text.size()};
}

int TSectionList::Add(std::string_view name) {
    Section& section = sections_.emplace_back();
    section.name = Keep(name);
    section.first = lines_.size();
    names_.clear();
    named_ = false;
    return Count() - 1;
}

void TSectionList::AddLine(std::string_view line) {
    Section& section = sections_.back();
    lines_.push_back(Keep(line));
    ++section.count;
    section.keys.reset();
}

void TSectionList::Clear() {
    sections_.clear();
    lines_.clear();
    blocks_.clear();
    blockSize_ = blockUsed_ = 0;
    names_.clear();
    named_ = false;
}

int TSectionList::Find(std::string_view name, int start) const {
    const int count = Count();
    if (count == 0) return -1;
    if (start < 0 || start >= count) start = 0;
    if (SameText(sections_[start].name, name)) return start;
    // Readers mostly go through the sections in the file's order.
    if (start + 1 < count && SameText(sections_[start + 1].name, name)) return start + 1;
    if (named_) {
        // Names are unique, so the first found from anywhere is the one.
        const auto found = names_.find(name);
        return found == names_.end() ? -1 : found->second;
    }
    for (int i = start + 2; i < count; ++i)
        if (SameText(sections_[i].name, name)) return i;
    for (int i = 0; i < start; ++i)
        if (SameText(sections_[i].name, name)) return i;
    return -1;
}

void TSectionList::RemoveDuplicates() {
    // Files hold thousands of sections: one pass over an index of names.
    names_.clear();
    names_.reserve(sections_.size());
    std::size_t kept = 0;
    for (Section& section : sections_)
        if (names_.emplace(section.name, static_cast<int>(kept)).second) {
            if (&sections_[kept] != &section) sections_[kept] = std::move(section);
            ++kept;
        }
    sections_.resize(kept);
    named_ = true;
}

int TSectionList::FindKey(int index, std::string_view key) const {
    const Section& section = sections_.at(index);
    // A key holding "=" is never the text before a line's first "=".
    if (key.find('=') != std::string_view::npos) return -1;
    const std::string_view* lines = lines_.data() + section.first;
    if (section.count <= kLinearKeys) {
        for (std::size_t i = 0; i < section.count; ++i) {
            const std::string_view line = lines[i];
            if (line.size() > key.size() && line[key.size()] == '=' && SameText(line.substr(0, key.size()), key))
                return static_cast<int>(i);
        }
        return -1;
    }
    if (!section.keys) {
        section.keys = std::make_unique<TIndex>();
        section.keys->reserve(section.count);
        for (std::size_t i = 0; i < section.count; ++i) {
            const std::size_t equals = lines[i].find('=');
            if (equals != std::string_view::npos) section.keys->emplace(lines[i].substr(0, equals), static_cast<int>(i));
        }
    }
    const auto found = section.keys->find(key);
    return found == section.keys->end() ? -1 : found->second;
}

} // namespace orvane::config
