#pragma once
// A list of same-sized images that trees, list views and owner-drawn items
// draw from. The model knows their size and number, and may hold a picture
// the program draws itself for an image (the tray's logos, the commands
// tree's keys); the native side draws those, and a placeholder for an image
// without one.
#include "platform/Picture.h"
#include "ui/Component.h"
#include "ui/Graphics.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orvane::ui {

class TImageList : public Component {
public:
    TImageList(Component& owner, std::string name) : Component(&owner, std::move(name)) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count < 0 ? 0 : count; }

    // The picture drawn for an image, or none.
    const platform::Picture* Picture(int index) const {
        return index >= 0 && index < static_cast<int>(pictures_.size()) && !pictures_[index].pixels.empty()
                   ? &pictures_[index]
                   : nullptr;
    }
    void SetPicture(int index, platform::Picture picture) {
        if (index < 0) return;
        if (index >= static_cast<int>(pictures_.size())) pictures_.resize(index + 1);
        pictures_[index] = std::move(picture);
    }

    // Pictures drawn by hand: rows of characters, one a pixel, each naming a
    // colour of the palette; a character the palette lacks is transparent.
    void SetPalette(std::map<char, TColor> palette) { palette_ = std::move(palette); }
    void SetPicture(int index, const std::vector<std::string>& rows) {
        platform::Picture picture;
        picture.height = static_cast<int>(rows.size());
        for (const std::string& row : rows) picture.width = std::max(picture.width, static_cast<int>(row.size()));
        picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
        for (int y = 0; y < picture.height; ++y) {
            const std::string& row = rows[static_cast<std::size_t>(y)];
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const auto found = palette_.find(row[static_cast<std::size_t>(x)]);
                if (found == palette_.end()) continue;
                // The palette is in the system's blue-green-red order.
                const TColor c = found->second;
                picture.pixels[static_cast<std::size_t>(y) * picture.width + x] =
                    0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
            }
        }
        SetPicture(index, std::move(picture));
    }

private:
    std::map<char, TColor> palette_;
    int width_ = 16;
    int height_ = 16;
    int count_ = 0;
    std::vector<platform::Picture> pictures_;
};

} // namespace orvane::ui
