#include "contract/Subjects.h"

#include <gtest/gtest.h>

namespace orvane::contract {
namespace {

TEST(TimerContract, ATimerTicksUntilStoppedAndMayStopItselfFromItsHandler) {
    auto subject = MakeTimerSubject();
    auto& timers = subject->Timers();
    int ticks = 0;
    platform::TimerId id = 0;
    id = timers.StartTimer(20, [&] {
        if (++ticks == 3) timers.StopTimer(id);
    });
    ASSERT_NE(id, 0u);

    // Generous time for three ticks on a busy machine; the timer stops itself
    // at the third, so no more arrive however long we wait.
    for (int i = 0; i < 50 && ticks < 3; ++i) subject->RunFor(20);
    subject->RunFor(100);
    EXPECT_EQ(ticks, 3);
}

TEST(TimerContract, TimersAreIndependentAndUnknownIdsAreIgnored) {
    auto subject = MakeTimerSubject();
    auto& timers = subject->Timers();
    int fast = 0, slow = 0;
    platform::TimerId fastId = timers.StartTimer(10, [&] { ++fast; });
    platform::TimerId slowId = timers.StartTimer(5000, [&] { ++slow; });
    EXPECT_NE(fastId, slowId);

    for (int i = 0; i < 100 && fast == 0; ++i) subject->RunFor(10);
    timers.StopTimer(fastId);
    timers.StopTimer(fastId);
    timers.StopTimer(9999);
    const int fastAfterStop = fast;
    subject->RunFor(60);
    EXPECT_GE(fast, 1);
    EXPECT_EQ(fast, fastAfterStop);
    EXPECT_EQ(slow, 0);
    timers.StopTimer(slowId);
}

} // namespace
} // namespace orvane::contract
