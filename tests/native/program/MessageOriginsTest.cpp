// Codes that arrive as window messages, from the TV card's polls or over the
// network, recognised as commands, or shown in the origin test viewer while
// it is open.
#include "native/program/ProgramFixture.h"
#include "input/AVerForm.h"
#include "input/TestOriginForm.h"
#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

class MessageOriginsTest : public ProgramFixture {
protected:
    MessageOriginsTest() {
        auto* remote = AddRemote("Remote");
        // Without the typematic window, each code is a press of its own.
        AddCommand(remote, "Enter", {13}).Typematic = false;
        AddCommand(remote, "Joined", {12345}).Typematic = false;
        AddCommand(remote, "Minus", {95}).Typematic = false;
        AddCommand(remote, "Text", {65, 66}).Typematic = false;
        Unselect();
    }
    std::string Selected() {
        ui::TTreeNode* node = Main().CommandsTree.Selected();
        return node ? node->Text() : std::string();
    }
    void Unselect() { Main().CommandsTree.SetSelected(nullptr); }
    input::TTestOriginForm& Viewer() { return program->TestOrigin(); }
    std::vector<std::string> ViewerLines() {
        std::vector<std::string> lines;
        for (int i = 0; i < Viewer().Memo.Lines.Count(); ++i) lines.push_back(Viewer().Memo.Lines[i]);
        return lines;
    }
    // Shown as its menu would show it, without the modal wait: showing
    // selects "Decimal", then the test chooses the format.
    void OpenViewer(int format) {
        Viewer().Show();
        Viewer().DataFormatCoBx.SetItemIndex(format);
    }
    bool Key(std::uintptr_t virtualKey, std::intptr_t keystrokeData) {
        return Main().UserMessage(TMainForm::kKeyHookMessage, virtualKey, keystrokeData);
    }

    // Keystroke data of Enter pressed (repeat 1, scan code 28) and released.
    static constexpr std::intptr_t kEnterDown = 0x001C0001;
    static constexpr std::intptr_t kEnterUp = static_cast<std::intptr_t>(static_cast<std::int32_t>(0xC01C0001u));
};

TEST_F(MessageOriginsTest, AKeyPressIsACodeOfItsVirtualKeyAndAReleaseIsNothing) {
    ASSERT_TRUE(Key(13, kEnterUp));
    EXPECT_EQ(Selected(), "");
    ASSERT_TRUE(Key(13, 0));
    EXPECT_EQ(Selected(), "");
    ASSERT_TRUE(Key(13, kEnterDown));
    EXPECT_EQ(Selected(), "Enter");
    EXPECT_EQ(Main().IncomingSequence.CodeHigh(), -1);
}

TEST_F(MessageOriginsTest, TheTVApplicationsMessagesJoinTheirNumbers) {
    input::TAVerForm& aver = program->AVer();
    ASSERT_TRUE(aver.UserMessage(1026, 12, 345));
    EXPECT_EQ(Selected(), "Joined");
    ASSERT_TRUE(aver.UserMessage(3002, 1, -5));
    EXPECT_EQ(Selected(), "Minus");
    // Other numbers are not the TV application's.
    Unselect();
    EXPECT_FALSE(aver.UserMessage(1025, 12, 345));
    EXPECT_EQ(Selected(), "");
}

TEST_F(MessageOriginsTest, WithTheViewerOpenCodesAreShownNotRecognised) {
    platform.windows.keyNames[28] = "Enter";
    OpenViewer(2);
    Key(13, kEnterDown);
    Key(13, kEnterUp);
    program->AVer().UserMessage(1026, 0, 0x141);
    Viewer().DataFormatCoBx.SetItemIndex(1);
    Key(13, kEnterDown);
    program->AVer().UserMessage(1026, 1, 23);
    Viewer().DataFormatCoBx.SetItemIndex(0);
    Key(13, kEnterDown);
    EXPECT_EQ(ViewerLines(), (std::vector<std::string>{"Enter", "A", "0D", "7B", "13"}));
    EXPECT_EQ(Selected(), "");
}

TEST_F(MessageOriginsTest, TheTVCardsPollsAreShownWithATrailingBlankInTheViewer) {
    platform.libraries.Provide("grappler.dll", {{"GetTVParam"}, {200}});
    program->Settings().SerialBasedChBx.SetChecked(false);
    program->Settings().BestBuyChBx.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    OpenViewer(1);
    ui.timers.Advance(100);
    EXPECT_EQ(ViewerLines(), (std::vector<std::string>{"8 ", "8 "}));
}

TEST_F(MessageOriginsTest, TheServersTextIsEchoedThenRecognisedOrShown) {
    program->Settings().SerialBasedChBx.SetChecked(false);
    program->Settings().TCPIPChBX.SetChecked(true);
    ASSERT_TRUE(Main().SwitchOrigins(true));
    auto& server = platform.sockets.LastAttempt();
    EXPECT_EQ(server.Host(), "localhost");
    EXPECT_EQ(server.Port(), 1024);
    server.Accept();

    server.Send("AB");
    EXPECT_EQ(server.TakeReceived(), "AB");
    EXPECT_EQ(Selected(), "Text");

    // A text that matches nothing is still echoed.
    Unselect();
    server.Send("Z?");
    EXPECT_EQ(server.TakeReceived(), "Z?");
    EXPECT_EQ(Selected(), "");

    OpenViewer(0);
    server.Send("AB");
    EXPECT_EQ(server.TakeReceived(), "AB");
    EXPECT_EQ(ViewerLines(), (std::vector<std::string>{"AB"}));
    EXPECT_EQ(Selected(), "");
}

} // namespace
} // namespace orvane::program
