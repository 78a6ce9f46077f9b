#include "ui/win32/DeviceCanvas.h"

#include "ui/ImageList.h"
#include "ui/win32/ImageLists.h"
#include "ui/win32/Win32Ui.h"

namespace orvane::ui::win32 {

COLORREF ColorRefOf(TColor color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

DeviceCanvas::DeviceCanvas(Win32Ui& ui, HDC dc)
    : ui_(ui),
      dc_(dc),
      oldFont_(SelectObject(dc, ui.Font())),
      savedMode_(GetBkMode(dc)),
      savedText_(GetTextColor(dc)),
      savedBack_(GetBkColor(dc)) {}

DeviceCanvas::~DeviceCanvas() {
    SetBkMode(dc_, savedMode_);
    SetTextColor(dc_, savedText_);
    SetBkColor(dc_, savedBack_);
    SelectObject(dc_, oldFont_);
}

void DeviceCanvas::FillRect(const Rect& rect) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(ColorRefOf(brush_));
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void DeviceCanvas::TextOut(int x, int y, const std::string& text) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorRefOf(brush_));
    SetTextColor(dc_, ColorRefOf(font_));
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int DeviceCanvas::TextWidth(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int DeviceCanvas::TextHeight(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

void DeviceCanvas::DrawImage(const TImageList& images, int index, int x, int y) {
    // The system list is looked up by the model's list, which it only reads.
    HIMAGELIST list = ImageListFor(ui_, const_cast<TImageList&>(images));
    if (list && index >= 0 && index < ImageList_GetImageCount(list))
        ImageList_Draw(list, index, dc_, x, y, ILD_TRANSPARENT);
}

} // namespace orvane::ui::win32
