#pragma once
// A list of same-sized images that trees, list views and owner-drawn items
// draw from. The pictures themselves are resources the native side loads by
// the list's name; the model knows their size and number. A picture the
// program draws itself can be given instead (the tray's logos).
#include "platform/Picture.h"
#include "ui/Component.h"

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

private:
    int width_ = 16;
    int height_ = 16;
    int count_ = 0;
    std::vector<platform::Picture> pictures_;
};

} // namespace orvane::ui
