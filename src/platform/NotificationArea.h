#pragma once
// Icons in the notification area of the taskbar. Each icon has a hidden window
// of its own that the shell tells of the mouse over the icon; the icon's record
// carries the picture and a tip of at most 63 characters.
#include "platform/Picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace orvane::platform {

// What the mouse did over an icon (the mouse message the shell passes on).
enum class TrayMouse { Move, LeftDown, LeftUp, LeftDouble, RightDown, RightUp, RightDouble, MiddleDown, MiddleUp,
                       MiddleDouble };

// The cursor's place on the screen when the shell passed the message on.
using TrayMouseHandler = std::function<void(TrayMouse, int x, int y)>;

inline constexpr std::size_t kTrayTipLength = 63;

class NotificationIcon {
public:
    // Takes the icon out of the tray if it is there.
    virtual ~NotificationIcon() = default;
    // Each returns whether the shell took the record.
    virtual bool Add(const Picture& picture, const std::string& tip) = 0;
    virtual bool Modify(const Picture& picture, const std::string& tip) = 0;
    virtual bool Delete() = 0;
    // Posts a message with both parameters 0 to the icon's own window.
    virtual void PostToWindow(std::uint32_t message) = 0;
};

class NotificationArea {
public:
    virtual ~NotificationArea() = default;
    // A new icon, not yet in the tray; its mouse messages go to onMouse.
    virtual std::unique_ptr<NotificationIcon> CreateIcon(TrayMouseHandler onMouse) = 0;
};

} // namespace orvane::platform
