#pragma once
// Mouse events recorded in order, and a cursor that goes where it is put.
#include "platform/MouseInput.h"

#include <vector>

namespace orvane::fakes {

class FakeMouseInput : public platform::MouseInput {
public:
    struct Event {
        std::uint32_t flags;
        int dx, dy;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;
    platform::CursorPoint cursor;

    void MouseEvent(std::uint32_t flags, int dx, int dy) override { events.push_back({flags, dx, dy}); }
    void SetCursorPos(int x, int y) override { cursor = {x, y}; }
    platform::CursorPoint CursorPos() override { return cursor; }
};

} // namespace orvane::fakes
