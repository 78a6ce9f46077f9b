#include "actions/ActionExecutor.h"

#include "actions/ActionText.h"
#include "actions/SystemKeys.h"
#include "core/Exception.h"
#include "core/Text.h"
#include "core/WindowLookup.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>

namespace orvane::actions {
namespace {

using platform::WindowHandle;
namespace mf = platform::mouse_flag;

constexpr std::uint8_t kShift = 16, kControl = 17, kMenu = 18;
constexpr int kRestore = 9;
// A window title is read into 200 characters for the whole-title search.
constexpr std::size_t kTitleWhole = 199;
// The editor offers accelerations of 1 to 10; a stored value far beyond that
// would send millions of moves and hang the program.
constexpr int kMaxAcceleration = 100;

// "Name=Value" lines: the value of the first line whose name matches without
// regard to case.
std::optional<std::string> ValueOf(const std::vector<std::string>& lines, std::string_view name) {
    for (const std::string& line : lines) {
        const auto equals = line.find('=');
        if (equals != std::string::npos && SameText(std::string_view(line).substr(0, equals), name))
            return line.substr(equals + 1);
    }
    return std::nullopt;
}

// The events of one click of each button of the click list.
std::vector<std::uint32_t> ClickEvents(int button) {
    switch (button) {
    case 0: return {mf::LeftDown, mf::LeftUp};
    case 1: return {mf::MiddleDown, mf::MiddleUp};
    case 2: return {mf::RightDown, mf::RightUp};
    case 3: return {mf::LeftDown};
    case 4: return {mf::LeftUp};
    case 5: return {mf::MiddleDown};
    case 6: return {mf::MiddleUp};
    case 7: return {mf::RightDown};
    case 8: return {mf::RightUp};
    default: return {};
    }
}

// Up, Up-Left, Up-Right, Left, Right, Down, Down-Left, Down-Right.
constexpr int kDirections[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}};

} // namespace

std::uint32_t HexToInt(std::string_view text) {
    std::uint32_t value = 0, weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(*it)));
        std::uint32_t digit = 0;
        if (c >= '1' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<std::uint32_t>(c - 'A' + 10);
        value += digit * weight;
        weight *= 16;
    }
    return value;
}

std::string ProgramExtension(std::string_view file) {
    // A dot in a folder's name says nothing of the file's type: only the
    // file's own name counts, so "D:\Tools.new\run.exe" is a program.
    while (!file.empty() && (file.back() == '"' || file.back() == ' ')) file.remove_suffix(1);
    const auto slash = file.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
    if (!name.empty() && name.front() == '"') name.remove_prefix(1);
    const auto dot = name.rfind('.');
    return UpperCase(dot == std::string_view::npos ? name : name.substr(dot + 1));
}

std::string ProgramCommandLine(const std::string& file, const std::string& params) {
    // Unquoted, "C:\Program Files\x.exe" would start "C:\Program.exe".
    const bool quote = file.find(' ') != std::string::npos && !(file.size() >= 2 && file.front() == '"');
    return (quote ? "\"" + file + "\"" : file) + " " + params;
}

TActionExecutor::TActionExecutor(ExecutorServices services, ExecutorHost host)
    : services_(services), host_(std::move(host)) {}

void TActionExecutor::ExecuteAction(std::string_view text) {
    for (ActionType type : TypesIn(text, kExecuteOrder)) {
        switch (type) {
        case ActionType::SendKeys:
            if (!SendKeys(text)) return;
            break;
        case ActionType::PostMessage:
            if (!PostMessageBranch(text)) return;
            break;
        case ActionType::ExecuteProgram: ExecuteProgram(text); break;
        case ActionType::MouseControl: MouseControl(text); break;
        case ActionType::Mixer: Mixer(text); break;
        case ActionType::OSD: OSD(text); break;
        case ActionType::Shutdown: Shutdown(text); break;
        case ActionType::WindowState: WindowState(text); break;
        }
    }
}

WindowHandle TActionExecutor::FindWindowByTitlePart(const std::string& part) {
    return core::FindWindowByTitlePart(services_.windows, part);
}

