#pragma once
// The Windows clipboard, owned by no window (OpenClipboard(NULL)).
#include "platform/Clipboard.h"

namespace orvane::platform::win32 {

class Win32Clipboard : public Clipboard {
public:
    std::uint32_t RegisterFormat(const std::string& name) override;
    bool Put(const std::vector<ClipboardItem>& items) override;
    std::optional<std::string> Read(std::uint32_t format) override;
};

} // namespace orvane::platform::win32
