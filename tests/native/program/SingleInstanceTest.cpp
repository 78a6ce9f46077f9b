#include "program/SingleInstance.h"
#include "fakes/FakeWindowSystem.h"

#include <gtest/gtest.h>

namespace orvane::program {
namespace {

using Posted = fakes::FakeWindowSystem::PostedMessage;

TEST(SingleInstance, TheTopmostWindowHoldingTheProgramTitleGetsTheQuitMessage) {
    fakes::FakeWindowSystem windows;
    windows.AddWindow("Editor - notes.txt");
    auto older = windows.AddWindow("Orvane 4.0b");
    windows.AddWindow("Orvane 4.0b help");
    auto running = windows.AddWindow("Orvane 4.0b");
    windows.AddWindow("Orvane"); // a copy still starting up: never the target

    EXPECT_TRUE(EndRunningCopy(windows, "Orvane 4.0b"));
    // The topmost match is "Orvane 4.0b"; the first window with exactly its title is ended.
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0], (Posted{running, 0x0012, 0, 0}));
    EXPECT_NE(windows.posted[0].window, older);
}

TEST(SingleInstance, WindowsContainingTheTitleAreMatchedByTheirFullTitle) {
    fakes::FakeWindowSystem windows;
    auto exact = windows.AddWindow("Orvane 4.0b - living room");
    windows.AddWindow("Orvane 4.0b - living room (2)");
    windows.Activate(exact);
    EXPECT_TRUE(EndRunningCopy(windows, "Orvane 4.0b"));
    EXPECT_EQ(windows.posted.at(0).window, exact);

    fakes::FakeWindowSystem empty;
    empty.AddWindow("Orvane");
    EXPECT_FALSE(EndRunningCopy(empty, "Orvane 4.0b"));
    EXPECT_TRUE(empty.posted.empty());
}

} // namespace
} // namespace orvane::program