void TActionExecutor::ActivateWindow(WindowHandle window) {
    auto& windows = services_.windows;
    if (windows.IsIconic(window)) {
        windows.ShowWindow(window, kRestore);
        return;
    }
    const std::uint32_t own = windows.CurrentThread();
    const std::uint32_t front = windows.WindowThread(windows.ForegroundWindow());
    // Only a thread attached to the foreground one's input may take the front.
    if (front != own) windows.AttachThreadInput(own, front, true);
    windows.BringToTop(window);
    windows.SetForegroundWindow(window);
    if (front != own) windows.AttachThreadInput(own, front, false);
}

WindowHandle TActionExecutor::ResolveWindow(const std::string& fragment) {
    const WindowHandle found = FindWindowByTitlePart(fragment);
    if (!found) return 0;
    const std::string title = services_.windows.WindowTitle(found).substr(0, kTitleWhole);
    if (title.empty()) return 0;
    return services_.sendKeys.FindWindowByTitle(title);
}

bool TActionExecutor::ExitWindowsPrivileged(std::uint32_t flags) {
    auto& processes = services_.processes;
    processes.SetPrivilege("SeShutdownPrivilege", true);
    const bool done = processes.ExitSystem(flags);
    processes.SetPrivilege("SeShutdownPrivilege", false);
    return done;
}

std::string TActionExecutor::ResolveMessage(const std::string& message) {
    const std::vector<std::string> table = host_.WindowsMessages ? host_.WindowsMessages() : std::vector<std::string>{};
    if (auto value = ValueOf(table, message)) return *value;
    const std::vector<std::string> user = host_.UserMessages ? host_.UserMessages() : std::vector<std::string>{};
    if (auto value = ValueOf(user, message)) {
        const auto comma = value->find(',');
        const auto equals = value->find('=');
        std::string part = equals != std::string::npos && (comma == std::string::npos || equals < comma)
                               ? value->substr(equals + 1, comma == std::string::npos ? std::string::npos : comma - equals - 1)
                               : value->substr(0, comma);
        if (auto known = ValueOf(table, part)) return *known;
        return part;
    }
    return message;
}

void TActionExecutor::SetInterval(const std::string& delay) {
    const long long interval = static_cast<long long>(FieldInteger(delay)) + 1;
    // The sum is a 32-bit one: past the largest value it turns negative.
    if (interval < 0 || interval > INT_MAX) throw ERangeError();
    if (host_.SetActionInterval) host_.SetActionInterval(static_cast<int>(interval));
}

bool TActionExecutor::SendKeys(std::string_view text) {
    auto& windows = services_.windows;
    auto& keyboard = services_.keyboard;
    const SendKeysFields f = ReadSendKeys(text);
    const WindowHandle before = windows.ForegroundWindow();
    WindowHandle destination = 0;
    if (!f.window.empty()) {
        destination = ResolveWindow(f.window);
        if (!destination) return false;
        ActivateWindow(destination);
    }

    const bool systemKey = f.keyKind == 'E';
    const int index = systemKey ? FieldInteger(f.key) : 0;
    const bool advanced = host_.AdvancedKeyPress && host_.AdvancedKeyPress();
    const bool keyString = advanced && !(systemKey && index > kLastKeyStringKey);
    // Refused before any key goes down, so that no modifier stays held.
    const SystemKey* entry = systemKey ? SystemKeyAt(index) : nullptr;
    if (systemKey && !entry) throw ERangeError();

    const bool alt = f.alt == 'A', ctrl = f.ctrl == 'C', shift = f.shift == 'S';
    std::size_t events = 0;
    auto keyEvent = [&](std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
        keyboard.KeyEvent(virtualKey, scanCode, flags);
        ++events;
    };
    if (keyString) {
        std::string keys;
        if (alt) keys += static_cast<char>(key_code::AltDown);
        if (ctrl) keys += static_cast<char>(key_code::CtrlDown);
        if (shift) keys += static_cast<char>(key_code::ShiftDown);
        keys += systemKey ? std::string(1, static_cast<char>(entry->keyStringCode)) : f.key;
        if (alt) keys += static_cast<char>(key_code::AltUp);
        if (ctrl) keys += static_cast<char>(key_code::CtrlUp);
        if (shift) keys += static_cast<char>(key_code::ShiftUp);
        services_.sendKeys.SendKeyString(keys);
        // A character may need Shift, Ctrl and Alt held round it.
        events = 8 * keys.size();
    } else {
        if (alt) keyEvent(kMenu, 0, 0);
        if (ctrl) keyEvent(kControl, 0, 0);
        if (shift) keyEvent(kShift, 0, 0);
        if (systemKey) {
            keyEvent(entry->virtualKey, 1, 0);
            keyEvent(entry->virtualKey, 1, platform::KeyEventKeyUp);
        } else {
            for (const char c : f.key) {
                std::uint8_t key = 0;
                if (c == ' ') key = 32;
                else if (c >= '0' && c <= '9') key = static_cast<std::uint8_t>(96 + (c - '0'));
                else if (c >= 'A' && c <= 'Z') key = static_cast<std::uint8_t>(c);
                else if (c >= 'a' && c <= 'z') key = static_cast<std::uint8_t>(c - 'a' + 'A');
                else continue;
                keyEvent(key, 0, 0);
                keyEvent(key, 0, platform::KeyEventKeyUp);
            }
        }
        if (alt) keyEvent(kMenu, 0, platform::KeyEventKeyUp);
        if (ctrl) keyEvent(kControl, 0, platform::KeyEventKeyUp);
        if (shift) keyEvent(kShift, 0, platform::KeyEventKeyUp);
    }

    if (destination && f.keepActive != 'Y' && before) {
        // The focus goes back only once the destination has taken its keys:
        // keys still queued would follow the focus, or be lost.
        windows.WaitForInputTaken(destination, events);
        ActivateWindow(before);
    }
    SetInterval(f.delay);
    return true;
}

