#pragma once
// Random bytes that a test can foresee: 1, 2, 3, ... counting on across
// calls; or a failure, as when the system has no generator to offer.
#include "platform/Random.h"

namespace orvane::fakes {

class FakeRandom : public platform::RandomSource {
public:
    bool Fill(std::span<std::uint8_t> bytes) override {
        if (broken) return false;
        for (auto& byte : bytes) byte = ++next;
        return true;
    }
    std::uint8_t next = 0;
    bool broken = false;
};

} // namespace orvane::fakes
