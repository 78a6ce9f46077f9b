// The keystroke sender over the real keyboard input: key strings typed into
// the hook probe (tests/doubles/keyhook-probe), which runs in the foreground
// as a program of its own and prints every key message its window receives.
#include "ui/win32/SystemHeaders.h"

#include "actions/SendKeys.h"
#include "fakes/FakeUi.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "ui/win32/Win32Ui.h"
#include "win32/ProbeProcess.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::actions {
namespace {

using test::Probe;

std::string Codes(std::initializer_list<int> codes) {
    std::string keys;
    for (int code : codes) keys += static_cast<char>(code);
    return keys;
}

TEST(Win32SendKeys, KeyStringsReachTheForegroundWindowAsKeyDownsAndUpsInOrder) {
    fakes::FakeUi ui;
    ui::win32::Win32Ui native{ui.app};
    platform::win32::Win32KeyboardInput keyboard;
    TSendKeys sendKeys(nullptr, keyboard, ui.app);

    Probe probe("Orvane SendKeys Probe");
    ASSERT_TRUE(probe.Started());
    ASSERT_EQ(probe.ReadLine(), "ready");
    const platform::WindowHandle window = sendKeys.FindWindowByTitle("Orvane SendKeys Probe");
    ASSERT_NE(window, 0u);
    EXPECT_EQ(sendKeys.FindWindowByTitle("Orvane SendKeys"), 0u);
    SetForegroundWindow(reinterpret_cast<HWND>(window));
    ASSERT_EQ(reinterpret_cast<platform::WindowHandle>(GetForegroundWindow()), window);

    // Ctrl held by the string: no Shift for the capital.
    sendKeys.SendKeyString(Codes({key_code::CtrlDown, 'a', 'B', key_code::CtrlUp}));
    EXPECT_EQ(probe.Keys(6), (std::vector<std::string>{"down 17 29", "down 65 30", "up 65 30", "down 66 48",
                                                       "up 66 48", "up 17 29"}));

    sendKeys.SendKeyString(Codes({key_code::F1 + 4}));
    EXPECT_EQ(probe.Keys(2), (std::vector<std::string>{"down 116 63", "up 116 63"}));
}

} // namespace
} // namespace orvane::actions
