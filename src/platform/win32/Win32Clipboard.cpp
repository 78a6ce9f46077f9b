#include "platform/win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>

namespace orvane::platform::win32 {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenWithRetries() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

} // namespace

std::uint32_t Win32Clipboard::RegisterFormat(const std::string& name) { return RegisterClipboardFormatA(name.c_str()); }

bool Win32Clipboard::Put(const std::vector<ClipboardItem>& items) {
    if (!OpenWithRetries()) return false;
    bool placed = EmptyClipboard() != FALSE;
    for (const ClipboardItem& item : items) {
        if (!placed) break;
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, item.bytes.empty() ? 1 : item.bytes.size());
        void* bytes = memory ? GlobalLock(memory) : nullptr;
        if (!bytes) {
            if (memory) GlobalFree(memory);
            placed = false;
            break;
        }
        std::memcpy(bytes, item.bytes.data(), item.bytes.size());
        GlobalUnlock(memory);
        // Once placed, the memory belongs to the clipboard.
        if (!SetClipboardData(item.format, memory)) {
            GlobalFree(memory);
            placed = false;
        }
    }
    CloseClipboard();
    return placed;
}

std::optional<std::string> Win32Clipboard::Read(std::uint32_t format) {
    if (!OpenWithRetries()) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE memory = GetClipboardData(format)) {
        if (const void* data = GlobalLock(memory)) {
            bytes.emplace(static_cast<const char*>(data), GlobalSize(memory));
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return bytes;
}

} // namespace orvane::platform::win32
