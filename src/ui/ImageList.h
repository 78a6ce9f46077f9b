#pragma once
// A list of same-sized images that trees, list views and owner-drawn items
// draw from. The model knows their size and number, and may hold a picture
// for an image: rows of characters, one a pixel, each naming a colour of the
// list's palette (a character the palette lacks is transparent). The native
// side draws those, and a placeholder for an image without one.
#include "ui/Component.h"
#include "ui/Graphics.h"

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

    void SetPalette(std::map<char, TColor> palette) { palette_ = std::move(palette); }
    // The colour a picture's character stands for; false when transparent.
    bool ColourOf(char pixel, TColor& colour) const {
        const auto found = palette_.find(pixel);
        if (found == palette_.end()) return false;
        colour = found->second;
        return true;
    }
    void SetPicture(int index, std::vector<std::string> rows) {
        if (index < 0) return;
        if (static_cast<std::size_t>(index) >= pictures_.size()) pictures_.resize(static_cast<std::size_t>(index) + 1);
        pictures_[static_cast<std::size_t>(index)] = std::move(rows);
    }
    // The rows of an image's picture; empty when it has none.
    const std::vector<std::string>& Picture(int index) const {
        static const std::vector<std::string> kNone;
        return index >= 0 && static_cast<std::size_t>(index) < pictures_.size()
                   ? pictures_[static_cast<std::size_t>(index)]
                   : kNone;
    }

private:
    std::map<char, TColor> palette_;
    std::vector<std::vector<std::string>> pictures_;
    int width_ = 16;
    int height_ = 16;
    int count_ = 0;
};

} // namespace orvane::ui
