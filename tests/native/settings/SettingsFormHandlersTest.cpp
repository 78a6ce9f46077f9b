// What the dialog's controls write when the user changes them.
#include "SettingsFormFixture.h"

#include <string>
#include <vector>

namespace orvane::settings::testing {
namespace {

using namespace orvane::ui;

// Clicks a box as the user would; boxes the user cannot reach are set from
// code, which runs the same handler.
void Toggle(TCheckBox& box) {
    if (box.AcceptsInput())
        box.UserClicked();
    else
        box.SetChecked(!box.Checked());
}

TEST_F(SettingsFormTest, EveryBoxWritesItsValueAndOriginBoxesThenSwitchTheOriginsOff) {
    struct Case {
        TCheckBox& box;
        const char* value;
        bool origin;
    };
    TSettingsForm& f = *form;
    const Case cases[] = {
        {f.LoadChBx, "Load minimized", false},
        {f.PlaySndsChBx, "Play sounds", false},
        {f.MultipleChBx, "Multiple instances", false},
        {f.AdvancedKeyPressChBx, "Advanced keypress", false},
        {f.SerialBasedChBx, "Use serial port", true},
        {f.UIRServerChBx, "Use IR server", true},
        {f.AverChBx, "Use AVerMedia", true},
        {f.BestBuyChBx, "Use BestBuy", true},
        {f.CreativeiNFRAChBx, "Use Creative iNFRA", true},
        {f.KeyboardChBx, "Use keyboard trapping", true},
        {f.TCPIPChBX, "Use TCP/IP", true},
        {f.DTRChBx, "Serial DTR", true},
        {f.RTSChBx, "Serial RTS", true},
        {f.SameLengthChBx, "SameLength values", false},
        {f.BinaryChBx, "Binary values", false},
        {f.RemoteChBx, "OSD show remote", false},
        {f.CommandChBx, "OSD show command", false},
        {f.ActionChBx, "OSD show action", false},
        {f.RepaintChBx, "OSD Repaint", false},
        {f.RemoteNameChBX, "DDE send remote", false},
        {f.CommandNameChBx, "DDE send command", false},
        {f.CommandsDataChBx, "DDE send data", false},
        {f.ActionDescriptionChBx, "DDE send action", false},
        {f.TCPRemoteNameChBX, "TCP/IP send remote", false},
        {f.TCPCommandNameChBx, "TCP/IP send command", false},
        {f.TCPCommandsDataChBx, "TCP/IP send data", false},
        {f.TCPActionDescriptionChBx, "TCP/IP send action", false},
    };
    bool writtenFirst = true;
    onSwitchOff = [&] { writtenFirst = writtenFirst && !registry.valuesWritten.empty(); };
    for (const Case& c : cases) {
        for (int round = 0; round < 2; ++round) {
            registry.valuesWritten.clear();
            const int before = originsSwitchedOff;
            Toggle(c.box);
            EXPECT_EQ(registry.valuesWritten, std::vector<std::string>{c.value}) << c.box.Name();
            EXPECT_EQ(store.ReadSettingBool(c.value), c.box.Checked()) << c.box.Name();
            EXPECT_EQ(originsSwitchedOff - before, c.origin ? 1 : 0) << c.box.Name();
        }
    }
    EXPECT_TRUE(writtenFirst);
}

TEST_F(SettingsFormTest, EveryListWritesItsItemIndexAndSerialListsThenSwitchTheOriginsOff) {
    struct Case {
        TComboBox& list;
        const char* value;
        bool origin;
    };
    TSettingsForm& f = *form;
    const Case cases[] = {
        {f.PortCoBx, "Serial port", true},          {f.SpeedCoBx, "Serial speed", true},
        {f.ParityCoBx, "Serial parity", true},      {f.DataBitsCoBx, "Serial databits", true},
        {f.StopBitsCoBx, "Serial stopbits", true},  {f.BackgroundCoBx, "OSD background", false},
    };
    for (const Case& c : cases) {
        registry.valuesWritten.clear();
        const int before = originsSwitchedOff;
        c.list.UserSelect(2);
        EXPECT_EQ(registry.valuesWritten, std::vector<std::string>{c.value}) << c.list.Name();
        EXPECT_EQ(store.ReadSettingInteger(c.value), 2) << c.list.Name();
        EXPECT_EQ(originsSwitchedOff - before, c.origin ? 1 : 0) << c.list.Name();
    }
    // The hidden list of DDE data is written by its handler all the same.
    f.CommandsDataCoBx.SetItemIndex(1);
    f.CommandsDataCoBx.Click();
    EXPECT_EQ(store.ReadSettingInteger("DDE data"), 1);
}

TEST_F(SettingsFormTest, TypingANumberWritesAtEveryKeystrokeOnlyWhileTheDialogIsActive) {
    StoreFirstRunDefaults();
    form->LoadFromSettings(store);
    registry.valuesWritten.clear();
    form->ToleranceEdBox.SelectAll();
    form->ToleranceEdBox.UserType("3");
    EXPECT_TRUE(registry.valuesWritten.empty());

    form->Show();
    ASSERT_TRUE(form->Active());
    form->ToleranceEdBox.SelectAll();
    form->ToleranceEdBox.UserType("45");
    EXPECT_EQ(registry.valuesWritten, (std::vector<std::string>{"Tolerance", "Tolerance"}));
    EXPECT_EQ(store.ReadSettingInteger("Tolerance"), 45);

    form->ShowTimeUpDwn.UserClickUp();
    EXPECT_EQ(store.ReadSettingInteger("OSD display time"), 1250);
    form->ValueSizeEdBx.SelectAll();
    form->ValueSizeEdBx.UserType("9"); // beyond the range: the position stops at 4
    EXPECT_EQ(store.ReadSettingInteger("Value size"), 4);
}

TEST_F(SettingsFormTest, TheComparisonEditsTakeDigitsOnlyNotEvenBackspace) {
    form->Show();
    for (TEdit* edit : {&form->SkipFirstEdBx, &form->ToleranceEdBox, &form->LengthEdBx, &form->ValueSizeEdBx}) {
        const std::string before = edit->Text();
        edit->UserType("a-\b 1.x");
        EXPECT_EQ(edit->Text(), before + "1") << edit->Name();
    }
    // The other number edits have no such filter.
    form->BinaryChBx.UserClicked();
    form->BinaryEdBx.UserType("\b");
    EXPECT_EQ(form->BinaryEdBx.Text(), "12");
}

TEST_F(SettingsFormTest, TheLaunchBoxWritesAndDeletesTheLogonEntry) {
    form->LaunchChBx.UserClicked();
    EXPECT_FALSE(RunEntry());
    EXPECT_FALSE(store.ReadSettingBool("Launch on startup"));
    EXPECT_TRUE(Setting("Launch on startup"));

    form->LaunchChBx.UserClicked();
    EXPECT_EQ(RunEntry(), (platform::RegistryValue{platform::ValueType::String, kProgramPath}));
    EXPECT_TRUE(store.ReadSettingBool("Launch on startup"));
}

TEST_F(SettingsFormTest, TheLaunchBoxWritesNothingWhenTheLogonKeyCannotBeOpened) {
    registry.Set(platform::RootKey::CurrentUser, kRunKey, kRunValue,
                 {platform::ValueType::String, "C:\\old\\orvane.exe"});
    registry.lockedKeys.push_back(kRunKey);
    form->LaunchChBx.UserClicked();
    EXPECT_FALSE(form->LaunchChBx.Checked());
    EXPECT_TRUE(registry.valuesWritten.empty());
    EXPECT_FALSE(Setting("Launch on startup"));
    registry.lockedKeys.clear();
    EXPECT_EQ(RunEntry()->data, "C:\\old\\orvane.exe");
}

TEST_F(SettingsFormTest, UncheckingTCPIPDisablesItsControlsButKeepsTheSocketsPortAndHost) {
    StoreFirstRunDefaults();
    store.WriteSettingBool("Use TCP/IP", true);
    store.WriteSettingString("TCP/IP client host", "mediapc");
    form->LoadFromSettings(store);
    form->Show();
    form->TCPIPPortUpDwn.UserClickUp();
    EXPECT_EQ(client.Port(), 1025);
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP client port"), 1025);

    form->TCPIPChBX.UserClicked();
    for (Control* c : std::initializer_list<Control*>{&form->TCPIPPortLbl, &form->TCPIPPortEdBx,
                                                       &form->TCPIPPortUpDwn, &form->TCPIPHostBtn})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_EQ(client.Port(), 1025);
    EXPECT_EQ(client.Host(), "mediapc");
    EXPECT_FALSE(store.ReadSettingBool("Use TCP/IP"));
}

TEST_F(SettingsFormTest, TheHostButtonAsksForTheHostAndACancelKeepsTheOldOne) {
    client.SetHost("localhost");
    form->TCPIPChBX.UserClicked();
    ui.dialogs.ExpectPrompt("TCP/IP connection", "mediapc").ExpectPromptCancel("TCP/IP connection");
    form->TCPIPHostBtn.UserClicked();
    EXPECT_EQ(client.Host(), "mediapc");
    EXPECT_EQ(store.ReadSettingString("TCP/IP client host"), "mediapc");
    form->TCPIPHostBtn.UserClicked();
    EXPECT_EQ(client.Host(), "mediapc");
    EXPECT_EQ(ui.dialogs.Prompts().at(1).proposed, "mediapc");
    EXPECT_EQ(store.ReadSettingString("TCP/IP client host"), "mediapc");
}

TEST_F(SettingsFormTest, WhileTheClientIsActiveANewPortOrHostIsShownAsRefusedAndNeitherTakenNorStored) {
    StoreFirstRunDefaults();
    store.WriteSettingBool("Use TCP/IP", true);
    form->LoadFromSettings(store);
    form->Show();
    client.SetActive(true);
    registry.valuesWritten.clear();

    ui.dialogs.ExpectMessageBox("Can't change value while socket is active");
    form->TCPIPPortUpDwn.UserClickUp();
    EXPECT_EQ(client.Port(), 1024);
    // The box shows the port that the socket and the registry kept.
    EXPECT_EQ(form->TCPIPPortUpDwn.Position(), 1024);
    EXPECT_EQ(form->TCPIPPortEdBx.Text(), "1024");
    ui.dialogs.ExpectMessageBox("Can't change value while socket is active");
    form->TCPIPPortEdBx.SelectAll();
    form->TCPIPPortEdBx.UserType("7");
    EXPECT_EQ(form->TCPIPPortUpDwn.Position(), 1024);
    ui.dialogs.ExpectPrompt("TCP/IP connection", "mediapc")
        .ExpectMessageBox("Can't change value while socket is active");
    form->TCPIPHostBtn.UserClicked();
    EXPECT_EQ(client.Host(), "localhost");
    EXPECT_TRUE(registry.valuesWritten.empty());
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP client port"), 1024);
    EXPECT_EQ(store.ReadSettingString("TCP/IP client host"), "localhost");

    // Cancelling proposes the host it has, which is no change.
    ui.dialogs.ExpectPromptCancel("TCP/IP connection");
    form->TCPIPHostBtn.UserClicked();
    EXPECT_EQ(store.ReadSettingString("TCP/IP client host"), "localhost");
    EXPECT_TRUE(client.Active());
}

TEST_F(SettingsFormTest, TheAVerMediaButtonFollowsItsBoxAndAsksForTheWindowTitle) {
    store.WriteSettingString("AVerMedia window", "AVerMedia TV Tuner 98");
    form->AverChBx.UserClicked();
    EXPECT_TRUE(form->AverWndBtn.Enabled());
    EXPECT_FALSE(form->AverWndBtn.Visible());
    ui.dialogs.ExpectPrompt("AVerMedia remote", "AVerTV");
    form->AverWndBtn.Click();
    EXPECT_EQ(ui.dialogs.Prompts().at(0).prompt, "Title of window:");
    EXPECT_EQ(ui.dialogs.Prompts().at(0).proposed, "AVerMedia TV Tuner 98");
    EXPECT_EQ(store.ReadSettingString("AVerMedia window"), "AVerTV");
    form->AverChBx.UserClicked();
    EXPECT_FALSE(form->AverWndBtn.Enabled());
}

TEST_F(SettingsFormTest, BinaryAndDDEDataBoxesEnableTheirControlsExactlyWhenChecked) {
    form->BinaryChBx.UserClicked();
    EXPECT_TRUE(form->BinaryEdBx.Enabled());
    EXPECT_TRUE(form->BinaryUpDwn.Enabled());
    form->CommandsDataChBx.UserClicked();
    EXPECT_TRUE(form->CommandsDataCoBx.Enabled());
    form->BinaryChBx.UserClicked();
    form->CommandsDataChBx.UserClicked();
    EXPECT_FALSE(form->BinaryEdBx.Enabled());
    EXPECT_FALSE(form->BinaryUpDwn.Enabled());
    EXPECT_FALSE(form->CommandsDataCoBx.Enabled());
}

TEST_F(SettingsFormTest, ANewServerPortMakesTheServerListenThereWhateverTheBoxesSay) {
    StoreFirstRunDefaults();
    form->LoadFromSettings(store);
    // The load re-applies the stored port without starting a stopped server.
    EXPECT_FALSE(server.Active());
    form->Show();
    form->TCPServerPortEdBx.SelectAll();
    form->TCPServerPortEdBx.UserType("5");
    EXPECT_EQ(server.Port(), 5);
    EXPECT_TRUE(server.Active());
    EXPECT_TRUE(sockets.Listening(5));
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP server port"), 5);

    form->TCPServerPortEdBx.UserType("0");
    EXPECT_EQ(server.Port(), 50);
    EXPECT_TRUE(server.Active());
    EXPECT_FALSE(sockets.Listening(5));
    EXPECT_TRUE(sockets.Listening(50));
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP server port"), 50);
}

TEST_F(SettingsFormTest, TheFontButtonWritesTheChosenOSDFontAndACancelWritesNothing) {
    StoreFirstRunDefaults();
    form->LoadFromSettings(store);
    registry.valuesWritten.clear();
    std::vector<TFont> told;
    form->OnOSDFontChange = [&](const TFont& font) { told.push_back(font); };
    ui.dialogs.ExpectFont(std::nullopt);
    form->TextFontBtn.UserClicked();
    EXPECT_TRUE(registry.valuesWritten.empty());

    const TFont chosen{"Verdana", 0x0000FF, 36, fsItalic | fsStrikeOut};
    ui.dialogs.ExpectFont(chosen);
    form->TextFontBtn.UserClicked();
    EXPECT_EQ(form->OSDFont, chosen);
    EXPECT_EQ(told, std::vector<TFont>{chosen});
    EXPECT_EQ(store.ReadSettingString("OSD font name"), "Verdana");
    EXPECT_EQ(store.ReadSettingInteger("OSD font color"), 0x0000FF);
    EXPECT_EQ(store.ReadSettingInteger("OSD font size"), 36);
    EXPECT_FALSE(store.ReadSettingBool("OSD font bold"));
    EXPECT_TRUE(store.ReadSettingBool("OSD font italic"));
    EXPECT_FALSE(store.ReadSettingBool("OSD font underline"));
    EXPECT_TRUE(store.ReadSettingBool("OSD font strikeout"));
    // The next start builds the same font.
    form->LoadFromSettings(store);
    EXPECT_EQ(form->OSDFont, chosen);
}

TEST_F(SettingsFormTest, TheLogBoxStoresThePathWhileCheckedAndKeepsItForLater) {
    std::vector<bool> logEnabled;
    form->OnLogEnabledChange = [&](bool on) { logEnabled.push_back(on); };
    form->LogFileChBx.UserClicked();
    ui.dialogs.ExpectOpenFile("Select sound file", "C:\\logs\\remote.log");
    form->BrowseLogBtn.UserClicked();
    EXPECT_EQ(ui.dialogs.FileRequests().at(0).filter, "Log files (*.log)|*.log|All files (*.*)|*.*");
    EXPECT_EQ(ui.dialogs.FileRequests().at(0).defaultExt, "log");
    EXPECT_EQ(form->LogFileEdBx.Text(), "C:\\logs\\remote.log");
    EXPECT_EQ(store.ReadSettingString("Log file"), "C:\\logs\\remote.log");

    form->LogFileChBx.UserClicked();
    EXPECT_EQ(store.ReadSettingString("Log file"), "");
    EXPECT_EQ(form->LogFileEdBx.Text(), "C:\\logs\\remote.log");
    EXPECT_FALSE(form->LogFileEdBx.Enabled());
    EXPECT_FALSE(form->BrowseLogBtn.Enabled());

    form->LogFileChBx.UserClicked();
    EXPECT_EQ(store.ReadSettingString("Log file"), "C:\\logs\\remote.log");
    EXPECT_EQ(logEnabled, (std::vector<bool>{false, true, false, true}));
}

} // namespace
} // namespace orvane::settings::testing
