// TTimer on the manual clock: when it ticks, and when it starts counting again.
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

class TimerTest : public ::testing::Test {
protected:
    TimerTest() {
        timer.SetEnabled(false);
        timer.SetInterval(100);
        timer.OnTimer = [this](Component* sender) {
            EXPECT_EQ(sender, &timer);
            ++ticks;
        };
    }
    fakes::FakeUi ui;
    TTimer timer{ui.app, "IRTimer"};
    int ticks = 0;
};

TEST_F(TimerTest, ANewTimerIsEnabledWithAOneSecondInterval) {
    TTimer fresh(ui.app, "Fresh");
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.Interval(), 1000u);
    EXPECT_TRUE(fresh.Running());
}

TEST_F(TimerTest, AnEnabledTimerTicksEveryIntervalUntilDisabled) {
    timer.SetEnabled(true);
    ui.timers.Advance(350);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    ui.timers.Advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.Running());
}

TEST_F(TimerTest, EnablingAnEnabledTimerDoesNotRestartIt) {
    timer.SetEnabled(true);
    ui.timers.Advance(60);
    timer.SetEnabled(true);
    ui.timers.Advance(40);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, DisablingAndEnablingRestartsTheCount) {
    timer.SetEnabled(true);
    ui.timers.Advance(60);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    ui.timers.Advance(40);
    EXPECT_EQ(ticks, 0);
    ui.timers.Advance(60);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, ANewIntervalWhileEnabledRestartsTheCountButTheSameOneDoesNot) {
    timer.SetEnabled(true);
    ui.timers.Advance(60);
    timer.SetInterval(100);
    ui.timers.Advance(40);
    EXPECT_EQ(ticks, 1);

    ui.timers.Advance(60); // 60 ms into the next period
    timer.SetInterval(300);
    ui.timers.Advance(299);
    EXPECT_EQ(ticks, 1);
    ui.timers.Advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, AZeroIntervalStopsTheTimerAndADisabledOneTakesItsIntervalWhenEnabled) {
    timer.SetEnabled(true);
    timer.SetInterval(0);
    ui.timers.Advance(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.Running());

    timer.SetEnabled(false);
    timer.SetInterval(50);
    ui.timers.Advance(100);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    ui.timers.Advance(50);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, AHandlerMayStopItsOwnTimer) {
    timer.OnTimer = [this](Component*) {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    ui.timers.Advance(1000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, AFailingTickIsReportedAndTheTimerRunsOn) {
    ui.app.SetTitle("Orvane");
    ui.dialogs.ExpectMessageBox("Operation failed: 5").ExpectMessageBox("Operation failed: 5");
    timer.OnTimer = [this](Component*) {
        ++ticks;
        throw EComPort("Operation failed: 5");
    };
    timer.SetEnabled(true);
    ui.timers.Advance(200);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(ui.dialogs.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.dialogs.MessageBoxes()[0].caption, "Orvane");
}

TEST_F(TimerTest, AFreedTimerLeavesNothingRunning) {
    const std::size_t before = ui.timers.RunningCount();
    {
        TTimer shortLived(ui.app, "ShortLived");
        EXPECT_EQ(ui.timers.RunningCount(), before + 1);
    }
    EXPECT_EQ(ui.timers.RunningCount(), before);
}

} // namespace
} // namespace orvane::ui
