// The on-screen display on the real screen: the text appears in the middle in
// its colour, and what it covered comes back.
#include "ui/win32/SystemHeaders.h"

#include "feedback/OnScreenDisplay.h"
#include "fakes/FakeUi.h"
#include "platform/win32/Win32Screen.h"

#include <gtest/gtest.h>

namespace orvane::feedback {
namespace {

// How many pixels of the rectangle have the colour, read from the screen.
int PixelsOf(const ui::Rect& rect, COLORREF colour) {
    HDC dc = GetDC(nullptr);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; y += 2)
        for (int x = rect.left; x < rect.right; x += 2)
            if (GetPixel(dc, x, y) == colour) ++count;
    ReleaseDC(nullptr, dc);
    return count;
}

TEST(Win32Screen, AnOSDTextIsDrawnCentredInItsColourAndTheScreenPutBackAfterwards) {
    fakes::FakeUi ui;
    platform::win32::Win32Screen screen;
    ui::TForm& form = ui.app.CreateForm<ui::TForm>("MainForm");
    ui::TTimer timer{form, "OSDShowTimer"};
    OSDOptions options;
    options.font = {"Arial", RGB(255, 0, 0), 28, ui::fsBold};
    options.background = 2; // white cell
    options.repaint = false;
    TOnScreenDisplay osd{screen, timer, [&] { return options; }};

    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const ui::Rect centre{width / 2 - 200, height / 2 - 50, width / 2 + 200, height / 2 + 50};
    const int redBefore = PixelsOf(centre, RGB(255, 0, 0)), whiteBefore = PixelsOf(centre, RGB(255, 255, 255));
    osd.ShowOSD("ORVANE");
    const ui::Rect r = osd.OSDRect;
    EXPECT_EQ(r.left, width / 2 - r.Width() / 2);
    EXPECT_EQ(r.top, height / 2 - r.Height() / 2);
    EXPECT_GT(r.Width(), 60);
    EXPECT_GT(PixelsOf(r, RGB(255, 0, 0)), 20);
    EXPECT_GT(PixelsOf(r, RGB(255, 255, 255)), 20);

    osd.OSDShowTimerTimer(&timer); // the display time ends
    EXPECT_FALSE(osd.Displayed());
    EXPECT_EQ(PixelsOf(centre, RGB(255, 0, 0)), redBefore);
    EXPECT_EQ(PixelsOf(centre, RGB(255, 255, 255)), whiteBefore);
}

} // namespace
} // namespace orvane::feedback