bool TActionExecutor::PostMessageBranch(std::string_view text) {
    const MessageFields f = ReadPostMessage(text);
    const std::string number = ResolveMessage(f.message);
    WindowHandle target = services_.windows.ForegroundWindow();
    if (!f.window.empty()) {
        target = ResolveWindow(f.window);
        if (!target) return false;
    }
    services_.windows.PostWindowMessage(target, HexToInt(number), HexToInt(f.wParam),
                                        static_cast<std::intptr_t>(static_cast<std::int32_t>(HexToInt(f.lParam))));
    SetInterval(f.delay);
    return true;
}

void TActionExecutor::ExecuteProgram(std::string_view text) {
    const ProgramFields f = ReadExecuteProgram(text);
    const WindowHandle running = f.tryFirst.empty() ? 0 : ResolveWindow(f.tryFirst);
    if (running)
        ActivateWindow(running);
    else
        StartProgram(f.file, f.params, f.suspend == 'Y');
    SetInterval(f.delay);
}

void TActionExecutor::StartProgram(const std::string& file, const std::string& params, bool suspend) {
    auto& processes = services_.processes;
    auto switchOrigins = [&](bool on) {
        if (host_.SwitchOrigins) host_.SwitchOrigins(on);
    };
    if (suspend) switchOrigins(false);
    const std::string extension = ProgramExtension(file);
    if (extension != "EXE" && extension != "COM" && extension != "BAT") {
        processes.ShellOpen(host_.ApplicationWindow ? host_.ApplicationWindow() : 0, file, params);
        // Nothing to wait for: the origins come back at once.
        if (suspend) switchOrigins(true);
        return;
    }
    const platform::ProcessHandle process = processes.StartProcess(ProgramCommandLine(file, params));
    if (!process) {
        if (suspend) switchOrigins(true);
        return;
    }
    if (suspend) {
        processes.WaitForExit(process);
        processes.ExitCode(process);
        switchOrigins(true);
    }
    processes.CloseProcess(process);
}

void TActionExecutor::MouseControl(std::string_view text) {
    const MouseFields f = ReadMouseControl(text);
    auto& mouse = services_.mouse;
    if (f.click) {
        const std::vector<std::uint32_t> events = ClickEvents(FieldInteger(f.button));
        for (int n = f.doubleClick == 'Y' ? 2 : 1; n > 0; --n)
            for (std::uint32_t flag : events) mouse.MouseEvent(flag, 0, 0);
    }
    if (f.relMove) {
        const int direction = FieldInteger(f.direction);
        const int accel = std::min(FieldInteger(f.accel), kMaxAcceleration);
        for (int k = accel; k >= 1; --k)
            if (direction >= 0 && direction <= 7)
                mouse.MouseEvent(platform::mouse_flag::Move, k * kDirections[direction][0], k * kDirections[direction][1]);
    }
    if (f.absMove) mouse.SetCursorPos(FieldInteger(f.x), FieldInteger(f.y));
    SetInterval(f.delay);
}

