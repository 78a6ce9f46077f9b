#include "ui/win32/DragTracker.h"

#include "ui/Control.h"
#include "ui/win32/WindowPeer.h"

#include <cstring>

namespace orvane::ui::win32 {
namespace {

// The accepting cursor: an arrow carrying a dotted box. 'X' black, '.' white.
const char* const kDragArrow[] = {
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      XX",
    "",
    "     X.X.X.X.X.X",
    "     .         X",
    "     X         .",
    "     .         X",
    "     X         .",
    "     .         X",
    "     X.X.X.X.X.X",
};

HCURSOR MakeDragCursor() {
    const int size = 32, stride = size / 8;
    BYTE andMask[size * stride];
    BYTE xorMask[size * stride];
    std::memset(andMask, 0xFF, sizeof(andMask));
    std::memset(xorMask, 0, sizeof(xorMask));
    const int rows = static_cast<int>(sizeof(kDragArrow) / sizeof(kDragArrow[0]));
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; kDragArrow[y][x] && x < size; ++x) {
            const char c = kDragArrow[y][x];
            if (c == ' ') continue;
            const int byte = y * stride + x / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            andMask[byte] &= static_cast<BYTE>(~bit);
            if (c == '.') xorMask[byte] |= bit;
        }
    }
    return CreateCursor(GetModuleHandleA(nullptr), 0, 0, size, size, andMask, xorMask);
}

POINT ToScreen(HWND window, POINT at) {
    ClientToScreen(window, &at);
    return at;
}

Point ToClient(HWND window, POINT screen) {
    ScreenToClient(window, &screen);
    return {screen.x, screen.y};
}

// The control of this program under a screen point, if any.
WindowPeer* PeerAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    DWORD process = 0;
    if (!window || (GetWindowThreadProcessId(window, &process), process != GetCurrentProcessId())) return nullptr;
    for (; window; window = GetParent(window))
        if (WindowPeer* peer = WindowPeer::FromHandle(window)) return peer;
    return nullptr;
}

} // namespace

HCURSOR DragCursor() {
    struct Holder {
        HCURSOR cursor = MakeDragCursor();
        ~Holder() {
            if (cursor) DestroyCursor(cursor);
        }
    };
    static Holder holder;
    return holder.cursor ? holder.cursor : LoadCursor(nullptr, IDC_ARROW);
}

void DragTracker::Begin(POINT at) {
    if (dragging_) return;
    dragging_ = true;
    target_ = nullptr;
    accepted_ = false;
    SetCapture(source_.Handle());
    MoveTo(ToScreen(source_.Handle(), at));
}

bool DragTracker::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!dragging_) return false;
    const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_MOUSEMOVE:
        MoveTo(ToScreen(source_.Handle(), client));
        return true;
    case WM_LBUTTONUP: {
        const POINT screen = ToScreen(source_.Handle(), client);
        if (screen.x != last_.x || screen.y != last_.y) MoveTo(screen);
        if (dragging_) Finish(true);
        return true;
    }
    case WM_RBUTTONDOWN:
        Finish(false);
        return true;
    case WM_KEYDOWN:
        if (wParam != VK_ESCAPE) return false;
        Finish(false);
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != source_.Handle()) Finish(false);
        return false;
    default:
        return false;
    }
}

void DragTracker::MoveTo(POINT screen) {
    last_ = screen;
    Control& source = source_.Model();
    WindowPeer* peer = PeerAt(screen);
    HWND window = peer ? peer->Handle() : nullptr;
    DragState state = DragState::Move;
    if (window != target_) {
        if (WindowPeer* old = WindowPeer::FromHandle(target_)) {
            Highlight(target_, nullptr);
            old->Model().UserDragOver(source, ToClient(target_, screen), DragState::Leave);
        }
        target_ = window;
        state = DragState::Enter;
        // A handler may have ended the drag or destroyed the control meanwhile.
        peer = WindowPeer::FromHandle(target_);
        if (!dragging_) return;
    }
    const Point at = peer ? ToClient(target_, screen) : Point{};
    accepted_ = peer && peer->Model().UserDragOver(source, at, state);
    if (!dragging_) return;
    Highlight(target_, accepted_ ? &at : nullptr);
    SetCursor(accepted_ ? DragCursor() : LoadCursor(nullptr, IDC_NO));
}

void DragTracker::Finish(bool drop) {
    if (!dragging_) return;
    dragging_ = false;
    if (GetCapture() == source_.Handle()) ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    HWND target = target_;
    target_ = nullptr;
    WindowPeer* peer = WindowPeer::FromHandle(target);
    if (!peer) return;
    Highlight(target, nullptr);
    const Point at = ToClient(target, last_);
    if (drop && accepted_)
        peer->Model().UserDragDrop(source_.Model(), at);
    else
        peer->Model().UserDragOver(source_.Model(), at, DragState::Leave);
}

void DragTracker::Highlight(HWND window, const Point* at) {
    if (auto* highlight = dynamic_cast<DropHighlight*>(WindowPeer::FromHandle(window)))
        highlight->ShowDropTarget(at);
}

} // namespace orvane::ui::win32
