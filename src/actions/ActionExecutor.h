#pragma once
// The action executor: carries out one action description at a time. It
// types keys, clicks and moves the mouse, posts window messages, starts
// programs, turns the mixer, shows a text on screen, shuts the system down or
// changes the foreground window's state, and arms the action timer with the
// description's delay plus 1 ms for the next description. It re-reads the
// text at every run; failures of what it asks the system for are silent.
#include "actions/MidiMixer.h"
#include "actions/SendKeys.h"
#include "platform/Clock.h"
#include "platform/MouseInput.h"
#include "platform/Processes.h"
#include "platform/WindowSystem.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::actions {

// Reads hexadecimal digits from the last one back; a character that is not a
// digit counts as 0 but keeps its place. 32 bits, wrapping.
std::uint32_t HexToInt(std::string_view text);

// The file's type for choosing between starting a process and opening it
// through the shell: the text after the last "." of the file's own name,
// upper-cased, or the whole name upper-cased when the name has no dot.
std::string ProgramExtension(std::string_view file);
// The command line of a started program: the file, quoted when it holds a
// blank and is not quoted yet, a blank, and the parameters.
std::string ProgramCommandLine(const std::string& file, const std::string& params);

// The operating-system services the executor uses.
struct ExecutorServices {
    platform::WindowSystem& windows;
    platform::KeyboardInput& keyboard;
    platform::MouseInput& mouse;
    platform::Processes& processes;
    platform::Clock& clock;
    TSendKeys& sendKeys;
};

// What the executor reads and changes on the program's windows.
struct ExecutorHost {
    // ActionTimer's interval.
    std::function<void(int)> SetActionInterval;
    std::function<void(bool)> SwitchOrigins;
    std::function<void(const std::string&)> ShowOSD;
    // The text shown with the next on-screen announcement.
    std::function<void(const std::string&)> SetOSDSuffix;
    // "Advanced keypress".
    std::function<bool()> AdvancedKeyPress;
    // The program's window, owner of what the shell opens.
    std::function<platform::WindowHandle()> ApplicationWindow;
    // The action editor's lists: the Windows message table ("WM_CLOSE=0010"),
    // the lines of the user's message list, the mixer lines and the OSD
    // choices ("Current time", "Current date").
    std::function<std::vector<std::string>()> WindowsMessages, UserMessages, MixerLines, OSDItems;
    // For each mixer line listed, the slot of its volume and of its mute
    // control (-1 when it has none).
    std::function<std::vector<int>()> MixerVolumeSlots, MixerMuteSlots;
    // The mixer; none when it is not there.
    TMidiMixer* mixer = nullptr;
};

class TActionExecutor {
public:
    TActionExecutor(ExecutorServices services, ExecutorHost host);

    // Runs the branch of every type tag in the text: SendKeys, PostMessage,
    // ExecuteProgram, MouseControl, Mixer, OSD, Shutdown, WindowState. A
    // destination window that cannot be found abandons the description.
    void ExecuteAction(std::string_view text);

    // The first top-level window, in Z order, whose title contains the text.
    platform::WindowHandle FindWindowByTitlePart(const std::string& part);
    // Brings a window to the front; a minimised one is only restored.
    void ActivateWindow(platform::WindowHandle window);
    // The window a title fragment names, found again by its whole title; 0
    // when no window's title holds the fragment.
    platform::WindowHandle ResolveWindow(const std::string& fragment);
    // ExitWindowsEx with the shutdown privilege held for the call.
    bool ExitWindowsPrivileged(std::uint32_t flags);
    // The hexadecimal number of a message name: from the Windows message
    // table, through the user's message list, or the name itself.
    std::string ResolveMessage(const std::string& message);

private:
    bool SendKeys(std::string_view text);
    bool PostMessageBranch(std::string_view text);
    void ExecuteProgram(std::string_view text);
    void MouseControl(std::string_view text);
    void Mixer(std::string_view text);
    void OSD(std::string_view text);
    void Shutdown(std::string_view text);
    void WindowState(std::string_view text);
    // The delay plus 1 as the action timer's interval; "Range check error"
    // when that is negative.
    void SetInterval(const std::string& delay);
    void StartProgram(const std::string& file, const std::string& params, bool suspend);

    ExecutorServices services_;
    ExecutorHost host_;
};

} // namespace orvane::actions
