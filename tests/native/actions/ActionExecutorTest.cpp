// The executor on fakes: what each kind of description sends to the system,
// in order, and what it leaves for the next description.
#include "actions/ActionExecutor.h"
#include "core/Exception.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orvane::fakes {
// Defined with the keystroke sender's tests.
void PrintTo(const FakeKeyboardInput::Event& e, std::ostream* os);
void PrintTo(const FakeMouseInput::Event& e, std::ostream* os) { *os << e.flags << " " << e.dx << "," << e.dy; }
} // namespace orvane::fakes

namespace orvane::actions {
namespace {

using Key = fakes::FakeKeyboardInput::Event;
using Mouse = fakes::FakeMouseInput::Event;
Key Down(std::uint8_t key, std::uint8_t scan = 0) { return {key, scan, 0}; }
Key Up(std::uint8_t key, std::uint8_t scan = 0) { return {key, scan, platform::KeyEventKeyUp}; }
constexpr std::uint8_t kShift = 16, kCtrl = 17, kAlt = 18;

std::string Tag(const char* type) { return std::string("\xA1") + type + "\xA1"; }

class ActionExecutorTest : public ::testing::Test {
protected:
    ActionExecutorTest() {
        ExecutorHost host;
        host.SetActionInterval = [this](int interval) { this->interval = interval; };
        host.SwitchOrigins = [this](bool on) { origins.push_back(on); };
        host.ShowOSD = [this](const std::string& text) { shown.push_back(text); };
        host.SetOSDSuffix = [this](const std::string& text) { suffix = text; };
        host.AdvancedKeyPress = [this] { return advanced; };
        host.ApplicationWindow = [] { return platform::WindowHandle{0x99}; };
        host.WindowsMessages = [] { return std::vector<std::string>{"WM_CLOSE=0010", "WM_USER=0400"}; };
        host.UserMessages = [] { return std::vector<std::string>{"Play=WM_USER,1,2", "Stop=8123,0,0"}; };
        host.MixerLines = [] { return std::vector<std::string>{"Volume"}; };
        host.MixerVolumeSlots = [] { return std::vector<int>{2}; };
        host.MixerMuteSlots = [] { return std::vector<int>{3}; };
        host.OSDItems = [] { return std::vector<std::string>{"Current time", "Current date"}; };
        executor = std::make_unique<TActionExecutor>(
            ExecutorServices{p.windows, p.keyboard, p.mouse, p.processes, p.clock, sendKeys}, std::move(host));
    }
    std::string Handle(platform::WindowHandle w) { return std::to_string(w); }

