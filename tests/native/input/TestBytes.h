#pragma once
// Test inputs for the file store: deterministic contents of several kinds.
#include "input/Bytes.h"

#include <cstdint>
#include <random>
#include <string_view>

namespace orvane::input::testing {

inline Bytes B(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes RandomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes out(n);
    for (auto& b : out) b = std::uint8_t(rng());
    return out;
}

// Text-like data: words from a small vocabulary with runs and repeats, so
// literals, matches and runs all occur.
inline Bytes MixedBytes(std::size_t n, std::uint32_t seed) {
    static constexpr std::string_view words[] = {"hook ", "library ", "keyboard ", "\r\n", "\0\0\0\0",
                                                 "MZ", "orvane ", "remote ", "\xff\xfe"};
    std::mt19937 rng(seed);
    Bytes out;
    while (out.size() < n) {
        const auto pick = rng() % 12;
        if (pick < 9) out.insert(out.end(), words[pick].begin(), words[pick].end());
        else if (pick == 9) out.insert(out.end(), 10 + rng() % 5000, std::uint8_t(rng()));
        else out.push_back(std::uint8_t(rng()));
    }
    out.resize(n);
    return out;
}

} // namespace orvane::input::testing
