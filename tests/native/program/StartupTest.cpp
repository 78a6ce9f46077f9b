// The program's start, its two states and its end, on fake services: what a
// first and a later start leave in the registry, the single-instance rule,
// starting in the tray, New, and the question about unsaved changes.
#include "actions/LayoutsForm.h"
#include "program/Program.h"
#include "program/SingleInstance.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsForm.h"

#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

namespace orvane::program {
namespace {

using platform::RootKey;
using platform::ValueType;
using settings::kSettingsKey;

constexpr const char* kProgram = "C:\\Tools\\Orvane\\orvane.exe";

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        platform.shell.executablePath = kProgram;
        // The serial receiver of the first-run settings is there.
        serialPorts.Add("COM1");
    }

    // One run of the program: its windows and show-time work.
    struct Run {
        fakes::FakeUi ui;
        std::unique_ptr<Program> program;
    };
    // As the entry point starts it: a failure is shown and the start goes on.
    // `expect` scripts the boxes the start shows.
    std::unique_ptr<Run> Start(const std::function<void(fakes::FakeDialogs&)>& expect = {}) {
        auto run = std::make_unique<Run>();
        if (expect) expect(run->ui.dialogs);
        run->program = std::make_unique<Program>(run->ui.app, platform.Services(), serialPorts);
        run->ui.app.Dispatch([&] { run->program->Start(); });
        return run;
    }
    std::optional<platform::RegistryValue> Setting(const std::string& name) {
        return platform.registry.Get(RootKey::CurrentUser, kSettingsKey, name);
    }
    void DeleteSetting(const std::string& name) {
        platform.registry.OpenKey(RootKey::CurrentUser, kSettingsKey, false)->DeleteValue(name);
    }

    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
};

TEST_F(StartupTest, AFirstStartWritesEveryDefaultRegistersTheFileTypeAndTheRunEntry) {
    auto run = Start();
    settings::SettingsStore store(platform.registry);

    for (const auto& entry : settings::FirstRunDefaults()) {
        auto value = Setting(entry.name);
        ASSERT_TRUE(value) << entry.name;
        const ValueType expected =
            std::holds_alternative<std::string>(entry.value) ? ValueType::String : ValueType::DWord;
        EXPECT_EQ(value->type, expected) << entry.name;
    }
    EXPECT_EQ(Setting("First Load")->type, ValueType::Binary);
    EXPECT_NE(store.ReadSettingDate("First Load"), 0.0);
    EXPECT_TRUE(store.ReadSettingBool("Launch on startup"));
    auto runEntry = platform.registry.Get(RootKey::CurrentUser, settings::kRunKey, "Orvane");
    ASSERT_TRUE(runEntry);
    EXPECT_EQ(runEntry->data, kProgram);
    EXPECT_EQ(platform.registry.Get(RootKey::ClassesRoot, "Orvane\\Shell\\Open\\Command", "")->data,
              "\"C:\\Tools\\Orvane\\orvane.exe\" \"%1\"");
    EXPECT_EQ(platform.shell.associationNotices, 1);

    // The dialog then shows the stored defaults, not its own design values.
    auto& dialog = run->program->Settings();
    EXPECT_EQ(dialog.ToleranceUpDwn.Position(), 10);
    EXPECT_EQ(dialog.SpeedCoBx.ItemIndex(), 6);
    EXPECT_TRUE(dialog.SerialBasedChBx.Checked());
    EXPECT_FALSE(dialog.LoadChBx.Checked());
    EXPECT_EQ(run->program->Main().ClientSocket.Host(), "localhost");
    EXPECT_EQ(run->program->Main().ServerSocket.Port(), 4040);
    EXPECT_EQ(run->program->Main().OSDFont.name, "Arial");
}

