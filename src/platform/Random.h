#pragma once
// Random bytes from the system's generator for secrets (RtlGenRandom), for
// what another program must not be able to guess.
#include <cstdint>
#include <span>

namespace orvane::platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Fills bytes; false when the system could not.
    virtual bool Fill(std::span<std::uint8_t> bytes) = 0;
};

} // namespace orvane::platform
