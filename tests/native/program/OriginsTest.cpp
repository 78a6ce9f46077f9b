// The origins switched as one unit on fake devices and libraries: the order
// and the ok rule, the status text, the serial receiver's handshake, the TV
// card's library and the keyboard hook library.
#include "native/program/ProgramFixture.h"
#include "input/AVerForm.h"
#include "input/FileSourceData.h"
#include "input/TestOriginForm.h"
#include "settings/SettingsForm.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

namespace orvane::program {
namespace {

class OriginsTest : public ProgramFixture {
protected:
    OriginsTest() {
        // Start from no origin at all; each test checks the ones it needs.
        for (ui::TCheckBox* box : Boxes()) box->SetChecked(false);
    }

    settings::TSettingsForm& Settings() { return program->Settings(); }
    std::vector<ui::TCheckBox*> Boxes() {
        auto& f = Settings();
        return {&f.SerialBasedChBx, &f.UIRServerChBx, &f.AverChBx,   &f.BestBuyChBx,
                &f.CreativeiNFRAChBx, &f.KeyboardChBx, &f.TCPIPChBX};
    }
    std::string Panel() { return Main().StatBar.PanelText(TMainForm::kOriginsPanel); }
    const std::vector<std::string>& LibraryLog() { return platform.libraries.log; }

    // The hook library the program wrote out, made loadable.
    void ProvideKeyHook(std::vector<std::string> entries = {"KeyHook_Start", "KeyHook_Stop", "KeyCounter"}) {
        // The fake program carries no library: written out here as the
        // main window does with its own at creation.
        const input::Bytes library = {'M', 'Z', 0, 1};
        Main().KeyHookFileSrc.ReadFileData(input::EncodeFileData(library, false));
        const std::string file = Main().KeyHookFileSrc.FileName();
        ASSERT_FALSE(file.empty());
        platform.libraries.Provide(file, {std::move(entries), {}});
    }
    int KeyHookLoads() { return platform.libraries.LoadCount(Main().KeyHookFileSrc.FileName()); }
    std::string HookCall(const char* entry) {
        return std::string(entry) + (std::string(entry) == "KeyHook_Start"
                                         ? "(" + std::to_string(Main().Handle()) + ")"
                                         : "()");
    }
    void ExpectInitializationMessage(const std::string& text) {
        ui.dialogs.ExpectMessageBox(text);
    }
    void CheckLastMessageCaption() {
        const auto& boxes = ui.dialogs.MessageBoxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.back().caption, "Initialization result");
        EXPECT_EQ(boxes.back().flags, ui::mb::Ok | ui::mb::IconWarning);
    }
};

TEST_F(OriginsTest, WithNoOriginSelectedSwitchingOnShowsTheMenuCaptionAlone) {
    EXPECT_TRUE(Main().SwitchOrigins(true));
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "Origin enabled: ");

    EXPECT_TRUE(Main().SwitchOrigins(false));
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "");
}

TEST_F(OriginsTest, TheStatusTextListsTheSelectedOriginsInTableOrder) {
    Settings().TCPIPChBX.SetChecked(true);
    Settings().SerialBasedChBx.SetChecked(true);
    serialPorts.Add("COM1");
    ASSERT_TRUE(Main().SwitchOrigins(true));
    EXPECT_EQ(Panel(), "Origin enabled: Serial port based, TCP/IP");
    EXPECT_TRUE(Main().ClientSocket.Active());

    Main().SwitchOrigins(false);
    EXPECT_FALSE(Main().ClientSocket.Active());
    EXPECT_FALSE(serialPorts.Line("COM1").IsOpen());
}

TEST_F(OriginsTest, AMissingSerialPortStopsTheLaterOriginsWithOneMessage) {
    ProvideKeyHook();
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().KeyboardChBx.SetChecked(true);

    ExpectInitializationMessage("Cannot open serial port COM1");
    EXPECT_FALSE(Main().SwitchOrigins(true));
    CheckLastMessageCaption();
    EXPECT_EQ(KeyHookLoads(), 0);
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "");
}

