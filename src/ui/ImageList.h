#pragma once
// A list of same-sized images that trees, list views and owner-drawn items
// draw from. The pictures themselves are resources the native side loads by
// the list's name; the model knows their size and number.
#include "ui/Component.h"

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

private:
    int width_ = 16;
    int height_ = 16;
    int count_ = 0;
};

} // namespace orvane::ui
