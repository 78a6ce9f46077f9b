// The executor over the real window system, keyboard, mouse and process
// services: descriptions as the action list hands them over, carried out on
// probe windows that run as programs of their own.
#include "ui/win32/SystemHeaders.h"

#include "actions/ActionExecutor.h"
#include "fakes/FakeUi.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "platform/win32/Win32MouseInput.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32WindowSystem.h"
#include "ui/win32/Win32Ui.h"
#include "win32/ProbeProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvane::actions {
namespace {

using test::Probe;

std::string Tag(const char* type) { return std::string("\xA1") + type + "\xA1"; }

std::string BesideThisProgram(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

HWND Hwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The next line the probe prints that begins with the prefix.
std::string NextLine(Probe& probe, const std::string& prefix) {
    for (;;) {
        const std::string line = probe.ReadLine();
        if (line.empty() || line.rfind(prefix, 0) == 0) return line;
    }
}

class Win32ExecutorTest : public ::testing::Test {
protected:
    Win32ExecutorTest() {
        ExecutorHost host;
        host.SetActionInterval = [this](int i) { interval = i; };
        host.SwitchOrigins = [this](bool on) { OriginsSwitched(on); };
        host.AdvancedKeyPress = [] { return false; };
        host.WindowsMessages = [] { return std::vector<std::string>{"WM_CLOSE=0010", "WM_USER=0400"}; };
        host.UserMessages = [] { return std::vector<std::string>{"ProbePing=0412,0,0"}; };
        executor = std::make_unique<TActionExecutor>(
            ExecutorServices{windows, keyboard, mouse, processes, clock, sendKeys}, std::move(host));
    }
    virtual void OriginsSwitched(bool on) { origins.push_back(on); }

    fakes::FakeUi ui;
    ui::win32::Win32Ui native{ui.app};
    platform::win32::Win32WindowSystem windows;
    platform::win32::Win32KeyboardInput keyboard;
    platform::win32::Win32MouseInput mouse;
    platform::win32::Win32Processes processes;
    platform::win32::Win32Clock clock;
    TSendKeys sendKeys{nullptr, keyboard, ui.app};
    std::unique_ptr<TActionExecutor> executor;
    int interval = 0;
    std::vector<bool> origins;
};

TEST_F(Win32ExecutorTest, KeysReachTheWindowNamedByAFragment) {
    Probe target("Orvane Executor Target Probe", "--at 0 200");
    Probe front("Orvane Executor Front Probe", "--at 400 200");
    ASSERT_EQ(target.ReadLine(), "ready");
    ASSERT_EQ(front.ReadLine(), "ready");
    const platform::WindowHandle frontWindow = sendKeys.FindWindowByTitle("Orvane Executor Front Probe");
    executor->ActivateWindow(frontWindow);
    ASSERT_EQ(windows.ForegroundWindow(), frontWindow);

    // The focus goes back to the window in front only once the destination
    // has taken every key: none follows the focus or is lost.
    for (int round = 0; round < 3; ++round) {
        executor->ExecuteAction(Tag("SendKeys") + "NCNNabDelay:100DestWnd:Target ProbeKeepActive:N");
        EXPECT_EQ(windows.ForegroundWindow(), frontWindow);
        EXPECT_EQ(target.Keys(6), (std::vector<std::string>{"down 17 0", "down 65 0", "up 65 0", "down 66 0",
                                                            "up 66 0", "up 17 0"}));
    }
    EXPECT_EQ(interval, 101);

    // A user message from the list, with its number resolved, to the target.
    executor->ExecuteAction(Tag("PostMessage") + "ProbePingwParam:1FlParam:ABCDelay:0DestWnd:Target ProbeKeepActive:N");
    EXPECT_EQ(NextLine(target, "message"), "message 412 1F ABC");

    // The window in front is minimised and restored.
    executor->ExecuteAction(Tag("WindowState") + "0Delay:0");
    EXPECT_TRUE(IsIconic(Hwnd(frontWindow)));
    executor->ActivateWindow(frontWindow); // only restores a minimised window
    EXPECT_FALSE(IsIconic(Hwnd(frontWindow)));
}

TEST_F(Win32ExecutorTest, AnAbsoluteMovePutsTheCursorWhereAsked) {
    executor->ExecuteAction(Tag("MouseControl") + "AbsMove:X321Y234Delay:0");
    POINT point{};
    GetCursorPos(&point);
    EXPECT_EQ(point.x, 321);
    EXPECT_EQ(point.y, 234);
}

class Win32ProgramTest : public Win32ExecutorTest {
protected:
    void OriginsSwitched(bool on) override {
        Win32ExecutorTest::OriginsSwitched(on);
        if (on) outputWhenOn = GetFileAttributesA(output.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string output;
    bool outputWhenOn = false;
};

TEST_F(Win32ProgramTest, AProgramInAFolderWithABlankStartsWithItsParametersAndSuspendsTheOriginsUntilItEnds) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "Orvane Started " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "\\started-program.exe";
    ASSERT_TRUE(CopyFileA(BesideThisProgram("started-program.exe").c_str(), program.c_str(), FALSE));
    output = folder + "\\out.txt";

    executor->ExecuteAction(Tag("ExecuteProgram") + "Try:Filename:" + program + "Params:\"" + output +
                            "\" second-argumentSuspend:YDelay:0");
    EXPECT_EQ(origins, (std::vector<bool>{false, true}));
    EXPECT_TRUE(outputWhenOn); // the origins came back only once the program had done its work
    std::ifstream in(output);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "\"" + program + "\" \"" + output + "\" second-argument");

    in.close();
    DeleteFileA(output.c_str());
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace
} // namespace orvane::actions