void TActionExecutor::Mixer(std::string_view text) {
    const MixerFields f = ReadMixer(text);
    const std::vector<std::string> lines = host_.MixerLines ? host_.MixerLines() : std::vector<std::string>{};
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return SameText(l, f.line); });
    TMidiMixer* mixer = host_.mixer;
    if (found != lines.end() && mixer) {
        const auto index = static_cast<std::size_t>(found - lines.begin());
        const int volume = FieldInteger(f.volume);
        if (volume == 0 || volume == 1) {
            const std::vector<int> slots = host_.MixerVolumeSlots ? host_.MixerVolumeSlots() : std::vector<int>{};
            if (index < slots.size() && slots[index] >= 0) {
                const auto slot = static_cast<unsigned>(slots[index]);
                const long long max = mixer->GetMax(slot), min = mixer->GetMin(slot);
                const long long step = static_cast<long long>(FieldInteger(f.increment)) * max / 100;
                const long long left = mixer->GetValue(slot, 0), right = mixer->GetValue(slot, 1);
                auto set = [&](unsigned channel, long long value) {
                    mixer->SetValue(slot, channel, static_cast<std::uint32_t>(std::clamp(value, 0LL, max)));
                };
                if (volume == 0) {
                    if (max < left + step) {
                        set(0, max);
                        set(1, max);
                    } else {
                        set(0, left + step);
                        set(1, right + step);
                    }
                } else if (left - step >= min) {
                    set(0, left - step);
                    set(1, right - step);
                }
                // A control whose maximum is 0 has no percentage to show.
                const long long percent = max > 0 ? mixer->GetValue(slot, 0) * 100LL / max : 0;
                if (host_.SetOSDSuffix) host_.SetOSDSuffix(" (" + std::to_string(percent) + "%)");
            }
        } else if (volume == 3) {
            const std::vector<int> slots = host_.MixerMuteSlots ? host_.MixerMuteSlots() : std::vector<int>{};
            if (index < slots.size() && slots[index] >= 0) {
                const auto slot = static_cast<unsigned>(slots[index]);
                mixer->SetValue(slot, 0, mixer->GetValue(slot, 0) != mixer->GetMin(slot) ? mixer->GetMin(slot)
                                                                                      : mixer->GetMax(slot));
            }
        }
    }
    SetInterval(f.delay);
}

void TActionExecutor::OSD(std::string_view text) {
    const PlainFields f = ReadOSD(text);
    std::string shown = f.value;
    const std::vector<std::string> items = host_.OSDItems ? host_.OSDItems() : std::vector<std::string>{};
    if (!items.empty() && shown == items[0])
        shown = services_.clock.TimeText(services_.clock.LocalTime());
    else if (items.size() > 1 && shown == items[1])
        shown = services_.clock.DateText(services_.clock.LocalTime());
    if (host_.SetOSDSuffix) host_.SetOSDSuffix(shown);
    if (host_.ShowOSD) host_.ShowOSD(shown);
    SetInterval(f.delay);
}

void TActionExecutor::Shutdown(std::string_view text) {
    const PlainFields f = ReadShutdown(text);
    switch (FieldInteger(f.value)) {
    case 0: ExitWindowsPrivileged(platform::exit_flag::LogOff); break;
    case 1: ExitWindowsPrivileged(platform::exit_flag::Reboot); break;
    case 2: ExitWindowsPrivileged(platform::exit_flag::ShutdownPowerOff); break;
    case 3: services_.processes.SetSystemPowerState(true, false); break;
    case 4: services_.processes.SetSystemPowerState(false, false); break;
    default: break;
    }
    SetInterval(f.delay);
}

void TActionExecutor::WindowState(std::string_view text) {
    const PlainFields f = ReadWindowState(text);
    auto& windows = services_.windows;
    const WindowHandle window = windows.ForegroundWindow();
    switch (FieldInteger(f.value)) {
    case 0: windows.ShowWindow(window, 6); break;
    case 1: windows.ShowWindow(window, 3); break;
    case 2: windows.ShowWindow(window, kRestore); break;
    case 3: windows.PostWindowMessage(window, 0x0012, 0, 0); break;
    default: break;
    }
    SetInterval(f.delay);
}

} // namespace orvane::actions
