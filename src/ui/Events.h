#pragma once
// The event types of the control model. Every handler takes its sender first;
// a handler that changes a value passed by reference (a key, an accept flag)
// answers the control.
#include "ui/Graphics.h"
#include "ui/Input.h"

#include <functional>
#include <string>
#include <utility>

namespace orvane::ui {

class Component;
class TTreeNode;
class TListItem;

using NotifyEvent = std::function<void(Component* sender)>;
// Setting key to 0 stops the key: the control does not see it.
using KeyEvent = std::function<void(Component* sender, Key& key, ShiftState shift)>;
// Setting key to 0 discards the typed character.
using KeyPressEvent = std::function<void(Component* sender, char& key)>;
using MouseEvent = std::function<void(Component* sender, MouseButton button, ShiftState shift, int x, int y)>;

enum class DragState { Enter, Leave, Move };
// accept starts true; the handler refuses the drop by clearing it.
using DragOverEvent =
    std::function<void(Component* sender, Component* source, int x, int y, DragState state, bool& accept)>;
using DragDropEvent = std::function<void(Component* sender, Component* source, int x, int y)>;

using CloseQueryEvent = std::function<void(Component* sender, bool& canClose)>;
enum class CloseAction { None, Hide };
using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;

using TreeNodeEvent = std::function<void(Component* sender, TTreeNode* node)>;
// The handler may change the text that the node receives.
using TreeEditedEvent = std::function<void(Component* sender, TTreeNode* node, std::string& text)>;

enum class ItemChange { Text, Image, State };
using ListChangeEvent = std::function<void(Component* sender, TListItem* item, ItemChange change)>;

enum OwnerDrawState : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4, odComboBoxEdit = 8 };
using DrawItemEvent =
    std::function<void(Component* sender, TCanvas& canvas, int index, Rect rect, unsigned state)>;

// A handler that is a member function: OnClick = Handler(this, &TMyForm::OkBtnClick).
template <class T, class... Args>
auto Handler(T* object, void (T::*method)(Args...)) {
    return [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
}

} // namespace orvane::ui
