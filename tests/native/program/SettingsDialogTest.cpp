// The settings dialog as the main window opens it: what follows its closing,
// however it was closed, and reception switched off by a serial setting and
// on again with the new one.
#include "ProgramFixture.h"

#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

class SettingsDialogTest : public ProgramFixture {
protected:
    settings::TSettingsForm& Settings() { return program->Settings(); }
    void OpenSettings(std::function<void(settings::TSettingsForm&)> script) {
        ui.dialogs.ExpectModal("SettingsForm", [script](ui::TForm& form) {
            script(static_cast<settings::TSettingsForm&>(form));
        });
        Main().SettingsBtn.UserClicked();
    }
};

TEST_F(SettingsDialogTest, ClosingByTheSystemMenuHasTheSameAfterEffectsAsAccept) {
    ASSERT_FALSE(Main().SaveMenu.Enabled());
    OpenSettings([](settings::TSettingsForm& f) {
        f.TCPRemoteNameChBX.UserClicked();
        f.UserClose();
    });
    EXPECT_FALSE(Settings().Visible());
    EXPECT_TRUE(Main().ServerSocket.Active());
    EXPECT_TRUE(Main().SaveMenu.Enabled());

    OpenSettings([](settings::TSettingsForm& f) {
        f.TCPRemoteNameChBX.UserClicked();
        f.AcceptBtn.UserClicked();
    });
    EXPECT_FALSE(Main().ServerSocket.Active());
}

TEST_F(SettingsDialogTest, ASerialSpeedChangeStopsReceptionAndClosingTheDialogRestartsItAtTheNewSpeed) {
    serialPorts.Add("COM1");
    Main().EnableOriginMenu.UserClicked();
    ASSERT_TRUE(serialPorts.Line("COM1").IsOpen());
    OpenSettings([this](settings::TSettingsForm& f) {
        f.SpeedCoBx.UserSelect(8);
        EXPECT_FALSE(serialPorts.Line("COM1").IsOpen());
        EXPECT_FALSE(Main().EnableOriginMenu.Checked());
        EXPECT_EQ(Main().StatBar.PanelText(TMainForm::kOriginsPanel), "");
        EXPECT_TRUE(program->Store().ReadSettingBool("Origin enabled"));
        f.AcceptBtn.UserClicked();
    });
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    ASSERT_TRUE(serialPorts.Line("COM1").IsOpen());
    EXPECT_EQ(serialPorts.Line("COM1").LineSettings()->baudRate, 19200u);
}

} // namespace
} // namespace orvane::program
