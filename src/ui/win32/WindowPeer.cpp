#include "ui/win32/WindowPeer.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/win32/Tooltips.h"
#include "ui/win32/Win32Ui.h"

#include <set>
#include <string>

namespace orvane::ui::win32 {
namespace {

const char kPeerProperty[] = "OrvanePeer";
const char kNameProperty[] = "OrvaneName";

Point PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Child window identifiers: unique within the program, so that a parent can
// find a child from the identifier alone (WM_MEASUREITEM carries no handle).
int NextChildId() {
    static int next = 1000;
    return ++next;
}

} // namespace

ShiftState KeyboardShift() {
    ShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

const char* OwnClass(const char* name, UINT classStyle) {
    static std::set<std::string> registered;
    if (registered.insert(name).second) {
        WNDCLASSA windowClass{};
        windowClass.style = classStyle;
        windowClass.lpfnWndProc = PeerWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        // The program's own icon (resource 1) where the executable has one.
        windowClass.hIcon = LoadIcon(windowClass.hInstance, MAKEINTRESOURCE(1));
        if (!windowClass.hIcon) windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
    return name;
}

WindowPeer::WindowPeer(Win32Ui& ui, Control& control) : ui_(ui), control_(control) {}

WindowPeer::~WindowPeer() {
    if (!window_) return;
    HWND window = window_;
    Destroyed();
    DestroyWindow(window);
}

WindowPeer* WindowPeer::FromHandle(HWND window) {
    return window ? static_cast<WindowPeer*>(GetPropA(window, kPeerProperty)) : nullptr;
}

void WindowPeer::Create(const char* className, DWORD style, DWORD exStyle) {
    HWND parent = nullptr;
    HMENU idOrMenu = nullptr;
    if (Control* parentControl = control_.Parent()) {
        auto* parentPeer = dynamic_cast<WindowPeer*>(parentControl->Peer());
        parent = parentPeer ? parentPeer->ClientHandle() : nullptr;
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        idOrMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextChildId()));
        if (control_.Visible()) style |= WS_VISIBLE;
    } else {
        parent = ui_.MainWindow(); // the owner of every other form
    }
    if (!control_.Enabled()) style |= WS_DISABLED;
    const Rect bounds = control_.BoundsRect();
    window_ = CreateWindowExA(exStyle, className, CaptionText().c_str(), style, bounds.left, bounds.top,
                              bounds.Width(), bounds.Height(), parent, idOrMenu, ui_.Instance(), nullptr);
    if (!window_) return;
    SetPropA(window_, kPeerProperty, this);
    SetAtomProperty(kNameProperty, control_.Name().empty() ? "?" : control_.Name());
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC));
    if (current != PeerWindowProc) {
        original_ = current;
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PeerWindowProc));
    }
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.Font()), FALSE);
    if (control_.Parent() && !control_.Hint().empty()) SetWindowTip(window_, control_.Hint());
}

void WindowPeer::SetAtomProperty(const char* property, const std::string& text) {
    if (!window_) return;
    ATOM atom = GlobalAddAtomA(text.c_str());
    if (!atom) return;
    SetPropA(window_, property, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
    atomProperties_.push_back(property);
}

void WindowPeer::Destroyed() {
    if (!window_) return;
    for (const char* property : atomProperties_) {
        if (auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window_, property))))
            GlobalDeleteAtom(atom);
        RemovePropA(window_, property);
    }
    atomProperties_.clear();
    RemovePropA(window_, kPeerProperty);
    if (original_) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    window_ = nullptr;
}

LRESULT WindowPeer::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return original_ ? CallWindowProcA(original_, window_, message, wParam, lParam)
                     : DefWindowProcA(window_, message, wParam, lParam);
}

std::string WindowPeer::CaptionText() const { return control_.GetTextProperty("Caption"); }