TEST_F(StartupTest, ALaterStartWritesNoDefaultsAndKeepsTheUsersValues) {
    Start();
    settings::SettingsStore store(platform.registry);
    const double firstLoad = store.ReadSettingDate("First Load");
    store.WriteSettingInteger("Tolerance", 33);
    platform.registry.valuesWritten.clear();

    auto run = Start();
    EXPECT_EQ(store.ReadSettingInteger("Tolerance"), 33);
    EXPECT_EQ(store.ReadSettingDate("First Load"), firstLoad);
    EXPECT_EQ(platform.shell.associationNotices, 1);
    EXPECT_EQ(run->program->Settings().ToleranceUpDwn.Position(), 33);
    // Only what the load itself writes back: check boxes that differ from design.
    for (const std::string& name : platform.registry.valuesWritten)
        EXPECT_TRUE(name == "Serial DTR" || name == "Serial RTS" || name == "OSD Repaint") << name;
}

TEST_F(StartupTest, DeletingOnlyTheFirstStartDateRestoresTheDefaultsAndNothingElse) {
    Start();
    settings::SettingsStore store(platform.registry);
    store.WriteSettingInteger("Tolerance", 33);
    store.WriteSettingString("Restore", "secret");
    store.WriteSettingBool("Origin enabled", true);
    // An existing file, so that opening it does not forget it.
    const std::string last = ::testing::TempDir() + "orvane-last.orv";
    std::FILE* file = std::fopen(last.c_str(), "wb");
    ASSERT_TRUE(file);
    std::fputs("[Config]\r\nNumComandos=0\r\n", file);
    std::fclose(file);
    store.WriteSettingString("LastORVFile", last);
    store.WriteSettingBool("Hide splashscreen", true);
    platform.registry.Set(RootKey::CurrentUser, settings::kSoundsKey, "Bell", {ValueType::String, "bell.wav"});
    DeleteSetting("First Load");

    Start();
    EXPECT_EQ(store.ReadSettingInteger("Tolerance"), 10);
    EXPECT_EQ(store.ReadSettingString("Restore"), "secret");
    EXPECT_TRUE(store.ReadSettingBool("Origin enabled"));
    EXPECT_EQ(store.ReadSettingString("LastORVFile"), last);
    EXPECT_TRUE(store.ReadSettingBool("Hide splashscreen"));
    EXPECT_TRUE(platform.registry.Get(RootKey::CurrentUser, settings::kSoundsKey, "Bell"));
    std::remove(last.c_str());
}

TEST_F(StartupTest, ANewStartClosesTheRunningCopyUnlessSeveralAreAllowed) {
    auto earlier = platform.windows.AddWindow("Orvane 4.0b");
    // The running copy closes (its user answered its question, or it had none).
    platform.windows.onWait = [&](platform::WindowHandle window) { platform.windows.RemoveWindow(window); };
    auto run = Start();
    ASSERT_EQ(platform.windows.posted.size(), 1u);
    EXPECT_EQ(platform.windows.posted[0].window, earlier);
    EXPECT_EQ(platform.windows.posted[0].message, 0x0010u); // closed as its user would, not quit
    EXPECT_EQ(platform.windows.waits.at(0), std::make_pair(earlier, kRunningCopyWait));
    EXPECT_FALSE(run->ui.app.Terminated());
    EXPECT_TRUE(run->program->Main().Visible());
    EXPECT_EQ(run->program->Main().Caption(), "Orvane 4.0b");

    settings::SettingsStore(platform.registry).WriteSettingBool("Multiple instances", true);
    platform.windows.AddWindow("Orvane 4.0b");
    platform.windows.posted.clear();
    Start();
    EXPECT_TRUE(platform.windows.posted.empty());
}

TEST_F(StartupTest, ANewStartGivesWayWhenTheRunningCopyIsKeptByItsUser) {
    Start();
    settings::SettingsStore store(platform.registry);
    store.WriteSettingBool("Origin enabled", true);
    const std::string file = ::testing::TempDir() + "orvane-given-way.orv";
    platform.shell.arguments = {file};
    auto running = platform.windows.AddWindow("Orvane 4.0b");
    // Its user answers Cancel: the window stays.
    auto run = Start();
    EXPECT_EQ(platform.windows.posted.at(0).window, running);
    EXPECT_TRUE(run->ui.app.Terminated());
    // Nothing of the show-time work: no window, no file, no origins.
    TMainForm& main = run->program->Main();
    EXPECT_FALSE(main.Visible());
    EXPECT_EQ(main.StatBar.PanelText(TMainForm::kFileNamePanel), "");
    EXPECT_FALSE(main.EnableOriginMenu.Checked());
}

