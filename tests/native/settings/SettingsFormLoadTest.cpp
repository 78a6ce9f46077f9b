// The start-up load: the stored settings into the dialog's controls, the
// socket holders and the on-screen display's font.
#include "SettingsFormFixture.h"
#include "core/Exception.h"

#include <string>
#include <vector>

namespace orvane::settings::testing {
namespace {

using namespace orvane::ui;

TEST_F(SettingsFormTest, TheLanguagesAreTheLanguageFilesBesideTheProgram) {
    EXPECT_EQ(form->LangFilesLBx.Items.Items(), (std::vector<std::string>{"deutsch.lng", "English.lng"}));
    EXPECT_EQ(form->LangCoBx.Items.Items(), (std::vector<std::string>{"deutsch", "English"}));
}

TEST_F(SettingsFormTest, LoadingTheDefaultsShowsExactlyTheDefaults) {
    StoreFirstRunDefaults();
    form->LoadFromSettings(store);

    EXPECT_TRUE(form->LaunchChBx.Checked());
    EXPECT_FALSE(form->LoadChBx.Checked());
    EXPECT_TRUE(form->PlaySndsChBx.Checked());
    EXPECT_TRUE(form->AdvancedKeyPressChBx.Checked());
    EXPECT_FALSE(form->LogFileChBx.Checked());
    EXPECT_EQ(form->LangCoBx.Text(), "English"); // "english" + ".lng", found without regard to case
    EXPECT_TRUE(form->SerialBasedChBx.Checked());
    EXPECT_FALSE(form->TCPIPChBX.Checked());
    EXPECT_FALSE(form->TCPIPPortEdBx.Enabled());
    EXPECT_EQ(form->PortCoBx.Text(), "COM1");
    EXPECT_EQ(form->SpeedCoBx.Text(), "9600");
    EXPECT_EQ(form->ParityCoBx.Text(), "None");
    EXPECT_EQ(form->DataBitsCoBx.Text(), "8");
    EXPECT_EQ(form->StopBitsCoBx.Text(), "1");
    EXPECT_TRUE(form->DTRChBx.Checked());
    EXPECT_TRUE(form->RTSChBx.Checked());
    EXPECT_EQ(form->ToleranceUpDwn.Position(), 10);
    EXPECT_EQ(form->ToleranceEdBox.Text(), "10");
    EXPECT_EQ(form->ValueSizeUpDwn.Position(), 1);
    EXPECT_EQ(form->BinaryUpDwn.Position(), 127);
    EXPECT_EQ(form->BackgroundCoBx.Text(), "Transparent");
    EXPECT_EQ(form->ShowTimeUpDwn.Position(), 1000);
    EXPECT_TRUE(form->RepaintChBx.Checked());
    EXPECT_EQ(form->OSDFont, (TFont{"Arial", 0x00FF00, 28, fsBold}));
    EXPECT_EQ(client.Host(), "localhost");
    EXPECT_EQ(client.Port(), 1024);
    EXPECT_EQ(server.Port(), 4040);
    EXPECT_EQ(form->TCPServerPortUpDwn.Position(), 4040);
    EXPECT_FALSE(server.Active());
}

TEST_F(SettingsFormTest, LoadingWritesBackOnlyTheBoxesThatDifferFromTheirDesign) {
    StoreFirstRunDefaults();
    std::vector<std::string> writtenAtSwitchOff;
    onSwitchOff = [&] { writtenAtSwitchOff.push_back(registry.valuesWritten.back()); };
    form->LoadFromSettings(store);
    // Tolerance moved from 20 to 10, but the dialog is not the active window.
    EXPECT_EQ(registry.valuesWritten, (std::vector<std::string>{"Serial DTR", "Serial RTS", "OSD Repaint"}));
    EXPECT_EQ(writtenAtSwitchOff, (std::vector<std::string>{"Serial DTR", "Serial RTS"}));
    EXPECT_FALSE(RunEntry()); // the box was checked already: no click
}

TEST_F(SettingsFormTest, LoadingUserValuesSetsTheDependentControlsToo) {
    StoreFirstRunDefaults();
    store.WriteSettingString("Log file", "C:\\logs\\remote.log");
    store.WriteSettingString("Language", "francais");
    store.WriteSettingBool("Use TCP/IP", true);
    store.WriteSettingInteger("TCP/IP client port", 2000);
    store.WriteSettingString("TCP/IP client host", "mediapc");
    store.WriteSettingBool("Binary values", true);
    store.WriteSettingBool("DDE send data", true);
    store.WriteSettingInteger("TCP/IP server port", 5050);
    store.WriteSettingBool("OSD font bold", false);
    store.WriteSettingBool("OSD font italic", true);
    store.WriteSettingBool("OSD font strikeout", true);
    registry.valuesWritten.clear();
    std::vector<bool> logEnabled;
    form->OnLogEnabledChange = [&](bool on) { logEnabled.push_back(on); };

    form->LoadFromSettings(store);

    EXPECT_TRUE(form->LogFileChBx.Checked());
    EXPECT_EQ(form->LogFileEdBx.Text(), "C:\\logs\\remote.log");
    EXPECT_TRUE(form->LogFileEdBx.Enabled());
    EXPECT_TRUE(form->BrowseLogBtn.Enabled());
    ASSERT_FALSE(logEnabled.empty());
    EXPECT_TRUE(logEnabled.back());
    EXPECT_EQ(store.ReadSettingString("Log file"), "C:\\logs\\remote.log");
    EXPECT_EQ(form->LangCoBx.ItemIndex(), -1); // no such language file
    EXPECT_TRUE(form->TCPIPPortEdBx.Enabled());
    EXPECT_TRUE(form->TCPIPHostBtn.Enabled());
    EXPECT_EQ(form->TCPIPPortEdBx.Text(), "2000");
    EXPECT_EQ(client.Port(), 2000);
    EXPECT_EQ(client.Host(), "mediapc");
    EXPECT_TRUE(form->BinaryEdBx.Enabled());
    EXPECT_TRUE(form->CommandsDataCoBx.Enabled());
    EXPECT_FALSE(form->CommandsDataCoBx.Visible());
    EXPECT_EQ(form->TCPServerPortEdBx.Text(), "5050");
    EXPECT_EQ(server.Port(), 5050);
    EXPECT_FALSE(server.Active()); // whether it listens is decided after the load
    EXPECT_EQ(form->OSDFont.style, unsigned{fsItalic | fsStrikeOut});
}

TEST_F(SettingsFormTest, APortBeyondTheUpDownsRangeIsStoredAsTheRangeAllows) {
    StoreFirstRunDefaults();
    store.WriteSettingInteger("TCP/IP client port", 40000);
    form->LoadFromSettings(store);
    EXPECT_EQ(form->TCPIPPortUpDwn.Position(), 32767);
    EXPECT_EQ(client.Port(), 32767);
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP client port"), 32767);
}

TEST_F(SettingsFormTest, AMissingNumberAbandonsTheRestOfTheLoad) {
    StoreFirstRunDefaults();
    store.WriteSettingInteger("OSD display time", 3000);
    auto key = registry.OpenKey(platform::RootKey::CurrentUser, kSettingsKey, false);
    key->DeleteValue("Tolerance");
    key.reset();
    try {
        form->LoadFromSettings(store);
        FAIL() << "the load went on without Tolerance";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to get data for 'Tolerance'");
    }
    EXPECT_EQ(form->ShowTimeUpDwn.Position(), 1000); // 3000 comes later in the order
}

} // namespace
} // namespace orvane::settings::testing
