#pragma once
// Geometry, colours, fonts and the drawing surface that owner-drawn items
// paint on. Colours are Win32 COLORREF values (0x00BBGGRR); the system colours
// carry the high bit and the system colour number, so the native side maps
// them straight to GetSysColor.
#include <cstdint>
#include <string>

namespace orvane::ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clTeal = 0x808000;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clMenuText = 0x80000007;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnFace = 0x8000000F;

// Font style bits, one per flag.
enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFont {
    std::string name = "MS Sans Serif";
    TColor color = clWindowText;
    int size = 8; // points
    unsigned style = 0;
    friend bool operator==(const TFont&, const TFont&) = default;
};

class TImageList;

// The surface of one owner-drawn item. The native side prepares it the way the
// system draws the item (brush and font colour for its state) before the
// handler runs.
class TCanvas {
public:
    virtual ~TCanvas() = default;
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetFontColor(TColor color) = 0;
    virtual void FillRect(const Rect& rect) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void DrawImage(const TImageList& images, int index, int x, int y) = 0;
};

// Text width when no window can measure it: every character counts as six
// pixels, about the average width of the default dialog font.
inline int HeadlessTextWidth(const std::string& text) { return static_cast<int>(text.size()) * 6; }

} // namespace orvane::ui