TEST_F(StartupTest, AFileTypeThatCannotBeRegisteredIsSaidOnceAndTheStartGoesOn) {
    platform.registry.lockedKeys = {".orv"};
    const std::string file = ::testing::TempDir() + "orvane-first.orv";
    {
        std::FILE* out = std::fopen(file.c_str(), "wb");
        ASSERT_TRUE(out);
        std::fputs("[File information]\r\nVersion=4\r\nCommands=1\r\n[C0]\r\nName=TV\r\n", out);
        std::fclose(out);
    }
    platform.shell.arguments = {file};
    auto run = Start([](fakes::FakeDialogs& d) { d.ExpectMessageBox("Failed to create key .orv"); });
    settings::SettingsStore store(platform.registry);
    EXPECT_NE(store.ReadSettingDate("First Load"), 0.0);
    EXPECT_EQ(run->program->Settings().ToleranceUpDwn.Position(), 10);
    ASSERT_NE(run->program->Main().CommandsTree.Items().GetFirstNode(), nullptr);
    EXPECT_EQ(run->program->Main().CommandsTree.Items().GetFirstNode()->Text(), "TV");

    // Said once: the next start neither tries again nor fails.
    auto again = Start();
    EXPECT_EQ(again->program->Settings().ToleranceUpDwn.Position(), 10);
    ASSERT_NE(again->program->Main().CommandsTree.Items().GetFirstNode(), nullptr);
    EXPECT_EQ(again->program->Main().CommandsTree.Items().GetFirstNode()->Text(), "TV");
    std::remove(file.c_str());
}

TEST_F(StartupTest, AFirstStartCutShortByAFailedWriteWritesTheDefaultsAgainNextTime) {
    platform.registry.failingValues = {"Tolerance"};
    Start([](fakes::FakeDialogs& d) { d.ExpectMessageBox("Failed to set data for 'Tolerance'"); });
    settings::SettingsStore store(platform.registry);
    EXPECT_EQ(store.ReadSettingDate("First Load"), 0.0);

    platform.registry.failingValues.clear();
    auto run = Start();
    EXPECT_NE(store.ReadSettingDate("First Load"), 0.0);
    EXPECT_EQ(run->program->Settings().ToleranceUpDwn.Position(), 10);
    EXPECT_EQ(store.ReadSettingInteger("TCP/IP client port"), 1024);
}

TEST_F(StartupTest, StartingMinimizedShowsTheTrayIconEvenWhenTheOriginsFail) {
    Start();
    settings::SettingsStore(platform.registry).WriteSettingBool("Load minimized", true);
    serialPorts.Line("COM1").FailNext("SetCommState", 87);
    auto run = Start([](fakes::FakeDialogs& d) { d.ExpectMessageBox("Unable to set com state: 87"); });
    TMainForm& main = run->program->Main();
    // A way back to the window, which stays up because the origins are not running.
    EXPECT_TRUE(main.TrayIcon.ShowIcon());
    EXPECT_FALSE(run->ui.app.Minimized());
}

TEST_F(StartupTest, StartingMinimizedNeverShowsTheMainWindow) {
    Start();
    settings::SettingsStore(platform.registry).WriteSettingBool("Load minimized", true);
    auto run = Start();
    TMainForm& main = run->program->Main();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(main.TrayIcon.ShowIcon());
    EXPECT_TRUE(run->ui.app.Minimized());
    EXPECT_FALSE(run->ui.app.TaskbarButtonShown());
    // The origins are on, and the status bar lists them.
    EXPECT_TRUE(main.EnableOriginMenu.Checked());
    EXPECT_EQ(main.StatBar.PanelText(TMainForm::kOriginsPanel), "Origin enabled: Serial port based");
}

