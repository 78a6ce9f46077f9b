#pragma once
// The drawing surface an owner-drawn item paints on, over the device context
// the system hands out with WM_DRAWITEM. It draws with the program's font and
// keeps the context as it found it.
#include "ui/Graphics.h"

#include "ui/win32/SystemHeaders.h"

namespace orvane::ui::win32 {

class Win32Ui;

// The COLORREF of a model colour: system colours by their number.
COLORREF ColorRefOf(TColor color);

class DeviceCanvas : public TCanvas {
public:
    DeviceCanvas(Win32Ui& ui, HDC dc);
    ~DeviceCanvas() override;
    DeviceCanvas(const DeviceCanvas&) = delete;
    DeviceCanvas& operator=(const DeviceCanvas&) = delete;

    void SetBrushColor(TColor color) override { brush_ = color; }
    void SetFontColor(TColor color) override { font_ = color; }
    void FillRect(const Rect& rect) override;
    // On the brush colour, as a solid brush draws text.
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void DrawImage(const TImageList& images, int index, int x, int y) override;

private:
    Win32Ui& ui_;
    HDC dc_;
    HGDIOBJ oldFont_;
    int savedMode_;
    COLORREF savedText_;
    COLORREF savedBack_;
    TColor brush_ = clWindow;
    TColor font_ = clWindowText;
};

} // namespace orvane::ui::win32
