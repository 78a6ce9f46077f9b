#include "ui/Input.h"

namespace orvane::ui {

namespace {

std::string KeyName(Key key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= keys::F1 && key <= keys::F12) {
        std::string name = "F";
        name += std::to_string(key - keys::F1 + 1);
        return name;
    }
    switch (key) {
    case keys::Back: return "BkSp";
    case keys::Tab: return "Tab";
    case keys::Return: return "Enter";
    case keys::Escape: return "Esc";
    case keys::Space: return "Space";
    case keys::Left: return "Left";
    case keys::Up: return "Up";
    case keys::Right: return "Right";
    case keys::Down: return "Down";
    case keys::Insert: return "Ins";
    case keys::Delete: return "Del";
    default: return {};
    }
}

} // namespace

std::string ShortCutToText(ShortCut shortCut) {
    const std::string name = KeyName(static_cast<Key>(shortCut & 0xFF));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

} // namespace orvane::ui