TEST_F(StartupTest, AConfiguringStartShowsTheWindowAndRestartsTheOriginsWhenTheyWereOn) {
    Start();
    settings::SettingsStore(platform.registry).WriteSettingBool("Origin enabled", true);
    auto run = Start();
    TMainForm& main = run->program->Main();
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(main.TrayIcon.ShowIcon());
    EXPECT_TRUE(main.EnableOriginMenu.Checked());
    EXPECT_EQ(main.Splash(), nullptr);

    // "Run!" goes to the running state with the origins already on.
    main.RunBtn.UserClicked();
    EXPECT_TRUE(main.TrayIcon.ShowIcon());
    EXPECT_TRUE(run->ui.app.Minimized());
}

TEST_F(StartupTest, AnOriginFailingWithAnErrorAtTheFirstActivationStillEndsTheSplash) {
    Start();
    settings::SettingsStore(platform.registry).WriteSettingBool("Origin enabled", true);
    serialPorts.Line("COM1").FailNext("SetCommState", 87);
    fakes::FakeUi ui;
    ui.dialogs.ExpectMessageBox("Unable to set com state: 87");
    Program program(ui.app, platform.Services(), serialPorts);
    // As the entry point runs it: a failure is shown and the start goes on.
    ui.app.Dispatch([&] { program.Start(); });
    EXPECT_EQ(program.Main().Splash(), nullptr);
    EXPECT_TRUE(program.Main().Visible());
}

TEST_F(StartupTest, TheFileNamedOnTheCommandLineIsChosenAndAMissingOneForgotten) {
    settings::SettingsStore store(platform.registry);
    const std::string existing = ::testing::TempDir() + "orvane-startup.orv";
    std::FILE* file = std::fopen(existing.c_str(), "wb");
    ASSERT_TRUE(file);
    std::fputs("[File information]\r\nVersion=4\r\n", file);
    std::fclose(file);

    Start();
    store.WriteSettingString("LastORVFile", "C:\\nowhere\\last.orv");
    platform.shell.arguments = {existing};
    auto run = Start();
    EXPECT_EQ(run->program->Main().StatBar.PanelText(TMainForm::kFileNamePanel), existing);

    platform.shell.arguments.clear();
    auto again = Start();
    EXPECT_EQ(again->program->Main().StatBar.PanelText(TMainForm::kFileNamePanel), "");
    EXPECT_EQ(store.ReadSettingString("LastORVFile"), "");
    std::remove(existing.c_str());
}

TEST_F(StartupTest, NewAfterNoGivesAnEmptyConfigurationThatStillCountsAsChanged) {
    auto run = Start();
    TMainForm& main = run->program->Main();
    TLayout& extra = main.Model->AddLayout("Player", "player.exe", "Player");
    main.Model->AddAction(extra, "Play");
    main.LayoutCoBx.Items.Add("Player");
    main.StatBar.SetPanelText(TMainForm::kFileNamePanel, "C:\\home.orv");
    main.SaveMenu.SetEnabled(true);
    // A typematic repeat pending on a command of the old configuration.
    main.LastCommand = &main.Model->NewCommandRecord();
    main.TypematicTimer.SetEnabled(true);

    run->ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrNo);
    main.NewMenu.UserClicked();
    EXPECT_EQ(main.LastCommand, nullptr);
    EXPECT_FALSE(main.TypematicTimer.Enabled());
    ASSERT_EQ(main.Model->Layouts.size(), 1u);
    EXPECT_EQ(main.Model->DefaultLayout().Name, "Default");
    EXPECT_EQ(main.LayoutCoBx.Items.Items(), std::vector<std::string>{"Default"});
    EXPECT_EQ(main.StatBar.PanelText(TMainForm::kFileNamePanel), "");
    EXPECT_TRUE(main.SaveMenu.Enabled());
    EXPECT_EQ(main.Caption(), "Orvane 4.0b");
}

