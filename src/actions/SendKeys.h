#pragma once
// TSendKeys: types a key string into whatever window has the keyboard focus,
// and finds a top-level window by its exact title.
//
// A key string is a sequence of 8-bit codes, each one instruction:
//   0-31     the control key of that virtual-key number (8 Backspace, 13 Enter)
//   32-227   a character, typed with the key and shift state of the layout
//   228-239  F1 to F12
//   240-249  Home, End, Up, Down, Left, Right, Page Up, Page Down, Insert, Delete
//   250/251  Shift down/up, 252/253 Ctrl down/up, 254/255 Alt down/up
// While the string holds a modifier down itself, characters are typed without
// the layout's shift state.
#include "platform/KeyboardInput.h"
#include "ui/Component.h"

#include <string>
#include <string_view>

namespace orvane::ui {
class Application;
}

namespace orvane::actions {

namespace key_code {
inline constexpr unsigned char F1 = 228;
inline constexpr unsigned char Home = 240;
inline constexpr unsigned char ShiftDown = 250;
inline constexpr unsigned char ShiftUp = 251;
inline constexpr unsigned char CtrlDown = 252;
inline constexpr unsigned char CtrlUp = 253;
inline constexpr unsigned char AltDown = 254;
inline constexpr unsigned char AltUp = 255;
} // namespace key_code

class TSendKeys : public ui::Component {
public:
    TSendKeys(ui::Component* owner, platform::KeyboardInput& keyboard, ui::Application& app);

    // Sends every code in order, letting the application's pending messages
    // run after each one.
    void SendKeyString(std::string_view keys);
    // The top-level window with exactly this title, or 0.
    platform::WindowHandle FindWindowByTitle(const std::string& title);

private:
    void Press(std::uint8_t virtualKey, std::uint8_t scanCode);
    void Release(std::uint8_t virtualKey, std::uint8_t scanCode);

    platform::KeyboardInput& keyboard_;
    ui::Application& app_;
};

} // namespace orvane::actions
