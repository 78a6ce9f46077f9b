#pragma once
// Drawing straight on the screen through the desktop window's device context:
// a line of text, the screen area under it copied away and put back, or every
// window asked to repaint.
#include <cstdint>
#include <memory>
#include <string>

namespace orvane::platform {

struct ScreenFont {
    std::string name;
    std::uint32_t color = 0; // 0x00BBGGRR
    int size = 0;            // points
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool operator==(const ScreenFont&) const = default;
};

struct ScreenSize {
    int width = 0, height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// How the text cell is drawn: glyphs only, or filled black or white.
enum class TextBackground { Transparent, Black, White };

// Screen contents copied away.
class ScreenCopy {
public:
    virtual ~ScreenCopy() = default;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The desktop's horizontal and vertical resolution.
    virtual ScreenSize Resolution() = 0;
    // Width and height of one line of text in the font.
    virtual ScreenSize TextExtent(const ScreenFont& font, const std::string& text) = 0;
    virtual std::unique_ptr<ScreenCopy> Copy(int left, int top, int width, int height) = 0;
    // Puts a copy back at this place, with its own size.
    virtual void PutBack(const ScreenCopy& copy, int left, int top) = 0;
    virtual void DrawLine(int left, int top, const std::string& text, const ScreenFont& font,
                          TextBackground background) = 0;
    // Invalidates every window with background erasure, passing the rectangle.
    virtual void InvalidateAll(int left, int top, int right, int bottom) = 0;
};

} // namespace orvane::platform
