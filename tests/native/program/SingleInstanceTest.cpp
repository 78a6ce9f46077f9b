#include "program/SingleInstance.h"
#include "fakes/FakeWindowSystem.h"

#include <gtest/gtest.h>

namespace orvane::program {
namespace {

using Posted = fakes::FakeWindowSystem::PostedMessage;

TEST(SingleInstance, TheTopmostWindowHoldingTheProgramTitleIsAskedToClose) {
    fakes::FakeWindowSystem windows;
    windows.AddWindow("Editor - notes.txt");
    auto older = windows.AddWindow("Orvane 4.0b");
    windows.AddWindow("Orvane 4.0b help");
    auto running = windows.AddWindow("Orvane 4.0b");
    windows.AddWindow("Orvane"); // a copy still starting up: never the target

    // The topmost match is "Orvane 4.0b"; the first window with exactly its
    // title gets the close message, which runs its question about unsaved
    // changes, and is waited for.
    EXPECT_EQ(EndRunningCopy(windows, "Orvane 4.0b", 500), RunningCopy::Stayed);
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0], (Posted{running, 0x0010, 0, 0}));
    EXPECT_NE(windows.posted[0].window, older);
    EXPECT_EQ(windows.waits, (decltype(windows.waits){{running, 500u}}));

    windows.onWait = [&](platform::WindowHandle window) { windows.RemoveWindow(window); };
    EXPECT_EQ(EndRunningCopy(windows, "Orvane 4.0b", 500), RunningCopy::Ended);
}

TEST(SingleInstance, WindowsContainingTheTitleAreMatchedByTheirFullTitle) {
    fakes::FakeWindowSystem windows;
    auto exact = windows.AddWindow("Orvane 4.0b - living room");
    windows.AddWindow("Orvane 4.0b - living room (2)");
    windows.Activate(exact);
    EndRunningCopy(windows, "Orvane 4.0b", 0);
    EXPECT_EQ(windows.posted.at(0).window, exact);

    fakes::FakeWindowSystem empty;
    empty.AddWindow("Orvane");
    EXPECT_EQ(EndRunningCopy(empty, "Orvane 4.0b", 0), RunningCopy::None);
    EXPECT_TRUE(empty.posted.empty());
    EXPECT_TRUE(empty.waits.empty());
}

} // namespace
} // namespace orvane::program
