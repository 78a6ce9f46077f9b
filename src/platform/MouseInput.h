#pragma once
// Synthetic mouse input the way mouse_event gives it, and the cursor's place.
#include <cstdint>

namespace orvane::platform {

namespace mouse_flag {
inline constexpr std::uint32_t Move = 0x0001;
inline constexpr std::uint32_t LeftDown = 0x0002;
inline constexpr std::uint32_t LeftUp = 0x0004;
inline constexpr std::uint32_t RightDown = 0x0008;
inline constexpr std::uint32_t RightUp = 0x0010;
inline constexpr std::uint32_t MiddleDown = 0x0020;
inline constexpr std::uint32_t MiddleUp = 0x0040;
} // namespace mouse_flag

struct CursorPoint {
    int x = 0, y = 0;
    bool operator==(const CursorPoint&) const = default;
};

class MouseInput {
public:
    virtual ~MouseInput() = default;
    // One mouse_event call; dx and dy are relative with the Move flag, so the
    // system's pointer speed applies to them.
    virtual void MouseEvent(std::uint32_t flags, int dx, int dy) = 0;
    // SetCursorPos, screen pixels.
    virtual void SetCursorPos(int x, int y) = 0;
    virtual CursorPoint CursorPos() = 0;
};

} // namespace orvane::platform
