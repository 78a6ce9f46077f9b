// The notification area through the real shell: the record is taken, and the
// icon's window turns the shell's callback message into mouse events.
#include "platform/win32/Win32NotificationArea.h"

#include "feedback/TrayLogos.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace orvane::platform::win32 {
namespace {

TEST(Win32NotificationArea, TheIconGoesIntoTheTrayAndItsWindowReportsTheMouse) {
    Win32NotificationArea area;
    std::vector<TrayMouse> seen;
    auto icon = area.CreateIcon([&](TrayMouse mouse, int, int) { seen.push_back(mouse); });
    const auto window = reinterpret_cast<HWND>(IconWindow(*icon));
    ASSERT_TRUE(IsWindow(window));

    // A tip longer than the record's 63 characters is cut, not refused.
    EXPECT_TRUE(icon->Add(feedback::DrawLogo(feedback::kLogoBlue), std::string(100, 't')));
    EXPECT_TRUE(icon->Modify(feedback::DrawLogo(feedback::kLogoRed), "Orvane 4.0b"));
    // A picture whose pixels do not fill it makes no icon.
    EXPECT_FALSE(icon->Modify(Picture{32, 32, std::vector<std::uint32_t>(10)}, "x"));

    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MBUTTONDBLCLK,
                       WM_MOUSEMOVE, WM_KEYDOWN})
        SendMessageA(window, kTrayCallbackMessage, 0, mouse);
    EXPECT_EQ(seen, (std::vector<TrayMouse>{TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDouble,
                                            TrayMouse::RightDown, TrayMouse::MiddleDouble, TrayMouse::Move}));

    icon->PostToWindow(WM_USER);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, window, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_EQ(message.lParam, 0);

    EXPECT_TRUE(icon->Delete());
    icon.reset();
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
} // namespace orvane::platform::win32