TEST_F(OriginsTest, AfterAFailureTheEarlierOriginsRunOnAndTheTVWindowIsStillNamed) {
    serialPorts.Add("COM1");
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().AverChBx.SetChecked(true);
    Settings().BestBuyChBx.SetChecked(true);
    Settings().KeyboardChBx.SetChecked(true);

    // The port opens before the card's library fails; the TV window, after
    // the failure, still takes its caption; the hook is never started.
    ExpectInitializationMessage("Cannot load GRAPPLER.DLL");
    EXPECT_FALSE(Main().SwitchOrigins(true));
    EXPECT_TRUE(serialPorts.Line("COM1").IsOpen());
    EXPECT_EQ(program->AVer().Caption(), "AVerMedia TV Tuner 98");
    EXPECT_EQ(KeyHookLoads(), 0);

    Main().SwitchOrigins(false);
    EXPECT_FALSE(serialPorts.Line("COM1").IsOpen());
    EXPECT_EQ(program->AVer().Caption(), "AVer");
}

TEST_F(OriginsTest, TheTVWindowTakesTheConfiguredTitleEvenAfterAnEarlierFailure) {
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().AverChBx.SetChecked(true);
    program->Store().WriteSettingString("AVerMedia window", "My TV");

    ExpectInitializationMessage("Cannot open serial port COM1");
    EXPECT_FALSE(Main().SwitchOrigins(true));
    EXPECT_EQ(program->AVer().Caption(), "My TV");
    Main().SwitchOrigins(false);
    EXPECT_EQ(program->AVer().Caption(), "AVer");
}

// ---- The serial receiver ----

TEST_F(OriginsTest, TheSerialReceiverIsGreetedWithLinesThenIThenR) {
    auto& line = serialPorts.Add("COM3");
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().PortCoBx.SetItemIndex(2);
    Settings().SpeedCoBx.SetItemIndex(12);
    Settings().ParityCoBx.SetItemIndex(2);
    Settings().DataBitsCoBx.SetItemIndex(1);
    Settings().StopBitsCoBx.SetItemIndex(2);
    Settings().DTRChBx.SetChecked(true);
    Settings().RTSChBx.SetChecked(false);

    ASSERT_TRUE(Main().SwitchOrigins(true));
    ASSERT_TRUE(line.IsOpen());
    EXPECT_EQ(Main().ComPort.BaudRate(), input::TBaudRate::br115200);
    EXPECT_EQ(Main().ComPort.Parity().Bits(), input::TParityBits::prEven);
    EXPECT_EQ(Main().ComPort.DataBits(), input::TDataBits::dbSix);
    EXPECT_EQ(Main().ComPort.StopBits(), input::TStopBits::sbTwoStopBits);
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::HourGlass);
    EXPECT_FALSE(line.Dtr());
    EXPECT_FALSE(line.Rts());

    ui.timers.Advance(299);
    EXPECT_FALSE(line.Dtr());
    ui.timers.Advance(1);
    EXPECT_TRUE(line.Dtr());
    EXPECT_FALSE(line.Rts());
    EXPECT_EQ(line.Written(), "");

    // Bytes before the greeting is complete are not a code.
    line.Receive("OK");
    ui.timers.Advance(300);
    EXPECT_EQ(line.Written(), "I");
    EXPECT_EQ(Main().SerialInitState, 2);
    ui.timers.Advance(100);
    EXPECT_EQ(line.Written(), "IR");
    EXPECT_EQ(Main().SerialInitState, 3);
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
    EXPECT_EQ(Main().IncomingSequence.CodeHigh(), -1);

    // Nothing more is sent.
    ui.timers.Advance(1000);
    EXPECT_EQ(line.Written(), "IR");
}

TEST_F(OriginsTest, APortWithoutRTSGreetsItsReceiverUnlessRTSIsWanted) {
    auto& line = serialPorts.Add("COM1");
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().RTSChBx.SetChecked(false);
    line.FailNext("Escape ClrRts", 50);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    ui.timers.Advance(700);
    EXPECT_EQ(line.Written(), "IR");

    // Asked for, the line that cannot be raised is reported, and the
    // abandoned greeting leaves no hourglass behind.
    Settings().RTSChBx.SetChecked(true);
    line.FailNext("Escape ClrRts", 50);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    line.FailNext("Escape SetRts", 50);
    ui.dialogs.ExpectMessageBox("Unable to set signal: 50");
    ui.timers.Advance(700);
    EXPECT_EQ(line.Written(), "IR");
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
}

