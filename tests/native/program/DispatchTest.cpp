// A recognised command through the whole program on fakes: the layout of the
// window in front, the triggers, the action that runs and how its
// descriptions follow one another. Each description posts its own message
// number to the window in front, so the posted numbers tell what ran.
#include "../input/RecognitionFixture.h"

#include <map>
#include <sstream>

namespace orvane::input::testing {
namespace {

using core::TAction;
using core::TCommand;
using core::TLayout;
using Numbers = std::vector<std::uint32_t>;

// A description posting the message number to the window in front.
std::string Post(std::uint32_t number, int delay = 0) {
    std::ostringstream text;
    text << "\xA1PostMessage\xA1" << std::hex << number << "wParam:0lParam:0Delay:" << std::dec << delay
         << "DestWnd:KeepActive:N";
    return text.str();
}

class Dispatch : public RecognitionFixture {
public: // the cases of the table set themselves up through these
    Dispatch() {
        ui::TTreeNode* tv = Remote("TV");
        for (char name : std::string("ABX")) codes[name] = &Command(tv, std::string(1, name), {name});
        front = platform.windows.AddWindow("Notepad");
        platform.windows.Activate(front);
        Running(true);
    }

    // The running state is the icon in the tray; configuring is the window.
    void Running(bool on) { Main().TrayIcon.SetShowIcon(on); }
    core::Configuration& Model() { return *Main().Model; }
    TLayout& Layout(const std::string& wndTitle) { return Model().AddLayout(wndTitle, "", wndTitle); }
    // An action of the layout on the trigger commands (letters), AND or OR,
    // with its descriptions.
    TAction& Action(TLayout& layout, const std::string& triggers, int type, std::vector<std::string> descriptions,
                    bool allAtOnce = false) {
        TAction& action = Model().AddAction(layout, "Act" + std::to_string(++actions));
        newest = &action;
        for (char c : triggers) Model().AddTrigger(action, *codes.at(c));
        action.TrigType = type;
        action.Actions = std::move(descriptions);
        action.ActIndex = action.Actions.empty() ? -1 : 0;
        action.AllAtOnce = allAtOnce;
        return action;
    }
    // Each letter a command's code; "." lets 50 ms pass; "-" deletes the
    // newest action, as the action editor does.
    void Presses(const std::string& presses) {
        for (char c : presses) {
            if (c == '.')
                Advance(50);
            else if (c == '-')
                Model().DeleteAction(*newest);
            else
                Press({c});
        }
    }
    Numbers Posted() {
        Numbers numbers;
        for (const auto& message : platform.windows.posted) numbers.push_back(message.message);
        return numbers;
    }

    static constexpr int AND = 0, OR = 1;
    std::map<char, TCommand*> codes;
    platform::WindowHandle front = 0;
    int actions = 0;
    TAction* newest = nullptr;
};

TEST_F(Dispatch, TheLayoutOfTheWindowInFrontAndTheTriggersChooseWhatRuns) {
    struct Case {
        const char* what;
        const char* title;
        const char* presses;
        std::function<void(Dispatch&)> setUp;
        Numbers posted;
    };
    const std::vector<Case> cases = {
        {"the first matching layout in list order wins over a later one and the default", "Video Viewer - clip", "A",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x500)});
             t.Action(t.Layout("Viewer"), "A", OR, {Post(0x501)});
             t.Action(t.Layout("Video"), "A", OR, {Post(0x502)});
         },
         {0x501}},
        {"the match is case-sensitive; without one the default layout's action runs", "video viewer", "A",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x500)});
             t.Action(t.Layout("Viewer"), "A", OR, {Post(0x501)});
         },
         {0x500}},
        {"an empty window title matches nothing", "Notepad", "A",
         [](Dispatch& t) { t.Action(t.Layout(""), "A", OR, {Post(0x501)}); },
         {}},
        {"a layout not in front is left alone", "Notepad", "A",
         [](Dispatch& t) { t.Action(t.Layout("Viewer"), "A", OR, {Post(0x501)}); },
         {}},
        {"AND: A then B fires", "Notepad", "AB",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x510)}); },
         {0x510}},
        {"AND: A A B does not; the second A is no new start", "Notepad", "AAB",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x510)}); },
         {}},
        {"AND: a command of another action between A and B breaks the sequence", "Notepad", "AXB",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x510)});
             t.Action(t.Model().DefaultLayout(), "XA", AND, {Post(0x511)});
         },
         {}},
        {"AND: the same sequence twice fires twice", "Notepad", "ABAB",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x510)}); },
         {0x510, 0x510}},
        {"AND: an action deleted part-way through its sequence is forgotten; the others go on", "Notepad",
         "A-BAB",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x510)});
             t.Action(t.Model().DefaultLayout(), "AB", AND, {Post(0x511)});
         },
         {0x510, 0x510}},
        {"OR: each trigger fires alone", "Notepad", "AB",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "AB", OR, {Post(0x520)}); },
         {0x520, 0x520}},
        {"a disabled action never fires", "Notepad", "AB",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "AB", OR, {Post(0x530)}).TrigEn = 1; },
         {}},
        {"of two firing actions of a layout the later one runs", "Notepad", "A",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x540)});
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x541)});
         },
         {0x541}},
        {"three descriptions, one per firing, then the first again", "Notepad", "AAAA",
         [](Dispatch& t) {
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x601), Post(0x602), Post(0x603)});
         },
         {0x601, 0x602, 0x603, 0x601}},
        {"a typematic command from a message origin every 50 ms fires on every fourth code", "Notepad",
         "A.A.A.A.A.A.A.A.A.",
         [](Dispatch& t) {
             t.codes['A']->Typematic = true;
             t.Action(t.Model().DefaultLayout(), "A", OR, {Post(0x550)});
         },
         {0x550, 0x550, 0x550}},
        {"an action without descriptions runs nothing", "Notepad", "A",
         [](Dispatch& t) { t.Action(t.Model().DefaultLayout(), "A", OR, {}); },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A fresh configuration for each case, with the same commands.
        for (auto& layout : Model().Layouts)
            while (!layout->Actions.empty()) Model().DeleteAction(*layout->Actions.front());
        Model().Layouts.resize(1);
        for (auto& [name, command] : codes) command->Typematic = false;
        platform.windows.posted.clear();
        platform.windows.Find(front)->title = c.title;
        c.setUp(*this);
        Presses(c.presses);
        Advance(1000);
        EXPECT_EQ(Posted(), c.posted);
    }
}

