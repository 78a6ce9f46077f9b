// A stand-in for the BestBuy EasyTV card's "grappler.dll": GetTVParam answers
// what a test wrote, one line at a time, into grappler-answers.txt beside the
// library, and notes every call in grappler-calls.txt there. With no answer
// left it returns 0. The program polls it 20 times a second: a poll with no
// answer waiting only looks at the size of the answers file and appends to
// the calls file, both kept open (the answers file made empty when missing,
// so that no poll looks for a file that is not there).
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

HMODULE self = nullptr;

std::string Beside(const char* name) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    folder.erase(slash == std::string::npos ? 0 : slash + 1);
    return folder + name;
}

std::string ReadAll(const std::string& file) {
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(handle);
    return text;
}

void Write(const std::string& file, const std::string& text) {
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

extern "C" std::int32_t WINAPI GetTVParam(std::int32_t query) {
    static const HANDLE calls = CreateFileA(Beside("grappler-calls.txt").c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_ALWAYS, 0, nullptr);
    const std::string call = std::to_string(query) + "\r\n";
    DWORD written = 0;
    if (calls != INVALID_HANDLE_VALUE) WriteFile(calls, call.data(), static_cast<DWORD>(call.size()), &written, nullptr);

    static const std::string answersFile = Beside("grappler-answers.txt");
    static const HANDLE answersOpen = CreateFileA(answersFile.c_str(), GENERIC_READ,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                  OPEN_ALWAYS, 0, nullptr);
    LARGE_INTEGER size{};
    if (answersOpen != INVALID_HANDLE_VALUE && GetFileSizeEx(answersOpen, &size) && size.QuadPart == 0) return 0;
    std::string answers = ReadAll(answersFile);
    const auto end = answers.find('\n');
    if (answers.empty()) return 0;
    const std::string line = answers.substr(0, end);
    answers.erase(0, end == std::string::npos ? answers.size() : end + 1);
    Write(answersFile, answers);
    return static_cast<std::int32_t>(std::strtol(line.c_str(), nullptr, 10));
}