TEST_F(OriginsTest, SwitchingOffDuringTheGreetingEndsItQuietly) {
    auto& line = serialPorts.Add("COM1");
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().RTSChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    ui.timers.Advance(300);

    Main().SwitchOrigins(false);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
    // No step of the greeting talks to the closed port (which would raise).
    ui.timers.Advance(1000);
    EXPECT_EQ(line.Written(), "");
}

TEST_F(OriginsTest, SwitchingOnTwiceReopensThePortAndRestartsTheHookWithOneLoad) {
    serialPorts.Add("COM1");
    ProvideKeyHook();
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().KeyboardChBx.SetChecked(true);

    ASSERT_TRUE(Main().SwitchOrigins(true));
    ASSERT_TRUE(Main().SwitchOrigins(true));
    EXPECT_EQ(serialPorts.OpenRequests().size(), 2u);
    EXPECT_TRUE(serialPorts.Line("COM1").IsOpen());
    EXPECT_EQ(KeyHookLoads(), 1);
    const std::vector<std::string> calls(LibraryLog().begin() + 1, LibraryLog().end());
    EXPECT_EQ(calls, (std::vector<std::string>{HookCall("KeyHook_Stop"), HookCall("KeyHook_Start"),
                                               HookCall("KeyHook_Stop"), HookCall("KeyHook_Start")}));
}

// ---- The keyboard hook library ----

TEST_F(OriginsTest, ClearingTheKeyboardBoxStopsTheHookButKeepsTheLibrary) {
    ProvideKeyHook();
    Settings().KeyboardChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    EXPECT_EQ(LibraryLog().back(), HookCall("KeyHook_Start"));

    // The box's own handler writes the setting and switches everything off.
    Settings().KeyboardChBx.SetChecked(false);
    EXPECT_EQ(LibraryLog().back(), HookCall("KeyHook_Stop"));
    EXPECT_EQ(platform.libraries.LoadedNow(), 1);
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
}

TEST_F(OriginsTest, AtExitTheHookIsStoppedBeforeItsLibraryIsFreedAndItsFileDeleted) {
    ProvideKeyHook();
    const std::string file = Main().KeyHookFileSrc.FileName();
    Settings().KeyboardChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));

    ui.app.DestroyForms();
    ASSERT_GE(LibraryLog().size(), 2u);
    EXPECT_EQ(LibraryLog()[LibraryLog().size() - 2], "KeyHook_Stop()");
    EXPECT_EQ(LibraryLog().back(), "free " + file);
    EXPECT_FALSE(platform.files.FileExists(file));
}

TEST_F(OriginsTest, AHookLibraryWithoutItsStartEntryCannotBeLinked) {
    ProvideKeyHook({"KeyHook_Stop"});
    Settings().KeyboardChBx.SetChecked(true);
    ExpectInitializationMessage("Cannot link with KEYHOOK.DLL");
    EXPECT_FALSE(Main().SwitchOrigins(true));
    CheckLastMessageCaption();
}

TEST_F(OriginsTest, AHookThatDoesNotStartIsAFailedStartWithTheLibrarysReason) {
    ProvideKeyHook({"KeyHook_Start", "KeyHook_Stop", "KeyCounter", "KeyHook_ErrorText"});
    const std::string file = Main().KeyHookFileSrc.FileName();
    Settings().KeyboardChBx.SetChecked(true);
    const struct {
        std::string reason;
        std::string message;
    } cases[] = {
        {"", "Cannot start KEYHOOK.DLL"},
        {"Unable to create file mapping, Error: 5", "Unable to create file mapping, Error: 5"},
    };
    for (const auto& c : cases) {
        platform.libraries.Provide(file, {{"KeyHook_Start", "KeyHook_Stop", "KeyCounter", "KeyHook_ErrorText"},
                                          {},
                                          {{"KeyHook_Start", 0}},
                                          {{"KeyHook_ErrorText", c.reason}}});
        ExpectInitializationMessage(c.message);
        EXPECT_FALSE(Main().SwitchOrigins(true));
        CheckLastMessageCaption();
        EXPECT_FALSE(Main().EnableOriginMenu.Checked());
        EXPECT_EQ(Panel(), "");
    }
    platform.libraries.Provide(file, {{"KeyHook_Start", "KeyHook_Stop", "KeyCounter", "KeyHook_ErrorText"}, {}});
    EXPECT_TRUE(Main().SwitchOrigins(true));
    EXPECT_EQ(Panel(), "Origin enabled: Keyboard press trapping");
}

