#pragma once
// The codes of the commands side by side, in the order of the commands, for
// recognition: a press is read against every command's code, and values held
// one command after another are read several times faster than values spread
// over the records. The configuration rebuilds it after any change of its
// commands or their codes (Configuration::Codes).
#include <cstdint>
#include <span>
#include <vector>

namespace orvane::core {

struct TCommand;

class CodeIndex {
public:
    struct Entry {
        TCommand* command;
        std::int32_t offset; // of the code's first value
        std::int32_t count;
    };

    std::span<const Entry> Entries() const { return entries_; }
    std::span<const std::int32_t> Code(const Entry& entry) const {
        return std::span<const std::int32_t>(values_).subspan(static_cast<std::size_t>(entry.offset),
                                                              static_cast<std::size_t>(entry.count));
    }

    // Keeps the room it has, so that a rebuild of the same commands
    // allocates nothing.
    void Rebuild(const std::vector<TCommand*>& commands);

private:
    std::vector<Entry> entries_;
    std::vector<std::int32_t> values_;
};

} // namespace orvane::core
