#pragma once
// A set of pointers held in one table (open addressing, linear probing), for
// sets of thousands that are filled at once and asked often: no allocation
// per entry, and a question looks at one or a few neighbouring slots. A null
// pointer is never an entry.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane::ui {

template <class T>
class PointerSet {
public:
    std::size_t size() const { return count_; }

    bool contains(const T* entry) const {
        if (!entry || count_ == 0) return false;
        for (std::size_t i = Home(entry);; i = Next(i)) {
            if (slots_[i] == entry) return true;
            if (!slots_[i]) return false;
        }
    }

    void insert(const T* entry) {
        if (!entry) return;
        // At most half full, so that probes stay short.
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        std::size_t i = Home(entry);
        for (; slots_[i]; i = Next(i))
            if (slots_[i] == entry) return;
        slots_[i] = entry;
        ++count_;
    }

    void erase(const T* entry) {
        if (!entry || count_ == 0) return;
        std::size_t hole = Home(entry);
        for (; slots_[hole] != entry; hole = Next(hole))
            if (!slots_[hole]) return;
        // Entries after the hole that probed past it move back into it, so
        // that no later search stops at the hole before reaching them.
        for (std::size_t j = Next(hole); slots_[j]; j = Next(j)) {
            const std::size_t home = Home(slots_[j]);
            if (((j - home) & Mask()) >= ((j - hole) & Mask())) {
                slots_[hole] = slots_[j];
                hole = j;
            }
        }
        slots_[hole] = nullptr;
        --count_;
    }

    // Keeps the room: a tree emptied is mostly filled again.
    void clear() {
        std::fill(slots_.begin(), slots_.end(), nullptr);
        count_ = 0;
    }

private:
    std::size_t Mask() const { return slots_.size() - 1; }
    std::size_t Next(std::size_t i) const { return (i + 1) & Mask(); }
    // Fibonacci hashing of the address: neighbouring allocations spread over
    // the whole table.
    std::size_t Home(const T* entry) const {
        const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(entry));
        return static_cast<std::size_t>(((address >> 3) * 0x9E3779B97F4A7C15ull) >> (64 - bits_));
    }
    void Grow() {
        std::vector<const T*> old(std::max<std::size_t>(16, slots_.size() * 2), nullptr);
        old.swap(slots_);
        bits_ = 0;
        while ((std::size_t{1} << bits_) < slots_.size()) ++bits_;
        count_ = 0;
        for (const T* entry : old)
            if (entry) insert(entry);
    }

    std::vector<const T*> slots_;
    int bits_ = 0;
    std::size_t count_ = 0;
};

} // namespace orvane::ui
