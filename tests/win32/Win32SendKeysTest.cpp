// The keystroke sender over the real keyboard input: key strings typed into
// the hook probe (tests/doubles/keyhook-probe), which runs in the foreground
// as a program of its own and prints every key message its window receives.
#include "ui/win32/SystemHeaders.h"

#include "actions/SendKeys.h"
#include "fakes/FakeUi.h"
#include "platform/win32/Win32KeyboardInput.h"
#include "ui/win32/Win32Ui.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::actions {
namespace {

// The probe with its standard input and output on pipes.
class Probe {
public:
    explicit Probe(const std::string& title) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE outWrite = nullptr, inRead = nullptr;
        CreatePipe(&out_, &outWrite, &inherit, 0);
        SetHandleInformation(out_, HANDLE_FLAG_INHERIT, 0);
        CreatePipe(&inRead, &in_, &inherit, 0);
        SetHandleInformation(in_, HANDLE_FLAG_INHERIT, 0);

        char path[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program(path, length);
        program = program.substr(0, program.find_last_of('\\') + 1) + "keyhook-probe.exe";
        std::string commandLine = "\"" + program + "\" \"" + title + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = inRead;
        startup.hStdOutput = outWrite;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        started_ = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &process_) != 0;
        CloseHandle(outWrite);
        CloseHandle(inRead);
    }
    ~Probe() {
        if (started_) {
            DWORD written = 0;
            WriteFile(in_, "quit\n", 5, &written, nullptr);
            if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        CloseHandle(in_);
        CloseHandle(out_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    bool Started() const { return started_; }

    // The next line the probe prints, or "" when none comes within a generous while.
    std::string ReadLine() {
        const DWORD start = GetTickCount();
        for (;;) {
            const auto end = buffer_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            DWORD waiting = 0;
            if (!PeekNamedPipe(out_, nullptr, 0, nullptr, &waiting, nullptr)) return {};
            if (waiting == 0) {
                if (GetTickCount() - start > 10000) return {};
                Sleep(10);
                continue;
            }
            char chunk[512];
            DWORD read = 0;
            if (!ReadFile(out_, chunk, sizeof(chunk), &read, nullptr) || read == 0) return {};
            buffer_.append(chunk, read);
        }
    }

    // The next count key messages as "down VK SCAN" or "up VK SCAN".
    std::vector<std::string> Keys(std::size_t count) {
        std::vector<std::string> keys;
        while (keys.size() < count) {
            const std::string line = ReadLine();
            if (line.empty()) break;
            unsigned long key = 0, data = 0;
            if (std::sscanf(line.c_str(), "sees %lu %lx", &key, &data) != 2) continue;
            keys.push_back(std::string(data & 0x80000000 ? "up " : "down ") + std::to_string(key) + " " +
                           std::to_string((data >> 16) & 0xFF));
        }
        return keys;
    }

private:
    HANDLE in_ = nullptr;
    HANDLE out_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    std::string buffer_;
};

std::string Codes(std::initializer_list<int> codes) {
    std::string keys;
    for (int code : codes) keys += static_cast<char>(code);
    return keys;
}

TEST(Win32SendKeys, KeyStringsReachTheForegroundWindowAsKeyDownsAndUpsInOrder) {
    fakes::FakeUi ui;
    ui::win32::Win32Ui native{ui.app};
    platform::win32::Win32KeyboardInput keyboard;
    TSendKeys sendKeys(nullptr, keyboard, ui.app);

    Probe probe("Orvane SendKeys Probe");
    ASSERT_TRUE(probe.Started());
    ASSERT_EQ(probe.ReadLine(), "ready");
    const platform::WindowHandle window = sendKeys.FindWindowByTitle("Orvane SendKeys Probe");
    ASSERT_NE(window, 0u);
    EXPECT_EQ(sendKeys.FindWindowByTitle("Orvane SendKeys"), 0u);
    SetForegroundWindow(reinterpret_cast<HWND>(window));
    ASSERT_EQ(reinterpret_cast<platform::WindowHandle>(GetForegroundWindow()), window);

    // Ctrl held by the string: no Shift for the capital.
    sendKeys.SendKeyString(Codes({key_code::CtrlDown, 'a', 'B', key_code::CtrlUp}));
    EXPECT_EQ(probe.Keys(6), (std::vector<std::string>{"down 17 29", "down 65 30", "up 65 30", "down 66 48",
                                                       "up 66 48", "up 17 29"}));

    sendKeys.SendKeyString(Codes({key_code::F1 + 4}));
    EXPECT_EQ(probe.Keys(2), (std::vector<std::string>{"down 116 63", "up 116 63"}));
}

} // namespace
} // namespace orvane::actions
