// Peers of the controls that show collections and values: tree view, list
// view (their own files), status bar, page control with its sheets, track
// bar, progress bar, shape and scroll box.
#include "ui/Indicators.h"
#include "ui/Panels.h"
#include "ui/win32/ViewPeers.h"
#include "ui/win32/Tooltips.h"
#include "ui/win32/Win32Ui.h"

#include <algorithm>
#include <vector>

namespace orvane::ui::win32 {
namespace {

// Model colours are COLORREFs; system colours carry the high bit and their number.
COLORREF ColorRefOf(TColor color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

// Position, range and panel controls draw on the face of their parent.
bool ParentFace(HDC dc, HBRUSH& brush) {
    SetBkMode(dc, TRANSPARENT);
    brush = GetSysColorBrush(COLOR_BTNFACE);
    return true;
}

// ---- Status bar ---------------------------------------------------------------

// Placed where the form puts it, like every other control; the last panel
// takes the rest of its width.
class StatusBarPeer : public WindowPeer {
public:
    StatusBarPeer(Win32Ui& ui, TStatusBar& bar) : WindowPeer(ui, bar), bar_(bar) {
        Create(STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE);
        ShowPanels();
    }
    void Changed(const Change& change) override {
        if (change.prop == Prop::Panels)
            ShowPanels();
        else
            WindowPeer::Changed(change);
    }

private:
    void ShowPanels() {
        if (!Handle()) return;
        const int count = std::clamp(bar_.PanelCount(), 1, 255);
        std::vector<int> edges(static_cast<std::size_t>(count), -1);
        int right = 0;
        for (int i = 0; i + 1 < count && i < bar_.PanelCount(); ++i) edges[i] = right += bar_.PanelWidth(i);
        SendMessageA(Handle(), SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
        for (int i = 0; i < count; ++i) {
            const char* text = i < bar_.PanelCount() ? bar_.PanelText(i).c_str() : "";
            SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            ShowWholeTextAsTip(i, text);
        }
    }
    // A panel too narrow for its text (the list of every origin in use) shows
    // the whole text as its tooltip.
    void ShowWholeTextAsTip(int panel, const std::string& text) {
        RECT area{};
        SendMessageA(Handle(), SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&area));
        SIZE size{};
        if (HDC dc = GetDC(Handle())) {
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(Handle(), dc);
        }
        // The panel's border and margins take a few pixels of its width.
        const bool cut = size.cx + 8 > area.right - area.left;
        SetAreaTip(Handle(), static_cast<UINT>(panel + 1), area, cut ? text : std::string());
    }
    TStatusBar& bar_;
};

// ---- Page control and its sheets ----------------------------------------------

class TabSheetPeer;

// A tab control with one tab per page; each page is a window of its own in the
// tab's display area, shown only while its page is the active one.
class PageControlPeer : public WindowPeer {
public:
    PageControlPeer(Win32Ui& ui, TPageControl& pages) : WindowPeer(ui, pages), pages_(pages) {
        Create(WC_TABCONTROLA, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
        ShowTabs();
    }
    ~PageControlPeer() override;

    void Changed(const Change& change) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    // Where the pages go, in the tab control's client coordinates.
    RECT DisplayArea() const {
        RECT area{};
        GetClientRect(Handle(), &area);
        SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        return area;
    }
    TPageControl& Pages() const { return pages_; }

    void Attach(TabSheetPeer& sheet) { sheets_.push_back(&sheet); }
    void Detach(TabSheetPeer& sheet);
    void ShowTabs();

private:
    void ShowActive();

    TPageControl& pages_;
    std::vector<TabSheetPeer*> sheets_;
};

class TabSheetPeer : public WindowPeer {
public:
    TabSheetPeer(Win32Ui& ui, TTabSheet& sheet) : WindowPeer(ui, sheet), sheet_(sheet) {
        if (TPageControl* pages = sheet.PageControl()) owner_ = dynamic_cast<PageControlPeer*>(pages->Peer());
        Create(OwnClass("OrvanePage"), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
        if (!owner_) return;
        owner_->Attach(*this);
        ApplyBounds();
        ShowIfActive();
    }
    ~TabSheetPeer() override {
        // The model has already taken the page out of its control.
        if (owner_) owner_->Detach(*this);
    }

    void Changed(const Change& change) override {
        if (!Handle()) return;
        switch (change.prop) {
        case Prop::Caption:
            if (owner_) owner_->ShowTabs();
            break;
        case Prop::Visible:
            ShowIfActive();
            break;
        default:
            WindowPeer::Changed(change);
            break;
        }
    }

    void OwnerGone() { owner_ = nullptr; }
    TTabSheet& Sheet() const { return sheet_; }

    void ShowIfActive() {
        if (!Handle() || !owner_) return;
        const bool shown = owner_->Pages().ActivePage() == &sheet_ && sheet_.Visible();
        ShowWindow(Handle(), shown ? SW_SHOWNA : SW_HIDE);
    }

    // A page fills the tab's display area, whatever bounds its model has.
    void ApplyBounds() override {
        if (!Handle() || !owner_) return;
        const RECT area = owner_->DisplayArea();
        SetWindowPos(Handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    TTabSheet& sheet_;
    PageControlPeer* owner_ = nullptr;
};

PageControlPeer::~PageControlPeer() {
    for (TabSheetPeer* sheet : sheets_) sheet->OwnerGone();
}

void PageControlPeer::Detach(TabSheetPeer& sheet) {
    sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), &sheet), sheets_.end());
    ShowTabs();
}

void PageControlPeer::ShowTabs() {
    if (!Handle()) return;
    Push push(*this);
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < pages_.PageCount(); ++i) {
        TCITEMA tab{};
        tab.mask = TCIF_TEXT;
        const std::string caption = pages_.Page(i).Caption();
        tab.pszText = const_cast<char*>(caption.c_str());
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
    }
    ShowActive();
}

void PageControlPeer::ShowActive() {
    Push push(*this);
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
    for (TabSheetPeer* sheet : sheets_) sheet->ShowIfActive();
}

void PageControlPeer::Changed(const Change& change) {
    if (!Handle()) return;
    switch (change.prop) {
    case Prop::ActivePage:
        ShowActive();
        break;
    case Prop::Bounds:
        WindowPeer::Changed(change);
        for (TabSheetPeer* sheet : sheets_) sheet->ApplyBounds();
        break;
    default:
        WindowPeer::Changed(change);
        break;
    }
}

bool PageControlPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE || Pushing()) return false;
    pages_.UserSelectPage(static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0)));
    // Shows the model's page: the one chosen, or the old one when it refused.
    ShowActive();
    result = 0;
    return true;
}

