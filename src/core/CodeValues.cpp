#include "core/CodeValues.h"

#include "core/Exception.h"

#include <algorithm>

namespace orvane::core {

void CodeValues::Append(std::int32_t value) {
    if (Count() >= kMaxCodeValues) ThrowRangeError();
    // Doubling, as a vector grows, but never past the longest code.
    if (values_.size() == values_.capacity()) Reserve(std::max(8, 2 * Capacity()));
    values_.push_back(value);
    Changed();
}

void CodeValues::Assign(std::span<const std::int32_t> values) {
    if (values.size() > static_cast<std::size_t>(kMaxCodeValues)) ThrowRangeError();
    values_.assign(values.begin(), values.end());
    Changed();
}

void CodeValues::Reserve(int count) {
    values_.reserve(static_cast<std::size_t>(std::clamp(count, 0, kMaxCodeValues)));
}

void CodeValues::ThrowRangeError() { throw ERangeError(); }

} // namespace orvane::core
