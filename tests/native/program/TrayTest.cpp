// The running program in the tray: its icon, the way back behind the restore
// password, and the icon's menu.
#include "ProgramFixture.h"

#include "core/Exception.h"
#include "feedback/PasswordDlg.h"
#include "feedback/TrayLogos.h"
#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

using platform::TrayMouse;

class TrayTest : public ProgramFixture {
protected:
    // The first-run settings use a serial receiver, which Run starts.
    TrayTest() { serialPorts.Add("COM1"); }

    fakes::FakeNotificationArea::Icon& Tray() { return platform.tray.Last(); }
    settings::TSettingsForm& Settings() { return program->Settings(); }

    void RunInTray() {
        Main().RunBtn.UserClicked();
        ASSERT_TRUE(Tray().inTray);
    }
    // The password dialog answered with this entry (nothing: cancelled).
    void ExpectPassword(std::optional<std::string> entry) {
        ui.dialogs.ExpectModal("PasswordDlg", [entry](ui::TForm& form) {
            auto& dialog = static_cast<feedback::TPasswordDlg&>(form);
            EXPECT_EQ(dialog.PasswordEdBx.Text(), "");
            if (!entry) return dialog.CancelBtn.UserClicked();
            dialog.PasswordEdBx.UserType(*entry);
            dialog.OKBtn.UserClicked();
        });
    }
    void SetPassword(const std::string& password) {
        ExpectPassword(password);
        Settings().PasswordBtn.UserClicked();
    }
    void DoubleClick() {
        platform.tray.Mouse(TrayMouse::LeftDown);
        platform.tray.Mouse(TrayMouse::LeftUp);
        platform.tray.Mouse(TrayMouse::LeftDouble);
        platform.tray.Mouse(TrayMouse::LeftUp);
    }
    bool Restored() { return Main().Visible() && !Tray().inTray && !ui.app.Minimized(); }
};

TEST_F(TrayTest, RunShowsTheBlueLogoWithTheProgramTitleAndACodeFlashesItRed) {
    EXPECT_FALSE(Tray().inTray);
    RunInTray();
    EXPECT_EQ(Tray().picture, feedback::DrawLogo(feedback::kLogoBlue));
    EXPECT_EQ(Tray().tip, "Orvane 4.0b");
    EXPECT_EQ(Tray().picture.At(16, 3) & 0xFFFFFF, feedback::kLogoBlue);
    EXPECT_EQ(Tray().picture.At(0, 0) >> 24, 0u); // the corners are see-through

    Main().ProcessDataSequence();
    EXPECT_EQ(Tray().picture, feedback::DrawLogo(feedback::kLogoRed));
    EXPECT_EQ(Tray().calls, (std::vector<std::string>{"add", "modify"}));
    ui.timers.Advance(150);
    EXPECT_EQ(Tray().picture, feedback::DrawLogo(feedback::kLogoBlue));

    // A tip longer than the record holds is cut; the hint itself is kept.
    Main().TrayIcon.SetHint(std::string(70, 'x'));
    EXPECT_EQ(Tray().tip, std::string(63, 'x'));
    EXPECT_EQ(Main().TrayIcon.Hint().size(), 70u);
}

TEST_F(TrayTest, WithoutAPasswordADoubleClickRestoresAtOnce) {
    RunInTray();
    DoubleClick();
    EXPECT_TRUE(Restored());
    EXPECT_TRUE(ui.app.TaskbarButtonShown());
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
    EXPECT_EQ(platform.windows.broughtToFront, std::vector<platform::WindowHandle>{Main().Handle()});
    EXPECT_EQ(Tray().calls.back(), "delete");
}

TEST_F(TrayTest, ThePasswordIsComparedExactlyAndCancelOrAWrongOneSaysNothing) {
    SetPassword("Abc");
    const std::string stored = program->Store().ReadSettingString("Restore");
    EXPECT_EQ(stored.size(), 8u);
    RunInTray();

    ExpectPassword("abc");
    DoubleClick();
    EXPECT_FALSE(Restored());
    ExpectPassword(std::nullopt);
    Main().RestoreMenu.Click();
    EXPECT_FALSE(Restored());
    EXPECT_TRUE(ui.dialogs.MessageBoxes().empty());

    ExpectPassword("Abc");
    DoubleClick();
    EXPECT_TRUE(Restored());
    // Restoring read the settings no second time.
    EXPECT_EQ(program->Store().ReadSettingString("Restore"), stored);
}

TEST_F(TrayTest, AnEmptyPasswordRemovesTheProtectionAndACancelledOneChangesNothing) {
    SetPassword("Abc");
    ExpectPassword(std::nullopt);
    Settings().PasswordBtn.UserClicked();
    EXPECT_FALSE(program->Store().ReadSettingString("Restore").empty());
    SetPassword("");
    EXPECT_EQ(program->Store().ReadSettingString("Restore"), "");
    RunInTray();
    DoubleClick();
    EXPECT_TRUE(Restored());
}

TEST_F(TrayTest, AStoredPasswordThatIsNotHexadecimalIsReportedAndTheWindowStaysHidden) {
    program->Store().WriteSettingString("Restore", "not hex");
    RunInTray();
    ExpectPassword("x");
    ui.dialogs.ExpectMessageBox("'$no' is not a valid integer value");
    DoubleClick();
    EXPECT_FALSE(Restored());
    EXPECT_TRUE(Tray().inTray);
}

TEST_F(TrayTest, TheMenuIsRebuiltTheSameHoweverOftenItOpens) {
    RunInTray();
    for (int round = 0; round < 3; ++round) {
        // Run switched the origins on.
        if (round == 2) Main().EnableOriginMenu.SetChecked(false);
        platform.tray.Mouse(TrayMouse::RightDown, 40, 50);
        const ui::TMenuItem& items = Main().TrayPopUpMenu.Items();
        ASSERT_EQ(items.Count(), 4);
        EXPECT_EQ(items.Item(0).Caption(), "&Configure");
        EXPECT_EQ(items.Item(1).Caption(), "Ori&gin enabled");
        EXPECT_EQ(items.Item(1).Name(), "EnableOriginMenuCopy");
        EXPECT_EQ(items.Item(1).Checked(), round != 2);
        EXPECT_EQ(items.Item(1).GetShortCut(), 0);
        EXPECT_EQ(items.Item(2).Name(), "TrayExitMenuItem");
        EXPECT_TRUE(items.Item(2).IsLine());
        EXPECT_EQ(items.Item(3).Caption(), "E&xit");
    }
    EXPECT_EQ(Tray().posted, (std::vector<std::uint32_t>{1024, 1024, 1024}));
    // The copies do what their originals do.
    Main().TrayPopUpMenu.Items().Item(1).Click();
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
}

TEST_F(TrayTest, AClickIsADownAndAnUpButTheUpAfterADoubleClickIsSwallowed) {
    int clicks = 0, doubles = 0;
    Main().TrayIcon.OnClick = [&](ui::Component*) { ++clicks; };
    Main().TrayIcon.OnDblClick = [&](ui::Component*) { ++doubles; };
    RunInTray();
    DoubleClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    platform.tray.Mouse(TrayMouse::MiddleDouble);
    platform.tray.Mouse(TrayMouse::RightDouble);
    platform.tray.Mouse(TrayMouse::Move);
    platform.tray.Mouse(TrayMouse::MiddleUp);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 3);
}

} // namespace
} // namespace orvane::program