TEST_F(OriginsTest, AHookLibraryRemovedBySomeoneElseCannotBeLoaded) {
    Settings().KeyboardChBx.SetChecked(true);
    // Not provided: as if the temporary file had gone.
    ExpectInitializationMessage("Cannot load KEYHOOK.DLL");
    EXPECT_FALSE(Main().SwitchOrigins(true));
}

// ---- Failures while switching ----

// An unplugged adapter: the port closes, but abandoning its operations fails.
TEST_F(OriginsTest, AFailedCloseStopsNothingElseAndIsShownOnceAfterTheSwitch) {
    auto& line = serialPorts.Add("COM1");
    ProvideKeyHook();
    platform.libraries.Provide("grappler.dll", {{"GetTVParam"}, {}});
    for (ui::TCheckBox* box : {&Settings().SerialBasedChBx, &Settings().BestBuyChBx, &Settings().KeyboardChBx,
                               &Settings().TCPIPChBX})
        box->SetChecked(true);
    const std::string all = "Origin enabled: Serial port based, BestBuy EasyTV, Keyboard press trapping, TCP/IP";

    // Switching on again closes the port first: it opens again, and so do the rest.
    ASSERT_TRUE(Main().SwitchOrigins(true));
    line.FailNext("Purge", 31);
    ui.dialogs.ExpectMessageBox("Cannot abort operation: 31");
    EXPECT_TRUE(Main().SwitchOrigins(true));
    EXPECT_TRUE(line.IsOpen());
    EXPECT_EQ(LibraryLog().back(), HookCall("KeyHook_Start"));
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), all);

    line.FailNext("Purge", 31);
    ui.dialogs.ExpectMessageBox("Cannot abort operation: 31");
    EXPECT_TRUE(Main().SwitchOrigins(false));
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(LibraryLog()[LibraryLog().size() - 2], "free grappler.dll");
    EXPECT_EQ(LibraryLog().back(), HookCall("KeyHook_Stop"));
    EXPECT_FALSE(Main().ClientSocket.Active());
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "");
    // The greeting that was under way says nothing more to the closed port.
    ui.timers.Advance(1000);
    EXPECT_EQ(line.Written(), "");
    EXPECT_EQ(ui.dialogs.MessageBoxes().size(), 2u);
}

TEST_F(OriginsTest, AStartThatRaisesIsAFailedStartAndItsErrorIsShownOnce) {
    auto& line = serialPorts.Add("COM1");
    ProvideKeyHook();
    const struct {
        ui::TCheckBox* box;
        std::function<void()> breakIt;
        std::string message;
    } cases[] = {
        {&Settings().SerialBasedChBx, [&] { line.FailNext("SetCommState", 87); }, "Unable to set com state: 87"},
        {&Settings().TCPIPChBX, [&] { platform.sockets.FailNext("WSAAsyncGetHostByName", 10055); },
         "Windows socket error: " + platform.sockets.ErrorText(10055) + " (10055), on API 'WSAAsyncGetHostByName'"},
    };
    for (const auto& c : cases) {
        for (ui::TCheckBox* box : Boxes()) box->SetChecked(false);
        c.box->SetChecked(true);
        Settings().KeyboardChBx.SetChecked(true);
        c.breakIt();
        ui.dialogs.ExpectMessageBox(c.message);
        EXPECT_FALSE(Main().SwitchOrigins(true));
        EXPECT_FALSE(Main().EnableOriginMenu.Checked());
        EXPECT_EQ(Panel(), "");
        EXPECT_FALSE(line.IsOpen());
        EXPECT_FALSE(Main().ClientSocket.Active());
        ui.dialogs.VerifyAllShown();
    }
}

