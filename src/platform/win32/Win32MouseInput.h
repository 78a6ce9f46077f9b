#pragma once
#include "platform/MouseInput.h"

namespace orvane::platform::win32 {

class Win32MouseInput : public MouseInput {
public:
    void MouseEvent(std::uint32_t flags, int dx, int dy) override;
    void SetCursorPos(int x, int y) override;
    CursorPoint CursorPos() override;
};

} // namespace orvane::platform::win32