// ---- Track bar and progress bar ---------------------------------------------------

class TrackBarPeer : public WindowPeer {
public:
    TrackBarPeer(Win32Ui& ui, TTrackBar& bar) : WindowPeer(ui, bar), bar_(bar) {
        Create(TRACKBAR_CLASSA, WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS);
        if (!Handle()) return;
        Push push(*this);
        SendMessageA(Handle(), TBM_SETLINESIZE, 0, bar.LineSize());
        ShowRange();
        ShowPosition();
    }
    void Changed(const Change& change) override {
        if (!Handle()) return;
        Push push(*this);
        if (change.prop == Prop::Range)
            ShowRange();
        else if (change.prop == Prop::Position)
            ShowPosition();
        else
            WindowPeer::Changed(change);
    }
    bool OnScroll(int, int) override {
        if (Pushing()) return false;
        bar_.UserSetPosition(static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)));
        Push push(*this); // the model keeps its range
        ShowPosition();
        return true;
    }
    bool OnCtlColor(HDC dc, HBRUSH& brush) override { return ParentFace(dc, brush); }

private:
    void ShowRange() {
        SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, bar_.Min());
        SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, bar_.Max());
    }
    void ShowPosition() {
        if (SendMessageA(Handle(), TBM_GETPOS, 0, 0) != bar_.Position())
            SendMessageA(Handle(), TBM_SETPOS, TRUE, bar_.Position());
    }
    TTrackBar& bar_;
};

