// The origins through the system's sleep: stopped going to sleep, started
// again once per wake-up, also under the learning form and the settings
// dialog; and a serial receiver pulled out while running, reported once.
#include "native/program/ProgramFixture.h"
#include "core/Exception.h"
#include "input/FileSourceData.h"
#include "input/LearnForm.h"
#include "program/SleepWatch.h"
#include "settings/SettingsForm.h"

#include <sstream>

namespace orvane::program {
namespace {

// S suspend, A resume (automatic), U resume (the user is back), C resume
// after a critical sleep, Q query suspend, P power status change; T the wait
// after the wake-up is over; X the user switched the origins meanwhile.
std::string Steps(const std::string& script) {
    SleepWatch watch;
    std::istringstream in(script);
    std::string token, out;
    while (in >> token) {
        const char c = token[0];
        std::string step = "-";
        if (c == 'T') {
            step = watch.TakeRestart() ? "restart" : "-";
        } else if (c == 'X') {
            watch.Cancel();
        } else {
            const std::uintptr_t event = c == 'S' ? power::kSuspend
                                         : c == 'A' ? power::kResumeAutomatic
                                         : c == 'U' ? power::kResumeSuspend
                                         : c == 'C' ? power::kResumeCritical
                                         : c == 'Q' ? 0
                                                    : 10;
            switch (watch.PowerEvent(event)) {
            case SleepWatch::Step::Sleep: step = "sleep"; break;
            case SleepWatch::Step::Wake: step = "wake"; break;
            case SleepWatch::Step::None: break;
            }
        }
        out += (out.empty() ? "" : " ") + step;
    }
    return out;
}

TEST(SleepWatch, EachWakeUpRestartsTheOriginsOnce) {
    struct Row {
        const char* what;
        const char* script;
        const char* steps;
    };
    const Row rows[] = {
        {"both resume messages before the wait ends", "Q S A U T T", "- sleep wake wake restart -"},
        {"the user comes back after the restart", "S A T U T", "sleep wake restart - -"},
        {"a sleep nobody announced", "A T U T", "wake restart - -"},
        {"suspend told twice", "S S A T", "sleep - wake restart"},
        {"asleep again before the restart", "S A S A T", "sleep wake sleep wake restart"},
        {"the user switched meanwhile", "S A X T U T", "sleep wake - - - -"},
        {"a second sleep", "S A T S U T", "sleep wake restart sleep wake restart"},
        {"a critical sleep after a wake-up", "S A T C T", "sleep wake restart wake restart"},
        {"power status changes and queries", "P Q T", "- - -"},
    };
    for (const Row& row : rows) EXPECT_EQ(Steps(row.script), row.steps) << row.what;
}

class SleepResumeTest : public ProgramFixture {
protected:
    SleepResumeTest() {
        for (ui::TCheckBox* box : {&Settings().UIRServerChBx, &Settings().AverChBx, &Settings().BestBuyChBx,
                                   &Settings().CreativeiNFRAChBx, &Settings().KeyboardChBx})
            box->SetChecked(false);
        Settings().SerialBasedChBx.SetChecked(true);
        Settings().TCPIPChBX.SetChecked(true);
    }

    settings::TSettingsForm& Settings() { return program->Settings(); }
    std::string Panel() { return Main().StatBar.PanelText(TMainForm::kOriginsPanel); }
    void Power(std::uintptr_t event) { ASSERT_TRUE(Main().UserMessage(power::kBroadcast, event, 0)); }
    // The wait after a wake-up, then the receiver's greeting.
    void Settle() { ui.timers.Advance(TMainForm::kResumeSettleMs + 700); }
    int Opens() { return static_cast<int>(serialPorts.OpenRequests().size()); }

    fakes::FakeSerialLine& line = serialPorts.Add("COM1");
};

TEST_F(SleepResumeTest, ASleepStopsTheRunningOriginsAndEachWakeUpStartsThemOnce) {
    const input::Bytes library = {'M', 'Z', 0, 1};
    Main().KeyHookFileSrc.ReadFileData(input::EncodeFileData(library, false));
    platform.libraries.Provide(Main().KeyHookFileSrc.FileName(), {{"KeyHook_Start", "KeyHook_Stop"}, {}});
    Settings().KeyboardChBx.SetChecked(true);
    Main().EnableOriginMenu.Click();
    ui.timers.Advance(700);
    ASSERT_EQ(line.Written(), "IR");
    platform.sockets.LastAttempt().Accept();
    const std::string panel = Panel();
    ASSERT_EQ(panel, "Origin enabled: Serial port based, Keyboard press trapping, TCP/IP");
    platform.libraries.log.clear();

    Power(power::kSuspend);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(Main().ClientSocket.Active());
    EXPECT_EQ(platform.libraries.log, (std::vector<std::string>{"KeyHook_Stop()"}));
    // Nothing the user sees changes while the system goes to sleep.
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), panel);

