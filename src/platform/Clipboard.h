#pragma once
// The clipboard: several formats put on it at once, each as its bytes
// (text ends with its terminating zero), and read back by format.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

inline constexpr std::uint32_t kClipboardText = 1; // CF_TEXT

struct ClipboardItem {
    std::uint32_t format = 0;
    std::string bytes;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The number of a format registered by name (RegisterClipboardFormat);
    // 0 when it cannot be registered.
    virtual std::uint32_t RegisterFormat(const std::string& name) = 0;
    // Empties the clipboard and puts every item on it; false when the
    // clipboard could not be opened or an item not placed.
    virtual bool Put(const std::vector<ClipboardItem>& items) = 0;
    // The bytes of a format on the clipboard (the system may pad them with
    // zeros), none when it holds no such format.
    virtual std::optional<std::string> Read(std::uint32_t format) = 0;
};

} // namespace orvane::platform
