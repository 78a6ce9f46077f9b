#pragma once
// The key probe (tests/doubles/keyhook-probe) run as a program of its own,
// with its standard input and output on pipes: its window prints every key
// and user message it receives.
#include "ui/win32/SystemHeaders.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orvane::test {

class Probe {
public:
    explicit Probe(const std::string& title, const std::string& options = "") {
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
        std::string commandLine = "\"" + program + "\" " + options + " \"" + title + "\"";
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

} // namespace orvane::test
