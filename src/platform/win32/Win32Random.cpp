#include "platform/win32/Win32Random.h"

#include <windows.h>
#include <ntsecapi.h>

#include <algorithm>

namespace orvane::platform::win32 {

bool Win32Random::Fill(std::span<std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto piece = static_cast<ULONG>(std::min<std::size_t>(bytes.size(), 1 << 16));
        if (!RtlGenRandom(bytes.data(), piece)) return false;
        bytes = bytes.subspan(piece);
    }
    return true;
}

} // namespace orvane::platform::win32
