#include "platform/win32/Win32Libraries.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace orvane::platform::win32 {
namespace {

class Win32Library : public Library {
public:
    explicit Win32Library(HMODULE module) : module_(module) {}
    ~Win32Library() override { FreeLibrary(module_); }
    Win32Library(const Win32Library&) = delete;
    Win32Library& operator=(const Win32Library&) = delete;

    EntryPoint Find(const std::string& name) override {
        return reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(module_, name.c_str())));
    }

    std::int32_t CallWithInteger(EntryPoint entry, std::int32_t argument) override {
        if (!entry) return 0;
        return As<std::int32_t(WINAPI*)(std::int32_t)>(entry)(argument);
    }

    std::int32_t CallWithWindow(EntryPoint entry, WindowHandle window) override {
        if (!entry) return 0;
        return As<std::int32_t(WINAPI*)(HWND)>(entry)(reinterpret_cast<HWND>(window));
    }

    std::string CallForText(EntryPoint entry, std::size_t capacity) override {
        if (!entry || capacity == 0 || capacity >= INT_MAX) return {};
        // Zeroed and one longer than offered, so that a text left unterminated still ends.
        std::string buffer(capacity + 1, '\0');
        As<std::int32_t(WINAPI*)(char*, std::int32_t)>(entry)(buffer.data(), static_cast<std::int32_t>(capacity));
        buffer.resize(std::strlen(buffer.c_str()));
        return buffer;
    }

    void CallWithoutArguments(EntryPoint entry) override {
        if (entry) As<void(WINAPI*)()>(entry)();
    }

private:
    template <typename Proc>
    static Proc As(EntryPoint entry) {
        return reinterpret_cast<Proc>(reinterpret_cast<void*>(entry));
    }

    HMODULE module_;
};

} // namespace

std::unique_ptr<Library> Win32LibraryLoader::Load(const std::string& fileName) {
    // A missing or broken library fails quietly here; the caller says so in
    // its own words instead of the system's error box.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = fileName.empty() ? nullptr : LoadLibraryA(fileName.c_str());
    SetErrorMode(previousMode);
    if (!module) return nullptr;
    return std::make_unique<Win32Library>(module);
}

} // namespace orvane::platform::win32
