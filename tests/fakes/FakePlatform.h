#pragma once
// Every platform service as an in-memory fake, bundled the way the program
// receives the real ones.
#include "fakes/FakeClock.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeWindowSystem.h"
#include "platform/Platform.h"

namespace orvane::fakes {

struct FakePlatform {
    FakeRegistry registry;
    FakeClock clock;
    FakeWindowSystem windows;

    platform::Platform Services() { return {registry, clock, windows}; }
};

} // namespace orvane::fakes