    fakes::FakeUi ui;
    fakes::FakePlatform p;
    TSendKeys sendKeys{nullptr, p.keyboard, ui.app};
    std::unique_ptr<TActionExecutor> executor;
    int interval = -7;
    std::vector<bool> origins;
    std::vector<std::string> shown;
    std::string suffix;
    bool advanced = false;
};

TEST_F(ActionExecutorTest, DirectKeysHoldTheModifiersAroundKeptLettersDigitsAndBlanks) {
    executor->ExecuteAction(Tag("SendKeys") + "ACNNAb1 ?Delay:250DestWnd:KeepActive:N");
    EXPECT_EQ(p.keyboard.events, (std::vector<Key>{Down(kAlt), Down(kCtrl), Down('A'), Up('A'), Down('B'), Up('B'),
                                                   Down(97), Up(97), Down(32), Up(32), Up(kAlt), Up(kCtrl)}));
    EXPECT_EQ(interval, 251);
    EXPECT_TRUE(p.windows.calls.empty()); // no destination: nothing activated, nothing given back
}

TEST_F(ActionExecutorTest, SystemKeysTakeTheKeyStringOnlyWhenTheyHaveACode) {
    advanced = true;
    executor->ExecuteAction(Tag("SendKeys") + "NNSE19Delay:0DestWnd:KeepActive:N"); // F5
    p.keyboard.scanCodes = {};
    EXPECT_EQ(p.keyboard.events.size(), 4u); // Shift down, F5 down and up, Shift up, through the key string
    EXPECT_EQ(p.keyboard.events[1].virtualKey, 116);
    EXPECT_EQ(p.keyboard.events[0].virtualKey, kShift);

    p.keyboard.events.clear();
    executor->ExecuteAction(Tag("SendKeys") + "NNNE27Delay:0DestWnd:KeepActive:N"); // Numpad 0
    EXPECT_EQ(p.keyboard.events, (std::vector<Key>{Down(96, 1), Up(96, 1)}));

    // Refused before any modifier goes down.
    p.keyboard.events.clear();
    EXPECT_THROW(executor->ExecuteAction(Tag("SendKeys") + "ANNE47Delay:0DestWnd:KeepActive:N"), ERangeError);
    EXPECT_TRUE(p.keyboard.events.empty());
}

TEST_F(ActionExecutorTest, ADestinationIsActivatedAndTheFormerWindowGetsTheFocusBack) {
    const auto player = p.windows.AddWindow("Media Player - song");
    const auto editor = p.windows.AddWindow("Editor");
    p.windows.Activate(editor);
    executor->ExecuteAction(Tag("SendKeys") + "NNNNxDelay:0DestWnd:PlayerKeepActive:N");
    const std::string other = std::to_string(fakes::FakeWindowSystem::kOtherThread);
    EXPECT_EQ(p.windows.calls,
              (std::vector<std::string>{"Attach 1 " + other, "BringToTop " + Handle(player),
                                        "SetForegroundWindow " + Handle(player), "Detach 1 " + other,
                                        // its two key events taken before the focus goes back
                                        "WaitForInputTaken " + Handle(player) + " 2", "Attach 1 " + other, "BringToTop " + Handle(editor),
                                        "SetForegroundWindow " + Handle(editor), "Detach 1 " + other}));
    EXPECT_EQ(p.windows.foreground, editor);

    // Kept active; and a minimised destination is only restored.
    p.windows.calls.clear();
    p.windows.Find(player)->iconic = true;
    executor->ExecuteAction(Tag("SendKeys") + "NNNNxDelay:0DestWnd:PlayerKeepActive:Y");
    EXPECT_EQ(p.windows.calls, (std::vector<std::string>{"ShowWindow " + Handle(player) + " 9"}));

    // A window of the program's own thread in front needs no attaching.
    p.windows.calls.clear();
    p.windows.Find(player)->iconic = false;
    p.windows.Find(editor)->thread = fakes::FakeWindowSystem::kOwnThread;
    executor->ExecuteAction(Tag("SendKeys") + "NNNNxDelay:0DestWnd:PlayerKeepActive:Y");
    EXPECT_EQ(p.windows.calls, (std::vector<std::string>{"BringToTop " + Handle(player),
                                                         "SetForegroundWindow " + Handle(player)}));
}

TEST_F(ActionExecutorTest, AWindowThatCannotBeFoundAbandonsTheDescription) {
    executor->ExecuteAction(Tag("SendKeys") + "NNNNxDelay:5DestWnd:NowhereKeepActive:N" + Tag("OSD") + "hiDelay:0");
    executor->ExecuteAction(Tag("PostMessage") + "WM_CLOSEwParam:0lParam:0Delay:5DestWnd:NowhereKeepActive:N");
    EXPECT_TRUE(p.keyboard.events.empty());
    EXPECT_TRUE(p.windows.posted.empty());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(interval, -7);
}

TEST_F(ActionExecutorTest, MessagesResolveThroughTheTablesAndPostToTheDestination) {
    const auto probe = p.windows.AddWindow("Probe window");
    const auto front = p.windows.AddWindow("Front");
    p.windows.Activate(front);
    struct Case {
        std::string message, wParam, lParam;
        std::uint32_t number;
        std::uintptr_t w;
        std::intptr_t l;
    } cases[] = {
        {"wm_close", "1A", "G1", 0x10, 26, 1},        // table, case-blind; a non-digit counts 0
        {"Play", "", "FFFFFFFF", 0x400, 0, -1},       // user list naming a table entry
        {"Stop", "0", "0", 0x8123, 0, 0},             // user list with its own number
        {"C000", "123456789", "0", 0xC000, 0x23456789, 0}, // typed number; 32 bits wrap
    };
    for (const Case& c : cases) {
        p.windows.posted.clear();
        executor->ExecuteAction(Tag("PostMessage") + c.message + "wParam:" + c.wParam + "lParam:" + c.lParam +
                                "Delay:0DestWnd:Probe windowKeepActive:N");
        ASSERT_EQ(p.windows.posted.size(), 1u) << c.message;
        EXPECT_EQ(p.windows.posted[0], (fakes::FakeWindowSystem::PostedMessage{probe, c.number, c.w, c.l}))
            << c.message;
    }
    // Without a destination the window in front gets it, and keeps the front.
    p.windows.posted.clear();
    executor->ExecuteAction(Tag("PostMessage") + "WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N");
    EXPECT_EQ(p.windows.posted[0].window, front);
    EXPECT_TRUE(p.windows.calls.empty());
}

TEST_F(ActionExecutorTest, ProgramsStartOrOpenByTheTypeOfTheFileItself) {
    struct Case {
        std::string file;
        bool process;
    } cases[] = {{"C:\\Program Files\\Tool\\run.exe", true}, {"D:\\Tools.new\\run.exe", true},
                 {"D:\\Tools.new\\readme", false},         {"notepad", false},
                 {"C:\\setup.BAT", true},                  {"C:\\music\\song.mp3", false}};
    for (const Case& c : cases) {
        p.processes.calls.clear();
        executor->ExecuteAction(Tag("ExecuteProgram") + "Try:Filename:" + c.file + "Params:-a bSuspend:NDelay:9");
        ASSERT_EQ(p.processes.calls.size(), c.process ? 2u : 1u) << c.file;
        EXPECT_EQ(p.processes.calls[0], c.process ? "StartProcess " + ProgramCommandLine(c.file, "-a b")
                                                  : "ShellOpen 153|" + c.file + "|-a b")
            << c.file;
    }
    EXPECT_EQ(ProgramCommandLine("C:\\Program Files\\Tool\\run.exe", "-a"), "\"C:\\Program Files\\Tool\\run.exe\" -a");
    EXPECT_EQ(ProgramCommandLine("\"C:\\Program Files\\x.exe\"", ""), "\"C:\\Program Files\\x.exe\" ");
    EXPECT_EQ(interval, 10);
    EXPECT_TRUE(origins.empty());
}

TEST_F(ActionExecutorTest, SuspendModeKeepsTheOriginsOffUntilTheProgramEndsOrThereIsNothingToWaitFor) {
    std::vector<bool> whileRunning;
    p.processes.whileRunning = [&] { whileRunning = origins; };
    executor->ExecuteAction(Tag("ExecuteProgram") + "Try:Filename:C:\\t.exeParams:Suspend:YDelay:0");
    EXPECT_EQ(whileRunning, (std::vector<bool>{false}));
    EXPECT_EQ(origins, (std::vector<bool>{false, true}));
    EXPECT_EQ(p.processes.calls,
              (std::vector<std::string>{"StartProcess C:\\t.exe ", "WaitForExit", "ExitCode", "Close"}));

    origins.clear();
    executor->ExecuteAction(Tag("ExecuteProgram") + "Try:Filename:C:\\a.txtParams:Suspend:YDelay:0");
    p.processes.canStart = false;
    executor->ExecuteAction(Tag("ExecuteProgram") + "Try:Filename:C:\\t.exeParams:Suspend:YDelay:0");
    EXPECT_EQ(origins, (std::vector<bool>{false, true, false, true}));

    // A running window named by the try-first text is activated instead.
    p.processes.calls.clear();
    const auto running = p.windows.AddWindow("Tool 1.0");
    executor->ExecuteAction(Tag("ExecuteProgram") + "Try:ToolFilename:C:\\t.exeParams:Suspend:YDelay:0");
    EXPECT_TRUE(p.processes.calls.empty());
    EXPECT_EQ(p.windows.foreground, running);
}

TEST_F(ActionExecutorTest, MouseClicksMovesAndPlaces) {
    executor->ExecuteAction(Tag("MouseControl") + "Click:2YDelay:0");
    executor->ExecuteAction(Tag("MouseControl") + "Click:9NDelay:0"); // no such button: nothing
    EXPECT_EQ(p.mouse.events, (std::vector<Mouse>{{8, 0, 0}, {16, 0, 0}, {8, 0, 0}, {16, 0, 0}}));

    p.mouse.events.clear();
    executor->ExecuteAction(Tag("MouseControl") + "RelMove:1Accel:1Delay:0");
    EXPECT_EQ(p.mouse.events, (std::vector<Mouse>{{1, -1, -1}}));
    p.mouse.events.clear();
    executor->ExecuteAction(Tag("MouseControl") + "RelMove:4Accel:10Delay:0");
    int moved = 0;
    for (const Mouse& m : p.mouse.events) moved += m.dx;
    EXPECT_EQ(moved, 55);
    EXPECT_EQ(p.mouse.events.front(), (Mouse{1, 10, 0}));

    // A stored acceleration far beyond the editor's is bounded.
    p.mouse.events.clear();
    executor->ExecuteAction(Tag("MouseControl") + "RelMove:5Accel:2000000000Delay:0");
    EXPECT_EQ(p.mouse.events.size(), 100u);

    executor->ExecuteAction(Tag("MouseControl") + "AbsMove:X640Y480Delay:3");
    EXPECT_EQ(p.mouse.cursor, (platform::CursorPoint{640, 480}));
    EXPECT_EQ(interval, 4);
}

TEST_F(ActionExecutorTest, VolumeStepsStopAtTheTopAndAboveTheBottomAndMuteToggles) {
    const auto device = p.mixer.AddWineLikeDevice();
    TMidiMixer mixer(nullptr, p.mixer, ui.app, true, -2);
    ExecutorHost host;
    host.SetActionInterval = [this](int i) { interval = i; };
    host.SetOSDSuffix = [this](const std::string& text) { suffix = text; };
    host.MixerLines = [] { return std::vector<std::string>{"Volume"}; };
    host.MixerVolumeSlots = [] { return std::vector<int>{2}; };
    host.MixerMuteSlots = [] { return std::vector<int>{3}; };
    host.mixer = &mixer;
    TActionExecutor withMixer({p.windows, p.keyboard, p.mouse, p.processes, p.clock, sendKeys}, host);

    mixer.SetValue(2, 0, 64000);
    withMixer.ExecuteAction(Tag("Mixer") + "volumeVolume:0Increment:5Delay:0");
    EXPECT_EQ(mixer.GetValue(2, 0), 65535u);
    EXPECT_EQ(suffix, " (100%)");

    mixer.SetValue(2, 0, 3000);
    withMixer.ExecuteAction(Tag("Mixer") + "VolumeVolume:1Increment:5Delay:0");
    EXPECT_EQ(mixer.GetValue(2, 0), 3000u);
    EXPECT_EQ(suffix, " (4%)");
    mixer.SetValue(2, 0, 10000);
    withMixer.ExecuteAction(Tag("Mixer") + "VolumeVolume:1Increment:5Delay:0");
    EXPECT_EQ(mixer.GetValue(2, 0), 10000u - 3276u);

    withMixer.ExecuteAction(Tag("Mixer") + "VolumeVolume:3Increment:5Delay:0");
    EXPECT_EQ(p.mixer.Values(device.masterMute).front(), 1u);
    withMixer.ExecuteAction(Tag("Mixer") + "VolumeVolume:3Increment:5Delay:0");
    EXPECT_EQ(p.mixer.Values(device.masterMute).front(), 0u);

    suffix.clear();
    withMixer.ExecuteAction(Tag("Mixer") + "BassVolume:0Increment:5Delay:7"); // no such line
    EXPECT_EQ(mixer.GetValue(2, 0), 10000u - 3276u);
    EXPECT_EQ(suffix, "");
    EXPECT_EQ(interval, 8);
}

TEST_F(ActionExecutorTest, OnScreenTextsShowTheClockForTheirChoices) {
    p.clock.now = {2026, 3, 1, 9, 14, 5, 30, 0};
    executor->ExecuteAction(Tag("OSD") + "Current timeDelay:0");
    executor->ExecuteAction(Tag("OSD") + "Current dateDelay:0");
    executor->ExecuteAction(Tag("OSD") + "current dateDelay:0");
    EXPECT_EQ(shown, (std::vector<std::string>{"14:05:30", "09.03.2026", "current date"}));
}

TEST_F(ActionExecutorTest, ShutdownAndWindowStateCallsAreMadeOnlyOnTheFake) {
    const char* shutdown[] = {"0", "1", "2", "3", "4", "5"};
    for (const char* code : shutdown) executor->ExecuteAction(Tag("Shutdown") + code + "Delay:0");
    const std::string on = "SetPrivilege SeShutdownPrivilege on", off = "SetPrivilege SeShutdownPrivilege off";
    EXPECT_EQ(p.processes.calls, (std::vector<std::string>{on, "ExitSystem 0", off, on, "ExitSystem 2", off, on,
                                                           "ExitSystem 9", off, "SetSystemPowerState 1 0",
                                                           "SetSystemPowerState 0 0"}));

    const auto front = p.windows.AddWindow("Front");
    p.windows.Activate(front);
    for (const char* code : {"0", "1", "2", "3", "4"}) executor->ExecuteAction(Tag("WindowState") + code + "Delay:0");
    EXPECT_EQ(p.windows.calls, (std::vector<std::string>{"ShowWindow " + Handle(front) + " 6",
                                                         "ShowWindow " + Handle(front) + " 3",
                                                         "ShowWindow " + Handle(front) + " 9"}));
    EXPECT_EQ(p.windows.posted, (std::vector<fakes::FakeWindowSystem::PostedMessage>{{front, 0x12, 0, 0}}));
}

TEST_F(ActionExecutorTest, DelaysAreCheckedAndHexDigitsReadBackwards) {
    EXPECT_THROW(executor->ExecuteAction(Tag("OSD") + "xDelay:-2"), ERangeError);
    EXPECT_THROW(executor->ExecuteAction(Tag("OSD") + "xDelay:2147483647"), ERangeError);
    EXPECT_THROW(executor->ExecuteAction(Tag("OSD") + "xDelay:abc"), EConvertError);
    executor->ExecuteAction(Tag("OSD") + "xDelay:-1");
    EXPECT_EQ(interval, 0);
    EXPECT_EQ(HexToInt("1A"), 26u);
    EXPECT_EQ(HexToInt("G1"), 1u);
    EXPECT_EQ(HexToInt(""), 0u);
    EXPECT_EQ(HexToInt("ffffffff"), 0xFFFFFFFFu);
}

} // namespace
} // namespace orvane::actions