// The lookup and the connection end after the switch: their failure turns
// the switch into a failed start then; the origins before it run on.
TEST_F(OriginsTest, AServerNotFoundOrNotReachedIsAFailedStart) {
    auto& line = serialPorts.Add("COM1");
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().TCPIPChBX.SetChecked(true);
    const struct {
        std::string host;
        std::function<void(fakes::FakeSocketPeer&)> settle;
        std::string message;
    } cases[] = {
        {"nowhere", [](fakes::FakeSocketPeer& peer) { peer.FinishLookup(); }, "Asynchronous socket error 11001"},
        {"localhost", [](fakes::FakeSocketPeer& peer) { peer.Refuse(); }, "Asynchronous socket error 10061"},
    };
    for (const auto& c : cases) {
        Main().ClientSocket.SetHost(c.host);
        ASSERT_TRUE(Main().SwitchOrigins(true));
        EXPECT_TRUE(Main().EnableOriginMenu.Checked());
        ui.dialogs.ExpectMessageBox(c.message);
        c.settle(platform.sockets.LastAttempt());
        EXPECT_FALSE(Main().EnableOriginMenu.Checked());
        EXPECT_EQ(Panel(), "");
        EXPECT_TRUE(line.IsOpen());
        Main().SwitchOrigins(false);
        EXPECT_FALSE(line.IsOpen());
    }
}

// ---- The BestBuy card ----

TEST_F(OriginsTest, TheCardsLibraryIsPolledAndItsLowByteDecoded) {
    auto* remote = AddRemote("EasyTV");
    // Without the typematic window, each poll is a press of its own.
    for (auto [name, code] : {std::pair{"Repeat", 127}, {"Eight", 8}, {"One", 1}})
        AddCommand(remote, name, {code}).Typematic = false;
    platform.libraries.Provide("grappler.dll", {{"GetTVParam"}, {0x37F, 200, 65}});
    Settings().BestBuyChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));

    const auto selected = [&] {
        ui::TTreeNode* node = Main().CommandsTree.Selected();
        return node ? node->Text() : std::string();
    };
    ui.timers.Advance(50);
    EXPECT_EQ(LibraryLog().back(), "GetTVParam(17)");
    EXPECT_EQ(selected(), "Repeat");
    ui.timers.Advance(50);
    EXPECT_EQ(selected(), "Eight");
    ui.timers.Advance(50);
    EXPECT_EQ(selected(), "One");

    Main().SwitchOrigins(false);
    EXPECT_EQ(LibraryLog().back(), "free grappler.dll");
    const auto polls = LibraryLog().size();
    ui.timers.Advance(500);
    EXPECT_EQ(LibraryLog().size(), polls);
}

TEST_F(OriginsTest, APollThatFailsIsShownAndPollingGoesOn) {
    AddCommand(AddRemote("EasyTV"), "One", {1}).Typematic = false;
    platform.libraries.Provide("grappler.dll", {{"GetTVParam"}, {1}});
    Settings().BestBuyChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    const std::string missing = PathOf("gone") + "/orvane.log";
    Settings().LogFileChBx.SetChecked(true);
    Settings().LogFileEdBx.SetText(missing);

    ui.dialogs.ExpectMessageBox("Cannot write file \"" + missing + "\": " + std::strerror(ENOENT));
    ui.timers.Advance(50);
    ui.dialogs.VerifyAllShown();
    Settings().LogFileChBx.SetChecked(false);
    ui.timers.Advance(50);
    EXPECT_EQ(std::count(LibraryLog().begin(), LibraryLog().end(), "GetTVParam(17)"), 2);
    EXPECT_EQ(Main().CommandsTree.Selected()->Text(), "One");
}

TEST_F(OriginsTest, ACardLibraryWithoutItsEntryCannotBeLinked) {
    platform.libraries.Provide("grappler.dll", {{"Other"}, {}});
    Settings().BestBuyChBx.SetChecked(true);
    ExpectInitializationMessage("Cannot link with GRAPPLER.DLL");
    EXPECT_FALSE(Main().SwitchOrigins(true));
}

// ---- Who switches ----

