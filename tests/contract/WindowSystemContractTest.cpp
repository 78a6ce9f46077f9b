#include "contract/Subjects.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::contract {
namespace {

using platform::WindowHandle;

std::ptrdiff_t ZPosition(const std::vector<WindowHandle>& order, WindowHandle window) {
    auto it = std::find(order.begin(), order.end(), window);
    return it == order.end() ? -1 : it - order.begin();
}

TEST(WindowSystemContract, TopLevelWindowsComeInZOrderWithTitlesOwnersAndVisibility) {
    auto subject = MakeWindowSubject();
    auto& windows = subject->Windows();
    WindowHandle player = subject->Create("Media Player - song.mp3", 0, true);
    WindowHandle editor = subject->Create("Notes - Editor", 0, true);
    WindowHandle palette = subject->Create("Palette", editor, true);
    WindowHandle hidden = subject->Create("Hidden helper", 0, false);

    subject->Activate(player);
    auto order = windows.TopLevelWindows();
    ASSERT_GE(ZPosition(order, player), 0);
    ASSERT_GE(ZPosition(order, editor), 0);
    ASSERT_GE(ZPosition(order, palette), 0);
    ASSERT_GE(ZPosition(order, hidden), 0);
    EXPECT_LT(ZPosition(order, player), ZPosition(order, editor));
    EXPECT_EQ(windows.ForegroundWindow(), player);

    subject->Activate(editor);
    order = windows.TopLevelWindows();
    EXPECT_LT(ZPosition(order, editor), ZPosition(order, player));
    EXPECT_EQ(windows.ForegroundWindow(), editor);

    EXPECT_EQ(windows.WindowTitle(player), "Media Player - song.mp3");
    EXPECT_EQ(windows.Owner(palette), editor);
    EXPECT_EQ(windows.Owner(editor), 0u);
    EXPECT_TRUE(windows.IsVisible(editor));
    EXPECT_FALSE(windows.IsVisible(hidden));
}

TEST(WindowSystemContract, AClosedWindowIsGoneFromTheList) {
    auto subject = MakeWindowSubject();
    auto& windows = subject->Windows();
    WindowHandle window = subject->Create("Short-lived", 0, true);
    EXPECT_TRUE(windows.IsWindow(window));
    EXPECT_TRUE(windows.PostWindowMessage(window, 0x0400, 1, 2));

    // This program does not end while it waits for itself.
    EXPECT_FALSE(windows.WaitForProgramEnd(window, 0));

    subject->Destroy(window);
    EXPECT_TRUE(windows.WaitForProgramEnd(window, 0));
    EXPECT_FALSE(windows.PostWindowMessage(window, 0x0400, 1, 2));
    EXPECT_FALSE(windows.IsWindow(window));
    EXPECT_EQ(windows.WindowTitle(window), "");
    EXPECT_EQ(ZPosition(windows.TopLevelWindows(), window), -1);
}

} // namespace
} // namespace orvane::contract
