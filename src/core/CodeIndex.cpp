#include "core/CodeIndex.h"

#include "core/Model.h"

namespace orvane::core {

void CodeIndex::Rebuild(const std::vector<TCommand*>& commands) {
    std::size_t total = 0;
    for (const TCommand* command : commands) total += static_cast<std::size_t>(command->Count());
    entries_.clear();
    values_.clear();
    entries_.reserve(commands.size());
    values_.reserve(total);
    for (TCommand* command : commands) {
        entries_.push_back({command, static_cast<std::int32_t>(values_.size()), command->Count()});
        values_.insert(values_.end(), command->Code.begin(), command->Code.end());
    }
}

} // namespace orvane::core