TEST_F(Dispatch, AllAtOnceRunsTheRestOfTheListEachAfterThePreviousDelayPlusOne) {
    TAction& action =
        Action(Model().DefaultLayout(), "A", OR, {Post(0x601, 10), Post(0x602, 20), Post(0x603, 5)}, true);
    Press({'A'}); // the first description runs before dispatch returns
    EXPECT_EQ(Posted(), (Numbers{0x601}));
    Advance(10);
    EXPECT_EQ(Posted(), (Numbers{0x601}));
    Advance(1);
    EXPECT_EQ(Posted(), (Numbers{0x601, 0x602}));
    Advance(20);
    EXPECT_EQ(Posted(), (Numbers{0x601, 0x602}));
    Advance(1);
    EXPECT_EQ(Posted(), (Numbers{0x601, 0x602, 0x603}));
    EXPECT_EQ(action.ActIndex, 0);
    EXPECT_FALSE(Main().ActionTimer.Enabled());

    // A description that fails stops the chain and runs again next time.
    action.Actions[1] = "\xA1PostMessage\xA1" "602wParam:0lParam:0Delay:tenDestWnd:KeepActive:N";
    platform.windows.posted.clear();
    Press({'A'});
    ui.dialogs.ExpectMessageBox("'ten' is not a valid integer value");
    Advance(11);
    EXPECT_EQ(action.ActIndex, 1);
    EXPECT_FALSE(Main().ActionTimer.Enabled());
    EXPECT_EQ(Posted(), (Numbers{0x601, 0x602})); // posted before its delay failed to convert
}

TEST_F(Dispatch, WhileConfiguringTriggersAdvanceAndTheCommandIsAnnouncedButNothingRuns) {
    Settings().RemoteChBx.SetChecked(true);
    Settings().CommandChBx.SetChecked(true);
    Settings().ActionChBx.SetChecked(true);
    TAction& action = Action(Model().DefaultLayout(), "AB", AND, {Post(0x510)});
    Running(false);
    Press({'A'});
    EXPECT_EQ(action.TrigPos, 1);
    Press({'B'});
    EXPECT_EQ(action.TrigPos, 0);
    EXPECT_EQ(Posted(), Numbers{});
    ASSERT_FALSE(platform.screen.calls.empty());
    EXPECT_NE(platform.screen.calls.back().find("TV, B, Act1"), std::string::npos) << platform.screen.calls.back();
}

TEST_F(Dispatch, ATypematicCommandOnTheSerialReceiverFiresOncePerReceiveEventWhileHeld) {
    TCommand& volume = Command(Remote("Amp"), "Volume", {5, 5}, true);
    TAction& action = Model().AddAction(Model().DefaultLayout(), "Louder");
    Model().AddTrigger(action, volume);
    action.TrigType = OR;
    action.Actions = {Post(0x560)};
    action.ActIndex = 0;
    line->Receive("\x05\x05");
    Advance(125); // recognised: the first firing
    line->Receive("\x05"); // opens a sequence: no repeat yet
    Advance(50);
    line->Receive("\x05"); // a repeat
    Advance(50);
    line->Receive("\x05"); // another
    Advance(400); // released: the window closes 175 ms after the last data
    EXPECT_EQ(Posted(), (Numbers{0x560, 0x560, 0x560}));
    EXPECT_FALSE(Main().TypematicActive);
}

TEST_F(Dispatch, AnActionThatReplacesTheConfigurationLeavesNothingPointingIntoTheOldOne) {
    // The started program "runs" while another program has the configuration
    // replaced: File New through the window's messages.
    platform.processes.whileRunning = [this] {
        Main().SaveMenu.SetEnabled(false); // nothing to ask about
        Main().NewMenuClick(nullptr);
    };
    Action(Model().DefaultLayout(), "A", OR,
           {"\xA1" "ExecuteProgram\xA1Try:Filename:C:\\Tools\\run.exeParams:Suspend:YDelay:0", Post(0x570)}, true);
    Press({'A'});
    EXPECT_EQ(Main().LastCommand, nullptr);
    EXPECT_FALSE(Main().ActionTimer.Enabled());
    EXPECT_EQ(Main().Model->CurrentAction, nullptr);
    Advance(1000);
    EXPECT_EQ(Posted(), Numbers{});
}

} // namespace
} // namespace orvane::input::testing