class ProgressBarPeer : public WindowPeer {
public:
    ProgressBarPeer(Win32Ui& ui, TProgressBar& bar) : WindowPeer(ui, bar), bar_(bar) {
        Create(PROGRESS_CLASSA, 0);
        if (!Handle()) return;
        ShowRange();
        ShowPosition();
    }
    void Changed(const Change& change) override {
        if (!Handle()) return;
        if (change.prop == Prop::Range)
            ShowRange();
        else if (change.prop == Prop::Position)
            ShowPosition();
        else
            WindowPeer::Changed(change);
    }

private:
    void ShowRange() { SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()), bar_.Max()); }
    void ShowPosition() { SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0); }
    TProgressBar& bar_;
};

// ---- Shape -------------------------------------------------------------------------

// Filled with the brush colour and outlined with a black pen, on the face of
// its parent.
class ShapePeer : public WindowPeer {
public:
    ShapePeer(Win32Ui& ui, TShape& shape) : WindowPeer(ui, shape), shape_(shape) {
        Create(OwnClass("OrvaneShape"), 0);
    }
    void Changed(const Change& change) override {
        if (!Handle()) return;
        if (change.prop == Prop::Style || change.prop == Prop::BrushColor)
            InvalidateRect(Handle(), nullptr, TRUE);
        else
            WindowPeer::Changed(change);
    }

protected:
    bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message == WM_ERASEBKGND) {
            result = TRUE; // all painted at once below, without flicker
            return true;
        }
        if (message != WM_PAINT) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT r;
        GetClientRect(Handle(), &r);
        const Control* parent = shape_.Parent();
        HBRUSH face = CreateSolidBrush(ColorRefOf(parent ? parent->Color() : clBtnFace));
        FillRect(dc, &r, face);
        DeleteObject(face);

        HBRUSH fill = CreateSolidBrush(ColorRefOf(shape_.BrushColor()));
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        const int width = r.right, height = r.bottom;
        switch (shape_.Shape()) {
        case ShapeType::Rectangle:
            Rectangle(dc, 0, 0, width, height);
            break;
        case ShapeType::Ellipse:
            Ellipse(dc, 0, 0, width, height);
            break;
        case ShapeType::Circle: {
            const int side = std::min(width, height);
            const int left = (width - side) / 2, top = (height - side) / 2;
            Ellipse(dc, left, top, left + side, top + side);
            break;
        }
        }
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
        EndPaint(Handle(), &paint);
        result = 0;
        return true;
    }

private:
    TShape& shape_;
};

// ---- Scroll box --------------------------------------------------------------------

// The children of a scroll box live on an inner window as large as they need,
// which scrolling moves about behind the box's client area. Their bounds so
// stay what the model says, however far the box is scrolled.
LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // The scroll box's peer hands these on to the child's peer.
        return SendMessageA(GetParent(window), message, wParam, lParam);
    case WM_MEASUREITEM: {
        // Found by identifier among this window's children, not the box's.
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        WindowPeer* child =
            item->CtlType == ODT_MENU ? nullptr : WindowPeer::FromHandle(GetDlgItem(window, item->CtlID));
        if (!child) break;
        try {
            if (child->OnMeasureItem(*item)) return TRUE;
        } catch (const std::exception& failure) {
            try {
                child->Ui().App().HandleException(failure);
            } catch (...) {
            }
        } catch (...) {
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* CanvasClass() {
    static const char* name = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = CanvasProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "OrvaneScrollCanvas";
        RegisterClassA(&windowClass);
        return "OrvaneScrollCanvas";
    }();
    return name;
}

class ScrollBoxPeer : public WindowPeer {
public:
    static constexpr int kLine = 16;

    ScrollBoxPeer(Win32Ui& ui, TScrollBox& box) : WindowPeer(ui, box), box_(box) {
        Create(OwnClass("OrvaneScrollBox"), WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL,
               WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT);
        if (!Handle()) return;
        canvas_ = CreateWindowExA(WS_EX_CONTROLPARENT, CanvasClass(), "",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, Handle(),
                                  nullptr, ui.Instance(), nullptr);
        Layout();
    }

    HWND ClientHandle() const override { return canvas_ ? canvas_ : Handle(); }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
        case WM_SIZE:
        case WM_SHOWWINDOW:
            Layout();
            return false;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lParam) return false; // a child's, already handed on
            Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
            result = 0;
            return true;
        case WM_MOUSEWHEEL:
            ScrollBy(SB_VERT, -static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 3 * kLine);
            result = 0;
            return true;
        default:
            return false;
        }
    }

