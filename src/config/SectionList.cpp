#include "config/SectionList.h"

#include "core/Text.h"

#include <unordered_set>
#include <utility>

namespace orvane::config {

int TSectionList::Add(std::string name) {
    sections_.emplace_back();
    sections_.back().name = std::move(name);
    return Count() - 1;
}

TSectionList::TLineList& TSectionList::Lines(int index) {
    Section& section = sections_.at(index);
    if (section.indexed) {
        section.keys.clear();
        section.indexed = false;
    }
    return section.lines;
}

int TSectionList::Find(std::string_view name, int start) const {
    const int count = Count();
    if (count == 0) return -1;
    if (start < 0 || start >= count) start = 0;
    for (int i = start; i < count; ++i)
        if (SameText(sections_[i].name, name)) return i;
    for (int i = 0; i < start; ++i)
        if (SameText(sections_[i].name, name)) return i;
    return -1;
}

void TSectionList::RemoveDuplicates() {
    // Files hold thousands of sections: one pass over a set of folded names.
    std::unordered_set<std::string> seen;
    std::size_t kept = 0;
    for (Section& section : sections_)
        if (seen.insert(UpperCase(section.name)).second) {
            if (&sections_[kept] != &section) sections_[kept] = std::move(section);
            ++kept;
        }
    sections_.resize(kept);
}

int TSectionList::FindKey(int index, std::string_view key) const {
    const Section& section = sections_.at(index);
    if (!section.indexed) {
        for (std::size_t i = 0; i < section.lines.size(); ++i) {
            const std::string& line = section.lines[i];
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                section.keys.emplace(UpperCase(std::string_view(line).substr(0, equals)), static_cast<int>(i));
        }
        section.indexed = true;
    }
    const auto found = section.keys.find(UpperCase(key));
    return found == section.keys.end() ? -1 : found->second;
}

} // namespace orvane::config