TEST_F(OriginsTest, TheMenuItemRemembersTheChoiceEvenWhenTheStartFails) {
    Settings().SerialBasedChBx.SetChecked(true);
    ExpectInitializationMessage("Cannot open serial port COM1");
    Main().EnableOriginMenu.UserClicked();
    EXPECT_TRUE(program->Store().ReadSettingBool("Origin enabled"));
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());

    serialPorts.Add("COM1");
    // Each return from a modal dialog restarts the origins with the settings.
    Main().FormActivate(nullptr);
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_TRUE(serialPorts.Line("COM1").IsOpen());

    Main().EnableOriginMenu.UserClicked();
    EXPECT_FALSE(program->Store().ReadSettingBool("Origin enabled"));
    EXPECT_FALSE(serialPorts.Line("COM1").IsOpen());
}

TEST_F(OriginsTest, ASerialSettingChangedOnTheDialogSwitchesTheOriginsOff) {
    serialPorts.Add("COM1");
    Settings().SerialBasedChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    Settings().SpeedCoBx.UserSelect(3);
    EXPECT_FALSE(serialPorts.Line("COM1").IsOpen());
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
}

// ---- The origin test viewer ----

TEST_F(OriginsTest, TheViewerRunsTheChosenOriginAloneShowsItsSequencesAndSwitchesTheOriginsOnAfter) {
    auto& line = serialPorts.Add("COM1");
    AddCommand(AddRemote("TV"), "Power", {1, 2, 255});
    Main().CommandsTree.SetSelected(nullptr);
    Settings().SerialBasedChBx.SetChecked(true);
    Settings().TCPIPChBX.SetChecked(true);
    input::TTestOriginForm& viewer = program->TestOrigin();
    std::vector<std::string> lines;
    ui.dialogs.ExpectModal("TestOriginForm", [&](ui::TForm&) {
        EXPECT_FALSE(Main().EnableOriginMenu.Checked());
        EXPECT_FALSE(line.IsOpen());
        EXPECT_EQ(viewer.ShowDataFromCoBx.Items.Items(), (std::vector<std::string>{"Serial port based", "TCP/IP"}));
        EXPECT_EQ(viewer.ShowDataFromCoBx.ItemIndex(), -1);
        EXPECT_EQ(viewer.DataFormatCoBx.Text(), "Decimal");

        viewer.ShowDataFromCoBx.UserSelect(1);
        EXPECT_TRUE(Main().ClientSocket.Active());
        EXPECT_FALSE(line.IsOpen());
        viewer.ShowDataFromCoBx.UserSelect(0);
        EXPECT_FALSE(Main().ClientSocket.Active());
        ASSERT_TRUE(line.IsOpen());
        ui.timers.Advance(700);
        ASSERT_EQ(Main().SerialInitState, 3);

        // Each sequence is one line in the format chosen when it ends.
        line.Receive(std::string("\x01\x02\xFF", 3));
        ui.timers.Advance(125);
        viewer.DataFormatCoBx.UserSelect(1);
        line.Receive(std::string("\x01\x02\xFF", 3));
        ui.timers.Advance(125);
        viewer.DataFormatCoBx.UserSelect(2);
        line.Receive("Hi");
        ui.timers.Advance(125);
        for (int i = 0; i < viewer.Memo.Lines.Count(); ++i) lines.push_back(viewer.Memo.Lines[i]);
        EXPECT_EQ(Main().IncomingSequence.CodeHigh(), -1);
        EXPECT_EQ(Main().CommandsTree.Selected(), nullptr);
        viewer.CloseBtn.UserClicked();
    });
    Main().TestOriginMenu.Click();
    EXPECT_EQ(lines, (std::vector<std::string>{"1 2 255 ", "01 02 FF ", "Hi"}));

    // Both origins run again, and are recorded as on.
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_TRUE(line.IsOpen());
    EXPECT_TRUE(Main().ClientSocket.Active());
    EXPECT_TRUE(platform.registry.Get(platform::RootKey::CurrentUser, settings::kSettingsKey, "Origin enabled")
                    ->data[0] == 1);
    ui.timers.Advance(700);
    line.Receive(std::string("\x01\x02\xFF", 3));
    ui.timers.Advance(125);
    ASSERT_NE(Main().CommandsTree.Selected(), nullptr);
    EXPECT_EQ(Main().CommandsTree.Selected()->Text(), "Power");
}

} // namespace
} // namespace orvane::program
