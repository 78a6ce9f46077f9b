#include "config/SectionList.h"

#include "core/Text.h"

#include <unordered_set>
#include <utility>

namespace orvane::config {

int TSectionList::Add(std::string name) {
    sections_.push_back({std::move(name), {}});
    return Count() - 1;
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

} // namespace orvane::config
