#include "platform/win32/Win32Screen.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

// The desktop window's device context for the length of one drawing.
class DesktopDc {
public:
    DesktopDc() : window_(GetDesktopWindow()), dc_(GetDC(window_)) {}
    ~DesktopDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    DesktopDc(const DesktopDc&) = delete;
    DesktopDc& operator=(const DesktopDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A GDI font selected into a device context for the length of one drawing.
class SelectedFont {
public:
    SelectedFont(HDC dc, const ScreenFont& font) : dc_(dc) {
        LOGFONTA description{};
        description.lfHeight = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
        description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        description.lfItalic = font.italic;
        description.lfUnderline = font.underline;
        description.lfStrikeOut = font.strikeOut;
        description.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(description.lfFaceName, font.name.c_str(), LF_FACESIZE);
        font_ = CreateFontIndirectA(&description);
        old_ = font_ ? SelectObject(dc, font_) : nullptr;
    }
    ~SelectedFont() {
        if (old_) SelectObject(dc_, old_);
        if (font_) DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

class BitmapCopy : public ScreenCopy {
public:
    BitmapCopy(HDC screen, int left, int top, int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(screen)),
          bitmap_(CreateCompatibleBitmap(screen, width, height)) {
        if (dc_ && bitmap_) {
            old_ = SelectObject(dc_, bitmap_);
            BitBlt(dc_, 0, 0, width, height, screen, left, top, SRCCOPY);
        }
    }
    ~BitmapCopy() override {
        if (old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    BitmapCopy(const BitmapCopy&) = delete;
    BitmapCopy& operator=(const BitmapCopy&) = delete;

    void PutBack(HDC screen, int left, int top) const {
        if (old_) BitBlt(screen, left, top, width_, height_, dc_, 0, 0, SRCCOPY);
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_ = nullptr;
};

} // namespace

ScreenSize Win32Screen::Resolution() {
    DesktopDc dc;
    return {GetDeviceCaps(dc.get(), HORZRES), GetDeviceCaps(dc.get(), VERTRES)};
}

ScreenSize Win32Screen::TextExtent(const ScreenFont& font, const std::string& text) {
    DesktopDc dc;
    SelectedFont selected(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

std::unique_ptr<ScreenCopy> Win32Screen::Copy(int left, int top, int width, int height) {
    DesktopDc dc;
    return std::make_unique<BitmapCopy>(dc.get(), left, top, width, height);
}

void Win32Screen::PutBack(const ScreenCopy& copy, int left, int top) {
    DesktopDc dc;
    static_cast<const BitmapCopy&>(copy).PutBack(dc.get(), left, top);
}

void Win32Screen::DrawLine(int left, int top, const std::string& text, const ScreenFont& font,
                           TextBackground background) {
    DesktopDc dc;
    SelectedFont selected(dc.get(), font);
    if (background == TextBackground::Transparent) {
        SetBkMode(dc.get(), TRANSPARENT);
    } else {
        SetBkMode(dc.get(), OPAQUE);
        SetBkColor(dc.get(), background == TextBackground::Black ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
    SetTextColor(dc.get(), font.color);
    TextOutA(dc.get(), left, top, text.c_str(), static_cast<int>(text.size()));
}

void Win32Screen::InvalidateAll(int left, int top, int right, int bottom) {
    const RECT rect{left, top, right, bottom};
    InvalidateRect(nullptr, &rect, TRUE);
}

} // namespace orvane::platform::win32
