#pragma once
// The seam to the native side. A component may have one peer, which shows it
// in a real window. The model tells the peer each change of its state (which
// property, and which node, item or menu item when it concerns one); the peer
// pushes just that to its window. The peer reports what the user did by
// calling the component's User... methods, which update the model without
// telling the peer back and raise the event once, through the application's
// dispatch point. A peer ignores the notifications that its own pushes cause;
// the model, for its part, ignores a report that changes nothing.
//
// The model never knows a peer's type, and works the same with no peer at all.
#include "ui/Graphics.h"

#include <cstdint>
#include <string>

namespace orvane::ui {

class Component;
class TForm;
class TTreeNode;
class TListItem;
class TMenuItem;

enum class Prop {
    Caption,
    Text,
    Hint,
    Enabled,
    Visible,
    Bounds,
    Color,
    Focus,
    ReadOnly,
    Checked,
    Default,
    Items,      // the whole string list (items, lines)
    ItemIndex,
    Selection,  // an edit's selected text
    MaxLength,  // the most characters an edit takes from the user
    Range,      // minimum and maximum
    Position,
    Increment,
    BrushColor,
    Style,      // a style chosen at design (combo box kind, view style, border...)
    ActivePage,
    Panels,     // a status bar's panels and their texts
    Columns,    // a list view's columns and their widths
    Images,     // the image list a control draws from
    Active,     // the form became or stopped being the active one
    // The control's update bracket: many changes follow, told one by one as
    // ever; the window may hold its redrawing and its own per-item work, and
    // show the result once at the end. They come in pairs, outermost only.
    BeginUpdate,
    EndUpdate,
    // Tree view; node is the one concerned.
    NodeAdded,
    NodeDeleting,
    NodeMoved,
    NodeChanged, // text, images or data
    NodeExpanded,
    Selected,    // the selected node or item (may be none)
    EditLabel,   // label editing began (node) or ended (no node)
    // List view; item is the one concerned (none: the whole list).
    ItemAdded,
    ItemDeleting,
    ItemChanged,
    // Menus; menuItem is the one concerned, reported to the menu's root.
    MenuItemAdded,
    MenuItemRemoving,
    MenuItemChanged,
};

struct Change {
    Prop prop;
    TTreeNode* node = nullptr;
    TListItem* item = nullptr;
    TMenuItem* menuItem = nullptr;
};

// Hit-test results at a point of a tree or list view; several may hold at once
// (above and to the left).
enum HitTest : unsigned {
    htAbove = 1,
    htBelow = 2,
    htNowhere = 4,
    htOnButton = 8,
    htOnIcon = 16,
    htOnIndent = 32,
    htOnLabel = 64,
    htOnRight = 128,
    htOnStateIcon = 256,
    htToLeft = 512,
    htToRight = 1024,
};
using HitTests = unsigned;

struct HitInfo {
    HitTests tests = 0;
    TTreeNode* node = nullptr;
    TListItem* item = nullptr;
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Changed(const Change& change) = 0;

    // Questions only a real window can answer exactly. Answering false leaves
    // the model to its own headless layout.
    virtual bool HitTest(Point, HitInfo&) { return false; }
    virtual bool MeasureText(const std::string&, int&) { return false; }
    // Opens a pop-up menu at a screen point (the menu's peer).
    virtual void PopupAt(Point) {}
    // The native window's handle, for programs that post to it; 0 without one.
    virtual std::uintptr_t NativeHandle() const { return 0; }
};

// Creates the peers of a form and all its components; registered by the
// native side, absent in tests.
class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    virtual void Realise(TForm& form) = 0;
    // The width of a text in the controls' font, for a control whose form
    // has no windows yet; false leaves it to the headless layout.
    virtual bool MeasureText(const std::string&, int&) { return false; }
};

enum class Cursor { Default, HourGlass };

// The application's own window and message loop on the native side.
class ApplicationPeer {
public:
    virtual ~ApplicationPeer() = default;
    virtual void TitleChanged(const std::string& title) = 0;
    virtual void Minimize() = 0;
    virtual void Restore() = 0;
    virtual void ShowTaskbarButton(bool shown) = 0;
    virtual void ProcessMessages() = 0;
    virtual void Terminate() = 0;
    virtual void CursorChanged(Cursor cursor) = 0;
};

} // namespace orvane::ui
