#pragma once
// Drag and drop between the program's controls, as the control model knows it:
// a drag begun in a tree or list view follows the mouse (the source window
// holds the capture); each control of the program it passes over is asked
// through UserDragOver whether it would take a drop there (Enter, then Move,
// then Leave when the mouse moves on), the cursor shows the answer, and
// releasing the button over a control that accepted calls its UserDragDrop.
// Escape, the right button or a lost capture end the drag without a drop.
#include "ui/Graphics.h"

#include "ui/win32/SystemHeaders.h"

namespace orvane::ui::win32 {

class WindowPeer;

// A peer that can show where a drop would land (a tree's drop highlight).
class DropHighlight {
public:
    virtual ~DropHighlight() = default;
    virtual void ShowDropTarget(const Point* at) = 0; // none: hide it
};

class DragTracker {
public:
    explicit DragTracker(WindowPeer& source) : source_(source) {}
    DragTracker(const DragTracker&) = delete;
    DragTracker& operator=(const DragTracker&) = delete;

    // Starts the drag at a point of the source's client area.
    void Begin(POINT at);
    bool Dragging() const { return dragging_; }
    // The source window's messages during a drag; true when the drag took it.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void MoveTo(POINT screen);
    void Finish(bool drop);
    void Highlight(HWND window, const Point* at);

    WindowPeer& source_;
    bool dragging_ = false;
    HWND target_ = nullptr; // the window of the control under the mouse
    bool accepted_ = false;
    POINT last_{};
};

// The cursor of a drag that would be accepted where it is.
HCURSOR DragCursor();

} // namespace orvane::ui::win32
