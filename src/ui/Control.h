#pragma once
// A control: a component with a place on a form. It holds its whole state
// (bounds, caption, enabled, visible, ...) and raises its events through
// std::function members. Code changes state through the setters, which tell
// the peer; a peer reports the user's actions through the User... methods.
// User actions reach only enabled and visible controls; the form itself need
// not be shown, so that a test can drive it.
#include "ui/Component.h"
#include "ui/Events.h"

#include <string>
#include <vector>

namespace orvane::ui {

class TForm;
class TPopupMenu;

enum class DragMode { Manual, Automatic };

class Control : public Component {
public:
    ~Control() override;

    Control* Parent() const { return parent_; }
    // The controls placed on this one, in creation order.
    const std::vector<Control*>& Controls() const { return controls_; }
    // The form this control lies on (itself for a form).
    TForm* ParentForm() const;
    virtual TForm* AsForm() const { return nullptr; }

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    Rect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent too.
    bool Showing() const;

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    DragMode GetDragMode() const { return dragMode_; }
    void SetDragMode(DragMode mode) { dragMode_ = mode; }

    // Moves the keyboard focus here; the control that had it raises OnExit.
    void SetFocus();
    bool Focused() const;

    // Runs the control's click, as code may do ("perform the button's click").
    virtual void Click();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    NotifyEvent OnExit;
    MouseEvent OnMouseDown;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;
    DragOverEvent OnDragOver;
    DragDropEvent OnDragDrop;

    // What the user did, reported by the peer (or by a test).
    virtual void UserClicked();
    void UserDblClicked();
    void UserMouseDown(MouseButton button, ShiftState shift, Point at);
    // Menu shortcuts first, then the form's key preview, then the control.
    // Returns the key left over (0 when something took it).
    Key UserKeyDown(Key key, ShiftState shift);
    // Returns the character to type (0 when a handler discarded it).
    char UserKeyPress(char key);
    void UserFocused();
    // A drag from source over this control; true when the control accepts a drop.
    bool UserDragOver(Control& source, Point at, DragState state);
    void UserDragDrop(Control& source, Point at);

    // Whether user input reaches this control now.
    bool AcceptsInput() const;

protected:
    // A control on a parent (a form, a panel, a group box, a page...). Its
    // owner is the form, so that the form finds it by name.
    Control(Control& parent, std::string name);
    // A control without parent: a form, owned by the application.
    Control(Component* owner, std::string name);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    void PublishCaption();
    void PublishHint();

    // Key routing without dispatch; returns the key left over.
    Key RouteKeyDown(Key key, ShiftState shift);
    char RouteKeyPress(char key);

private:
    friend class TForm;
    static Component* OwnerFor(Control& parent);
    void NotifyFocus();

    Control* parent_ = nullptr;
    std::vector<Control*> controls_;
    Rect bounds_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    std::string hint_;
    TColor color_ = clBtnFace;
    TPopupMenu* popupMenu_ = nullptr;
    DragMode dragMode_ = DragMode::Manual;
};

// Drags source to a point of target as a mouse would: the target is asked
// over the point and, when it accepts, receives the drop. True when dropped.
bool DragTo(Control& source, Control& target, Point at);

} // namespace orvane::ui