    Power(power::kResumeAutomatic);
    Power(power::kResumeSuspend);
    ui.timers.Advance(TMainForm::kResumeSettleMs - 1);
    EXPECT_FALSE(line.IsOpen()); // the adapter gets its moment to come back
    Settle();
    EXPECT_EQ(Opens(), 2);
    EXPECT_EQ(line.Written(), "IRIR");
    EXPECT_EQ(platform.sockets.AttemptCount(), 2u);
    EXPECT_TRUE(Main().ClientSocket.Active());
    EXPECT_EQ(platform.libraries.log.back(), "KeyHook_Start(" + std::to_string(Main().Handle()) + ")");
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), panel);

    // Told again once the user is back: nothing more.
    Power(power::kResumeSuspend);
    Settle();
    EXPECT_EQ(Opens(), 2);

    // Woken without a word before (a critical sleep): restarted as they run.
    Power(power::kResumeCritical);
    Settle();
    EXPECT_EQ(Opens(), 3);
    EXPECT_EQ(platform.sockets.AttemptCount(), 3u);

    // Switched off by the user while the wake-up waits: they stay off.
    Power(power::kSuspend);
    Power(power::kResumeAutomatic);
    Main().EnableOriginMenu.Click();
    Settle();
    EXPECT_EQ(Opens(), 3);
    EXPECT_FALSE(Main().ClientSocket.Active());
    EXPECT_EQ(Panel(), "");
}

TEST_F(SleepResumeTest, AWakeUpUnderTheLearningFormOrTheSettingsDialogLeavesThemWorking) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& play = AddCommand(tv, "Play");
    Main().CommandsTree.SetSelected(tv->GetFirstChild());
    Settings().TCPIPChBX.SetChecked(false);
    Main().EnableOriginMenu.Click();
    ui.dialogs.ExpectModal("LearnForm", [&](ui::TForm& form) {
        auto& learn = dynamic_cast<input::TLearnForm&>(form);
        ui.timers.Advance(700);
        Power(power::kSuspend);
        Power(power::kResumeAutomatic);
        Settle();
        ASSERT_TRUE(line.IsOpen());
        EXPECT_EQ(Main().IRTimer.Interval(), 300u);
        for (int i = 0; i < 2; ++i) {
            line.Receive("\x05\x06");
            ui.timers.Advance(300);
        }
        EXPECT_TRUE(learn.AcceptBtn.Enabled());
        learn.AcceptBtn.UserClicked();
    });
    Main().LearnMenu.Click();
    EXPECT_EQ(play.CodeHigh(), 1);
    EXPECT_EQ(Main().IRTimer.Interval(), 125u);

    ui.dialogs.ExpectModal("SettingsForm", [&](ui::TForm& form) {
        Power(power::kSuspend);
        Power(power::kResumeAutomatic);
        Settle();
        EXPECT_TRUE(line.IsOpen());
        // A change of origin still switches them off until the dialog closes.
        Settings().DTRChBx.UserClicked();
        EXPECT_FALSE(line.IsOpen());
        form.SetModalResult(ui::mrOk);
    });
    Main().SettingsMenu.Click();
    EXPECT_TRUE(line.IsOpen());
    EXPECT_EQ(Panel(), "Origin enabled: Serial port based");
}

TEST_F(SleepResumeTest, AReceiverPulledOutIsReportedOnceAndTheNextWakeUpOpensItAgain) {
    Settings().TCPIPChBX.SetChecked(false);
    AddCommand(AddRemote("TV"), "Play", {5, 6});
    Main().EnableOriginMenu.Click();
    ui.timers.Advance(700);
    line.Unplug(22);
    // Raised where the watcher delivers it, the program's error box.
    const auto raised = [&](std::function<void()> event) {
        try {
            event();
        } catch (const EComPort& error) {
            return error.Message();
        }
        return std::string();
    };
    EXPECT_EQ(raised([&] { line.Receive("\x05\x06"); }), "Unable to read com status: 22");
    EXPECT_EQ(raised([&] { line.Receive("\x05\x06"); }), "");
    EXPECT_EQ(raised([&] { line.SetCarrier(true); }), "");
    EXPECT_FALSE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "");
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);

    Power(power::kSuspend);
    line.Replug();
    Power(power::kResumeAutomatic);
    Settle();
    ASSERT_TRUE(line.IsOpen());
    EXPECT_TRUE(Main().EnableOriginMenu.Checked());
    EXPECT_EQ(Panel(), "Origin enabled: Serial port based");
    line.Receive("\x05\x06");
    ui.timers.Advance(125);
    EXPECT_EQ(Main().LastCommand, Model().Commands[0]);
}

} // namespace
} // namespace orvane::program