TEST_F(StartupTest, CancellingTheQuestionKeepsTheProgramAndItsConfiguration) {
    auto run = Start();
    TMainForm& main = run->program->Main();
    main.Model->AddLayout("Player", "", "Player");
    main.SaveMenu.SetEnabled(true);

    run->ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrCancel);
    main.ExitMenu.UserClicked();
    EXPECT_FALSE(run->ui.app.Terminated());
    EXPECT_EQ(main.Model->Layouts.size(), 2u);

    run->ui.dialogs.ExpectMessageBox("Save changes to the configuration file?", ui::mrNo);
    main.ExitMenu.UserClicked();
    EXPECT_TRUE(run->ui.app.Terminated());
}

TEST_F(StartupTest, YesWithoutASaveStopsExitNewAndOpenAsCancelWould) {
    auto run = Start();
    TMainForm& main = run->program->Main();
    main.Model->AddLayout("Player", "", "Player");
    main.SaveMenu.SetEnabled(true);
    auto& dialogs = run->ui.dialogs;
    const std::string question = "Save changes to the configuration file?";

    // No file name: Yes asks for one, and the user cancels.
    dialogs.ExpectMessageBox(question, ui::mrYes).ExpectSaveFile("", std::nullopt);
    main.ExitMenu.UserClicked();
    EXPECT_FALSE(run->ui.app.Terminated());
    dialogs.ExpectMessageBox(question, ui::mrYes).ExpectSaveFile("", std::nullopt);
    main.NewMenu.UserClicked();
    dialogs.ExpectMessageBox(question, ui::mrYes).ExpectSaveFile("", std::nullopt);
    main.OpenMenu.UserClicked(); // no open dialog follows
    EXPECT_EQ(main.Model->Layouts.size(), 2u);
    EXPECT_TRUE(main.SaveMenu.Enabled());

    // A save that fails stops it too, with its error.
    const std::string nowhere = ::testing::TempDir() + "orvane-no-such-folder/home.orv";
    main.StatBar.SetPanelText(TMainForm::kFileNamePanel, nowhere);
    dialogs.ExpectMessageBox(question, ui::mrYes);
    dialogs.ExpectMessageBox("Cannot write file \"" + nowhere + "\": No such file or directory");
    main.ExitMenu.UserClicked();
    EXPECT_FALSE(run->ui.app.Terminated());
    EXPECT_EQ(main.Model->Layouts.size(), 2u);

    // A save that happens lets it go on.
    const std::string home = ::testing::TempDir() + "orvane-yes.orv";
    main.StatBar.SetPanelText(TMainForm::kFileNamePanel, home);
    dialogs.ExpectMessageBox(question, ui::mrYes);
    main.ExitMenu.UserClicked();
    EXPECT_TRUE(run->ui.app.Terminated());
    std::remove(home.c_str());
}

TEST_F(StartupTest, TheLayoutManagersListGoesWithTheModelEvenWhenNoNewOneIsMade) {
    auto run = Start();
    TMainForm& main = run->program->Main();
    run->program->Layouts().NewLayoutBtnClick(nullptr);
    ASSERT_EQ(run->program->Layouts().LayoutList.Count(), 1);
    // The next model cannot be made: reading a setting fails.
    platform.registry.Set(RootKey::CurrentUser, kSettingsKey, "Multiple instances", {ValueType::String, "yes"});
    run->ui.dialogs.ExpectMessageBox("Invalid data type for 'Multiple instances'");
    main.NewMenu.UserClicked();
    EXPECT_EQ(run->program->Layouts().LayoutList.Count(), 0);
}

TEST_F(StartupTest, NothingToSaveEndsTheProgramWithoutAQuestion) {
    auto run = Start();
    run->program->Main().ExitMenu.UserClicked();
    EXPECT_TRUE(run->ui.app.Terminated());
}

} // namespace
} // namespace orvane::program
