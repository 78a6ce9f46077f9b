#include "platform/win32/Win32NotificationArea.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace orvane::platform::win32 {
namespace {

const char kIconWindowClass[] = "OrvaneTrayIconWindow";
// The record the first shell versions know; every later shell accepts it.
constexpr DWORD kRecordSize = 88;
static_assert(NOTIFYICONDATAA_V1_SIZE == kRecordSize);

TrayMouse MouseOf(UINT message, bool& known) {
    known = true;
    switch (message) {
    case WM_LBUTTONDOWN: return TrayMouse::LeftDown;
    case WM_LBUTTONUP: return TrayMouse::LeftUp;
    case WM_LBUTTONDBLCLK: return TrayMouse::LeftDouble;
    case WM_RBUTTONDOWN: return TrayMouse::RightDown;
    case WM_RBUTTONUP: return TrayMouse::RightUp;
    case WM_RBUTTONDBLCLK: return TrayMouse::RightDouble;
    case WM_MBUTTONDOWN: return TrayMouse::MiddleDown;
    case WM_MBUTTONUP: return TrayMouse::MiddleUp;
    case WM_MBUTTONDBLCLK: return TrayMouse::MiddleDouble;
    case WM_MOUSEMOVE: return TrayMouse::Move;
    default: known = false; return TrayMouse::Move;
    }
}

// An icon handle made from a picture, destroyed with its holder.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(const Picture& picture) { icon_ = Make(picture); }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;
    IconHandle& operator=(IconHandle&& other) noexcept {
        std::swap(icon_, other.icon_);
        return *this;
    }
    ~IconHandle() {
        if (icon_) DestroyIcon(icon_);
    }
    HICON Get() const { return icon_; }

private:
    static HICON Make(const Picture& picture) {
        const int w = picture.width, h = picture.height;
        if (w <= 0 || h <= 0 || w > 256 || h > 256 ||
            picture.pixels.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
            return nullptr;
        BITMAPV5HEADER header{};
        header.bV5Size = sizeof(header);
        header.bV5Width = w;
        header.bV5Height = -h; // rows from the top, as the picture has them
        header.bV5Planes = 1;
        header.bV5BitCount = 32;
        header.bV5Compression = BI_BITFIELDS;
        header.bV5RedMask = 0x00FF0000;
        header.bV5GreenMask = 0x0000FF00;
        header.bV5BlueMask = 0x000000FF;
        header.bV5AlphaMask = 0xFF000000;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                         nullptr, 0);
        ReleaseDC(nullptr, screen);
        if (!color || !bits) {
            if (color) DeleteObject(color);
            return nullptr;
        }
        std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
        // The mask keeps the see-through pixels for displays without alpha.
        const int stride = ((w + 15) / 16) * 2;
        std::vector<BYTE> maskBits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((picture.pixels[static_cast<std::size_t>(y) * w + x] >> 24) == 0)
                    maskBits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        HBITMAP mask = CreateBitmap(w, h, 1, 1, maskBits.data());
        ICONINFO info{};
        info.fIcon = TRUE;
        info.hbmColor = color;
        info.hbmMask = mask;
        HICON icon = mask ? CreateIconIndirect(&info) : nullptr;
        DeleteObject(color);
        if (mask) DeleteObject(mask);
        return icon;
    }

    HICON icon_ = nullptr;
};

class Win32NotificationIcon : public NotificationIcon {
public:
    explicit Win32NotificationIcon(TrayMouseHandler onMouse) : onMouse_(std::move(onMouse)) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kIconWindowClass;
        RegisterClassA(&windowClass); // registered by an earlier icon is fine
        // A hidden top-level window: the shell sends its messages there.
        window_ = CreateWindowExA(0, kIconWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    Win32NotificationIcon(const Win32NotificationIcon&) = delete;
    Win32NotificationIcon& operator=(const Win32NotificationIcon&) = delete;

    ~Win32NotificationIcon() override {
        if (added_) Delete();
        if (window_) DestroyWindow(window_);
    }

    bool Add(const Picture& picture, const std::string& tip) override {
        added_ = Notify(NIM_ADD, picture, tip) || added_;
        return added_;
    }
    bool Modify(const Picture& picture, const std::string& tip) override {
        return Notify(NIM_MODIFY, picture, tip);
    }
    bool Delete() override {
        NOTIFYICONDATAA record = Record();
        const bool done = Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
        added_ = false;
        icon_ = IconHandle();
        return done;
    }
    void PostToWindow(std::uint32_t message) override {
        if (window_) PostMessageA(window_, message, 0, 0);
    }

    HWND Window() const { return window_; }

private:
    NOTIFYICONDATAA Record() const {
        NOTIFYICONDATAA record{};
        record.cbSize = kRecordSize;
        record.hWnd = window_;
        record.uID = 0;
        return record;
    }

    bool Notify(DWORD what, const Picture& picture, const std::string& tip) {
        if (!window_) return false;
        IconHandle icon(picture);
        if (!icon.Get()) return false;
        NOTIFYICONDATAA record = Record();
        record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        record.uCallbackMessage = kTrayCallbackMessage;
        record.hIcon = icon.Get();
        const std::size_t length = std::min(tip.size(), kTrayTipLength);
        std::memcpy(record.szTip, tip.data(), length);
        record.szTip[length] = '\0';
        const bool done = Shell_NotifyIconA(what, &record) != FALSE;
        // The shell copies the icon; ours is kept until the next one replaces it.
        if (done) icon_ = std::move(icon);
        return done;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != kTrayCallbackMessage) return DefWindowProcA(window, message, wParam, lParam);
        auto* self = reinterpret_cast<Win32NotificationIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        bool known = false;
        const TrayMouse mouse = MouseOf(static_cast<UINT>(lParam), known);
        if (!self || !known || !self->onMouse_) return 0;
        POINT at{};
        GetCursorPos(&at);
        // The handler goes through the control model's dispatch point; this
        // catch only keeps an exception out of the system's frames.
        try {
            self->onMouse_(mouse, at.x, at.y);
        } catch (...) {
        }
        return 0;
    }

    TrayMouseHandler onMouse_;
    HWND window_ = nullptr;
    IconHandle icon_;
    bool added_ = false;
};

} // namespace

std::unique_ptr<NotificationIcon> Win32NotificationArea::CreateIcon(TrayMouseHandler onMouse) {
    return std::make_unique<Win32NotificationIcon>(std::move(onMouse));
}

std::uintptr_t IconWindow(const NotificationIcon& icon) {
    auto* own = dynamic_cast<const Win32NotificationIcon*>(&icon);
    return own ? reinterpret_cast<std::uintptr_t>(own->Window()) : 0;
}

} // namespace orvane::platform::win32
