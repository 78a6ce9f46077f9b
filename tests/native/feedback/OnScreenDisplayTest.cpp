// The on-screen display on a recorded screen: where the text goes, how it is
// taken away, and what a command's announcement shows.
#include "feedback/OnScreenDisplay.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

namespace orvane::feedback {
namespace {

class OnScreenDisplayTest : public ::testing::Test {
protected:
    OnScreenDisplayTest() {
        options.font = {"Arial", 0x00FF00, 20, ui::fsBold};
        options.displayTime = 1000;
    }
    fakes::FakeUi ui;
    fakes::FakeScreen screen;
    ui::TForm& form = ui.app.CreateForm<ui::TForm>("MainForm");
    ui::TTimer timer{form, "OSDShowTimer"};
    OSDOptions options;
    TOnScreenDisplay osd{screen, timer, [this] { return options; }};
};

TEST_F(OnScreenDisplayTest, TheTextIsCentredAndItsBackgroundPutBackOrRepaintedWhenTheTimeEnds) {
    // 7 characters: 70 by 20 on 1280 by 1024, centred by integer division.
    osd.OSDSuffix = " (50%)";
    osd.ShowOSD("Vol, Up");
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Copy 605 502 70 20", "Draw 605 502 Vol, Up 0"}));
    EXPECT_EQ(screen.lastFont, (platform::ScreenFont{"Arial", 0x00FF00, 20, true, false, false, false}));
    EXPECT_EQ(osd.OSDRect, (ui::Rect{605, 502, 675, 522}));
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_EQ(osd.OSDSuffix, "");

    // Display time over with "OSD repaint": every window repaints.
    screen.calls.clear();
    ui.timers.Advance(1000);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Invalidate 605 502 675 522"}));
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(osd.Displayed());

    // Without it the copy is put back.
    options.repaint = false;
    osd.ShowOSD("x");
    screen.calls.clear();
    ui.timers.Advance(1000);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"PutBack 2 635 502"}));
}

TEST_F(OnScreenDisplayTest, ANewTextFirstPutsBackTheOldOneAndKeepsTheWholeDisplayTime) {
    options.background = 1;
    osd.ShowOSD("first");
    ui.timers.Advance(600);
    options.background = 2;
    osd.ShowOSD("second!");
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Copy 615 502 50 20", "Draw 615 502 first 1", "PutBack 1 615 502",
                                                      "Copy 605 502 70 20", "Draw 605 502 second! 2"}));
    screen.calls.clear();
    ui.timers.Advance(600);
    EXPECT_TRUE(screen.calls.empty());
    ui.timers.Advance(400);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Invalidate 605 502 675 522"}));
}

TEST_F(OnScreenDisplayTest, ATextWiderThanTheScreenStartsLeftOfItAndTimeZeroKeepsItUntilTheNext) {
    options.displayTime = 0;
    osd.ShowOSD(std::string(200, 'w'));
    EXPECT_EQ(osd.OSDRect.left, 640 - 1000);
    ui.timers.Advance(100000);
    EXPECT_TRUE(osd.Displayed());
    osd.ShowOSD("next");
    EXPECT_EQ(screen.calls[2], "PutBack 1 -360 502");
}

TEST_F(OnScreenDisplayTest, ACommandIsAnnouncedWithTheChosenNamesAndTheSuffix) {
    const std::string action = "Louder";
    osd.OSDSuffix = " (40%)";
    osd.AnnounceCommand("TV", "Vol+", &action); // all three flags off
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(osd.OSDSuffix, " (40%)");

    options.showCommand = options.showAction = true;
    osd.AnnounceCommand("TV", "Vol+", &action);
    EXPECT_EQ(screen.calls.back(), "Draw 550 502 Vol+, Louder (40%) 0");
    options.showRemote = true;
    osd.AnnounceCommand("TV", "Vol+", nullptr);
    EXPECT_EQ(screen.calls.back(), "Draw 600 502 TV, Vol+ 0");
}

} // namespace
} // namespace orvane::feedback