std::string WindowPeer::WindowText() const {
    int length = GetWindowTextLengthA(window_);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = GetWindowTextA(window_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void WindowPeer::PushText(const std::string& text) {
    if (!window_ || WindowText() == text) return;
    Push push(*this);
    SetWindowTextA(window_, text.c_str());
}

void WindowPeer::ApplyBounds() {
    const Rect bounds = control_.BoundsRect();
    SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::Changed(const Change& change) {
    if (!window_) return;
    Push push(*this);
    switch (change.prop) {
    case Prop::Caption:
    case Prop::Text:
        PushText(CaptionText());
        break;
    case Prop::Enabled:
        EnableWindow(window_, control_.Enabled());
        break;
    case Prop::Visible:
        ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Prop::Bounds:
        ApplyBounds();
        break;
    case Prop::Focus:
        SetFocus(window_);
        break;
    case Prop::Hint:
        if (control_.Parent()) SetWindowTip(window_, control_.Hint());
        break;
    case Prop::BeginUpdate:
        if (updating_) break;
        updating_ = true;
        SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
        break;
    case Prop::EndUpdate:
        if (!updating_) break;
        updating_ = false;
        // Turning redrawing on shows a window the system had hidden for it;
        // a control hidden meanwhile stays hidden.
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        if (control_.Visible())
            RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        else
            ShowWindow(window_, SW_HIDE);
        break;
    default:
        break;
    }
}

LRESULT WindowPeer::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToTip(window_, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            auto* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child != this && child->OnCommand(HIWORD(wParam))) return 0;
        } else if (TMenuItem* item = ui_.ItemForCommand(LOWORD(wParam))) {
            item->UserClicked();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto* child = FromHandle(header->hwndFrom);
        LRESULT result = 0;
        if (child && child != this && child->OnNotify(*header, result)) return result;
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        auto* child = item->CtlType == ODT_MENU ? nullptr : FromHandle(item->hwndItem);
        if (child && child->OnDrawItem(*item)) return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        auto* child = item->CtlType == ODT_MENU ? nullptr : FromHandle(GetDlgItem(window_, item->CtlID));
        if (child && child->OnMeasureItem(*item)) return TRUE;
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam) {
            auto* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child != this && child->OnScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam))))
                return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        auto* child = FromHandle(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = nullptr;
        if (child && child != this && child->OnCtlColor(reinterpret_cast<HDC>(wParam), brush))
            return reinterpret_cast<LRESULT>(brush);
        break;
    }
    case WM_INITMENUPOPUP:
        MenuOpening(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_SETFOCUS:
        control_.UserFocused();
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        control_.UserMouseDown(message == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right,
                               KeyboardShift(), PointOf(lParam));
        break;
    case WM_CONTEXTMENU: {
        // Some system controls (the tree view under Wine) send it straight to
        // their parent, naming themselves in wParam: the child's menu first.
        WindowPeer* clicked = FromHandle(reinterpret_cast<HWND>(wParam));
        if (!clicked || !clicked->control_.PopupMenu()) clicked = this;
        if (TPopupMenu* menu = clicked->control_.PopupMenu()) {
            Point at = PointOf(lParam);
            if (lParam == -1) { // from the keyboard: below the control's corner
                RECT r;
                GetWindowRect(clicked->window_, &r);
                at = {r.left + 8, r.top + 8};
            }
            menu->UserPopup(at);
            return 0;
        }
        break;
    }
    case WM_SETCURSOR:
        if (ui_.App().GetCursor() == Cursor::HourGlass) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_NCDESTROY: {
        LRESULT result = CallOriginal(message, wParam, lParam);
        Destroyed();
        return result;
    }
    default:
        break;
    }
    LRESULT result = 0;
    if (HandleMessage(message, wParam, lParam, result)) return result;
    return CallOriginal(message, wParam, lParam);
}

LRESULT CALLBACK PeerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowPeer* peer = WindowPeer::FromHandle(window);
    if (!peer) return DefWindowProcA(window, message, wParam, lParam);
    // Nothing may unwind into the system's frames: the model's own events are
    // already caught at its dispatch point; anything else stops here.
    try {
        return peer->Dispatch(message, wParam, lParam);
    } catch (const std::exception& failure) {
        try {
            peer->Ui().App().HandleException(failure);
        } catch (...) {
        }
    } catch (...) {
    }
    return 0;
}

} // namespace orvane::ui::win32
