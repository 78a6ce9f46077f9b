#pragma once
// The values of a code, held at the length in use: a code of 4 values takes
// room for about 4, not for the 1001 that a code may hold, so that the values
// of many commands lie close together in memory and a large configuration
// stays small. Room grows as values are appended, never past 1001 values, and
// is kept when the code is emptied: a data sequence refilled press after
// press allocates only while it grows past its longest code so far. Every
// index is checked: one past the last value is a range error, never a read of
// stale or foreign memory.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane::core {

// The largest index of a code value: a code holds at most 1001 values.
inline constexpr int kMaxCodeIndex = 1000;
inline constexpr int kMaxCodeValues = kMaxCodeIndex + 1;

class CodeValues {
public:
    CodeValues() = default;
    // A copy holds the values only: it counts its changes for nobody.
    CodeValues(const CodeValues& other) : values_(other.values_) {}
    CodeValues& operator=(const CodeValues& other) {
        values_ = other.values_;
        Changed();
        return *this;
    }

    int Count() const { return static_cast<int>(values_.size()); }
    // Index of the last value; -1 while there is none.
    int High() const { return Count() - 1; }
    // Room for this many values without allocating.
    int Capacity() const { return static_cast<int>(values_.capacity()); }

    // Indices 0 to High() only; anything else is a range error.
    std::int32_t operator[](int index) const { return values_[Checked(index)]; }
    std::int32_t& operator[](int index) {
        const std::size_t checked = Checked(index);
        Changed();
        return values_[checked];
    }
    // Every value, for loops that read them all.
    std::span<const std::int32_t> Values() const { return values_; }
    const std::int32_t* begin() const { return values_.data(); }
    const std::int32_t* end() const { return values_.data() + values_.size(); }

    // Adds a value at the next index; past index 1000 it is a range error,
    // and the code stays as it was.
    void Append(std::int32_t value);
    // Replaces the values with these, as one change; more than 1001 is a
    // range error, and the code stays as it was.
    void Assign(std::span<const std::int32_t> values);
    // Empties the code and keeps its room.
    void Clear() {
        values_.clear();
        Changed();
    }
    // Makes room for count values at once (at most 1001), for a caller that
    // knows the length before it appends.
    void Reserve(int count);

    // Counts every change of the values (anything that may write them) on
    // the owner's counter: a configuration's records count on the
    // configuration's, so that it knows when to rebuild its code index.
    void CountChangesOn(std::uint64_t* counter) { changes_ = counter; }

    bool operator==(const CodeValues& other) const { return values_ == other.values_; }

private:
    void Changed() {
        if (changes_) ++*changes_;
    }
    std::size_t Checked(int index) const {
        if (index < 0 || index >= Count()) ThrowRangeError();
        return static_cast<std::size_t>(index);
    }
    [[noreturn]] static void ThrowRangeError();

    std::vector<std::int32_t> values_;
    std::uint64_t* changes_ = nullptr;
};

} // namespace orvane::core