private:
    // Shows the scroll bars the children need and puts the canvas in place.
    void Layout() {
        if (!canvas_ || layingOut_) return;
        layingOut_ = true;
        int needWidth = 0, needHeight = 0;
        for (const Control* child : box_.Controls()) {
            if (!child->Visible()) continue;
            needWidth = std::max(needWidth, child->BoundsRect().right);
            needHeight = std::max(needHeight, child->BoundsRect().bottom);
        }
        RECT client;
        GetClientRect(Handle(), &client);
        const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        // The client area with neither bar, then with the bars that turn out needed.
        const int fullWidth = client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int fullHeight = client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
        bool vertical = needHeight > fullHeight;
        const bool horizontal = needWidth > fullWidth - (vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        if (horizontal && !vertical) vertical = needHeight > fullHeight - GetSystemMetrics(SM_CYHSCROLL);
        const int viewWidth = fullWidth - (vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int viewHeight = fullHeight - (horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0);

        x_ = horizontal ? std::clamp(x_, 0, needWidth - viewWidth) : 0;
        y_ = vertical ? std::clamp(y_, 0, needHeight - viewHeight) : 0;
        ShowScrollBar(Handle(), SB_HORZ, horizontal);
        ShowScrollBar(Handle(), SB_VERT, vertical);
        SetBar(SB_HORZ, horizontal, needWidth, viewWidth, x_);
        SetBar(SB_VERT, vertical, needHeight, viewHeight, y_);
        SetWindowPos(canvas_, nullptr, -x_, -y_, std::max(needWidth, viewWidth), std::max(needHeight, viewHeight),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layingOut_ = false;
    }

    void SetBar(int bar, bool shown, int extent, int view, int position) {
        if (!shown) return;
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, extent - 1, static_cast<UINT>(view),
                        position, 0};
        SetScrollInfo(Handle(), bar, &info, TRUE);
    }

    void Scroll(int bar, int code) {
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), bar, &info);
        int position = info.nPos;
        switch (code) {
        case SB_LINEUP: position -= kLine; break;
        case SB_LINEDOWN: position += kLine; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
        }
        ScrollBy(bar, position - info.nPos);
    }

    void ScrollBy(int bar, int delta) {
        if (!delta || !(GetWindowLongPtrA(Handle(), GWL_STYLE) & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) return;
        (bar == SB_HORZ ? x_ : y_) += delta;
        Layout(); // keeps the position within the range and moves the canvas
    }

    TScrollBox& box_;
    HWND canvas_ = nullptr;
    int x_ = 0, y_ = 0;
    bool layingOut_ = false;
};

} // namespace

int TextWidthIn(HWND window, const std::string& text) {
    HDC dc = GetDC(window);
    auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

std::unique_ptr<WindowPeer> MakeViewPeer(Win32Ui& ui, Control& control) {
    if (auto* tree = dynamic_cast<TTreeView*>(&control)) return MakeTreeViewPeer(ui, *tree);
    if (auto* list = dynamic_cast<TListView*>(&control)) return MakeListViewPeer(ui, *list);
    if (auto* bar = dynamic_cast<TStatusBar*>(&control)) return std::make_unique<StatusBarPeer>(ui, *bar);
    if (auto* pages = dynamic_cast<TPageControl*>(&control)) return std::make_unique<PageControlPeer>(ui, *pages);
    if (auto* sheet = dynamic_cast<TTabSheet*>(&control)) return std::make_unique<TabSheetPeer>(ui, *sheet);
    if (auto* bar = dynamic_cast<TTrackBar*>(&control)) return std::make_unique<TrackBarPeer>(ui, *bar);
    if (auto* bar = dynamic_cast<TProgressBar*>(&control)) return std::make_unique<ProgressBarPeer>(ui, *bar);
    if (auto* shape = dynamic_cast<TShape*>(&control)) return std::make_unique<ShapePeer>(ui, *shape);
    if (auto* box = dynamic_cast<TScrollBox*>(&control)) return std::make_unique<ScrollBoxPeer>(ui, *box);
    return nullptr;
}

} // namespace orvane::ui::win32
