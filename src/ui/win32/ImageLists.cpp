#include "ui/win32/ImageLists.h"

#include "ui/win32/Win32Ui.h"

#include <algorithm>
#include <map>

namespace orvane::ui::win32 {
namespace {

const COLORREF kMask = RGB(255, 0, 255);

const COLORREF kPalette[] = {
    RGB(0, 102, 204), RGB(160, 160, 160), RGB(204, 51, 51), RGB(0, 153, 51),   RGB(255, 204, 0),  RGB(153, 51, 204),
    RGB(0, 170, 170), RGB(255, 128, 0),   RGB(102, 51, 0),  RGB(255, 102, 178), RGB(51, 51, 153), RGB(128, 128, 0),
};
constexpr int kPaletteSize = static_cast<int>(sizeof(kPalette) / sizeof(kPalette[0]));

struct Entry {
    HIMAGELIST list = nullptr;
    int width = 0;
    int height = 0;
    int count = 0;
};

// Handles live as long as the program; destroyed at its end.
class Cache {
public:
    ~Cache() {
        for (auto& [images, entry] : entries_) ImageList_Destroy(entry.list);
    }
    Entry& operator[](const TImageList* images) { return entries_[images]; }

private:
    std::map<const TImageList*, Entry> entries_;
};

// Index modulo four picks the shape: square, disc, triangle, diamond; the
// colour changes with every index.
void DrawPlaceholder(HDC dc, int index, int width, int height) {
    RECT all{0, 0, width, height};
    HBRUSH mask = CreateSolidBrush(kMask);
    FillRect(dc, &all, mask);
    DeleteObject(mask);

    HBRUSH fill = CreateSolidBrush(PlaceholderColor(index));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int l = 1, t = 1, r = std::max(width - 1, 2), b = std::max(height - 1, 2);
    const int cx = width / 2, cy = height / 2;
    switch (index % 4) {
    case 0:
        Rectangle(dc, l + 1, t + 1, r - 1, b - 1);
        break;
    case 1:
        Ellipse(dc, l, t, r, b);
        break;
    case 2: {
        POINT triangle[] = {{cx, t}, {r - 1, b - 2}, {l, b - 2}};
        Polygon(dc, triangle, 3);
        break;
    }
    default: {
        POINT diamond[] = {{cx, t}, {r - 1, cy}, {cx, b - 1}, {l, cy}};
        Polygon(dc, diamond, 4);
        break;
    }
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(fill);
}

// The model's picture; outside it, and where a pixel is transparent, the
// mask shows through.
void DrawPicture(HDC dc, const platform::Picture& picture, int width, int height) {
    RECT all{0, 0, width, height};
    HBRUSH mask = CreateSolidBrush(kMask);
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    for (int y = 0; y < height && y < picture.height; ++y)
        for (int x = 0; x < width && x < picture.width; ++x) {
            const std::uint32_t argb = picture.At(x, y);
            if (argb >> 24) SetPixel(dc, x, y, RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
        }
}

void AddImage(HIMAGELIST list, const TImageList& images, int index, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    if (const platform::Picture* picture = images.Picture(index))
        DrawPicture(dc, *picture, width, height);
    else
        DrawPlaceholder(dc, index, width, height);
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(list, bitmap, kMask);
    DeleteObject(bitmap);
}

} // namespace

COLORREF PlaceholderColor(int index) { return kPalette[(index < 0 ? 0 : index) % kPaletteSize]; }

HIMAGELIST ImageListFor(Win32Ui&, TImageList& images) {
    static Cache cache;
    Entry& entry = cache[&images];
    const int width = std::max(images.Width(), 1), height = std::max(images.Height(), 1);
    if (!entry.list) {
        entry.list = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, images.Count(), 4);
        if (!entry.list) return nullptr;
        entry.width = width;
        entry.height = height;
    } else if (entry.width != width || entry.height != height) {
        // Resizing empties the list; it is filled again below.
        ImageList_SetIconSize(entry.list, width, height);
        entry.width = width;
        entry.height = height;
        entry.count = 0;
    }
    for (; entry.count > images.Count(); --entry.count) ImageList_Remove(entry.list, entry.count - 1);
    for (; entry.count < images.Count(); ++entry.count) AddImage(entry.list, images, entry.count, width, height);
    return entry.list;
}

} // namespace orvane::ui::win32
