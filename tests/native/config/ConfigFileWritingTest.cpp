// Saving the configuration: the exact text, the backup, Save As, long codes,
// and a save that fails.
#include "config/BigIniFile.h"
#include "native/program/ProgramFixture.h"

#include <filesystem>
#include <sstream>

namespace orvane::program {
namespace {

class ConfigFileWriting : public ProgramFixture {
protected:
    TAction& AddAction(TLayout& layout, const std::string& name) {
        Model().CurrentLayout = &layout;
        Main().NewBtnClick(nullptr);
        Model().CurrentAction->Name = name;
        return *Model().CurrentAction;
    }
    void SaveTo(const std::string& path) {
        Main().StatBar.SetPanelText(TMainForm::kFileNamePanel, path);
        Main().SaveMenu.SetEnabled(true);
        Main().SaveMenu.UserClicked();
    }
    static std::string Crlf(const std::string& text) {
        std::string out;
        for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return out;
    }
};

TEST_F(ConfigFileWriting, ASmallConfigurationIsWrittenExactly) {
    ui::TTreeNode* tv = AddRemote("TV");
    AddCommand(tv, "Play", {1, 255, 16});
    TCommand& stop = AddCommand(tv, "Stop");
    stop.Enabled = stop.Typematic = false;
    stop.Sound = "Bell";
    program->Layouts().NewLayoutBtnClick(nullptr);
    TLayout& player = *Model().Layouts[1];
    player = {"Player", "player.exe", "Player", {}};
    TAction& start = AddAction(player, "Start");
    start.TrigEn = start.TrigType = 1;
    start.AllAtOnce = true;
    start.Actions = {"first", "second"};
    AddTrigger(tv->GetFirstChild());

    const std::string path = PathOf("home.orv");
    SaveTo(path);
    EXPECT_EQ(Bytes(path), Crlf("[File information]\nProgram=Orvane 4.0b\nVersion=4\nWeb=https://orvane.example/\n"
                                "Date=08.12.2026 12:00:00\nCommands=3\nLayouts=2\n"
                                "\n[C0]\nName=TV\nLevel=0\nSound=\nRecognition=1\nTypematic=1\nDigits=0\nCode=\n"
                                "TrigCount=0\n"
                                "\n[C1]\nName=Play\nLevel=1\nSound=\nRecognition=1\nTypematic=1\nDigits=2\n"
                                "Code=01FF10\nTrigCount=1\nTA0=L1A0\n"
                                "\n[C2]\nName=Stop\nLevel=1\nSound=Bell\nRecognition=0\nTypematic=0\nDigits=0\n"
                                "Code=\nTrigCount=0\n"
                                "\n[L0]\nName=Default\nApplication=\nWndTitle=\nActCount=0\n"
                                "\n[L1]\nName=Player\nApplication=player.exe\nWndTitle=Player\nActCount=1\n"
                                "\n[L1A0]\nName=Start\nTrigEn=1\nTrigType=1\nAllAtOnce=1\nTrigCount=1\nTC0=1\n"
                                "ActCount=2\nA0=first\nA1=second\n"));
    EXPECT_FALSE(Main().SaveMenu.Enabled());
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);
}

TEST_F(ConfigFileWriting, EachSaveKeepsThePreviousVersionUnderTheWholeNamePlusBak) {
    const std::string path = PathOf("home.orv");
    AddRemote("First");
    SaveTo(path);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    const std::string first = Bytes(path);
    Main().CommandsTree.Items().GetFirstNode()->SetText("Second");
    SaveTo(path);
    EXPECT_EQ(Bytes(path + ".bak"), first);
    EXPECT_NE(Bytes(path).find("Name=Second"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(ConfigFileWriting, AFailedSaveChangesNeitherTheFileNorItsBackupNorAnyOtherFile) {
    const std::string path = Write("home.orv", "old");
    Write("home.orv.bak", "older");
    // Files of the user's that happen to have the names a save writes to first.
    Write("home.orv.tmp", "mine");
    for (int i = 1; i < 10; ++i) Write("home.orv." + std::to_string(i) + ".tmp", "mine");
    AddRemote("TV");
    ui.dialogs.ExpectMessageBox("Cannot write file \"" + path + "\": no free name for a temporary file beside it");
    SaveTo(path);
    EXPECT_EQ(Bytes(path), "old");
    EXPECT_EQ(Bytes(path + ".bak"), "older");
    EXPECT_EQ(Bytes(path + ".tmp"), "mine");
    EXPECT_TRUE(Main().SaveMenu.Enabled());
    EXPECT_EQ(ui.app.GetCursor(), ui::Cursor::Default);

    ui.dialogs.ExpectMessageBox("Cannot write file \"" + PathOf("no/such/home.orv") + "\": No such file or directory");
    SaveTo(PathOf("no/such/home.orv"));
}

TEST_F(ConfigFileWriting, SaveAsAsksForTheNameInTheProgramsFolderAndRemembersIt) {
    AddRemote("TV");
    ui.dialogs.ExpectSaveFile("", std::nullopt);
    Main().SaveMenu.UserClicked();  // no name yet: Save As
    EXPECT_EQ(Main().StatBar.PanelText(TMainForm::kFileNamePanel), "");
    ASSERT_EQ(ui.dialogs.FileRequests().size(), 1u);
    const ui::FileDialogRequest& asked = ui.dialogs.FileRequests()[0];
    EXPECT_EQ(asked.filter, "Orvane files (*.orv)|*.orv|All files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExt, "orv");
    EXPECT_EQ(asked.initialDir, "C:\\Tools\\Orvane\\");

    const std::string path = PathOf("chosen.orv");
    ui.dialogs.ExpectSaveFile("", path);
    Main().SaveAsMenu.UserClicked();
    EXPECT_EQ(Main().StatBar.PanelText(TMainForm::kFileNamePanel), path);
    EXPECT_EQ(program->Store().ReadSettingString("LastORVFile"), path);
    EXPECT_NE(Bytes(path).find("Name=TV"), std::string::npos);
    EXPECT_FALSE(Main().SaveMenu.Enabled());
}

TEST_F(ConfigFileWriting, ACodeTooLongForOneLineContinuesOnNumberedKeysOfWholeValues) {
    ui::TTreeNode* tv = AddRemote("TV");
    TCommand& fits = AddCommand(tv, "Fits");
    for (int i = 0; i < 125; ++i) fits.Append(0xAB);
    TCommand& over = AddCommand(tv, "Over");
    for (int i = 0; i < 126; ++i) over.Append(i);
    TCommand& longest = AddCommand(tv, "Longest");
    for (int i = 0; i <= core::kMaxCodeIndex; ++i) longest.Append(-i);

    const std::string path = PathOf("long.orv");
    SaveTo(path);
    const config::TBiggerIniFile ini(path);
    EXPECT_EQ(ini.ReadString("C1", "Code", "").size(), 250u);
    EXPECT_FALSE(ini.ValueExists("C1", "Code1"));
    EXPECT_EQ(ini.ReadString("C2", "Code1", ""), "7D");
    EXPECT_EQ(ini.ReadString("C3", "Code", "").size(), 31u * 8);
    std::istringstream lines(Bytes(path));
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 256u) << line;  // with its CR

    ui.dialogs.ExpectOpenFile("", path);
    Main().OpenMenu.UserClicked();
    const auto& commands = Model().Commands;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[1]->Count(), 126);
    EXPECT_EQ(commands[1]->Code[125], 125);
    ASSERT_EQ(commands[2]->Count(), core::kMaxCodeIndex + 1);
    EXPECT_EQ(commands[2]->Code[core::kMaxCodeIndex], -core::kMaxCodeIndex);
}

} // namespace
} // namespace orvane::program
