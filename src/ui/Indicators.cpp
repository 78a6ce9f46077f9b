#include "ui/Indicators.h"

#include "core/Exception.h"

#include <algorithm>

namespace orvane::ui {

bool RangedPosition::SetMin(int min) {
    min_ = min;
    if (max_ < min_) max_ = min_;
    return SetPosition(position_);
}

bool RangedPosition::SetMax(int max) {
    max_ = max;
    if (min_ > max_) min_ = max_;
    return SetPosition(position_);
}

bool RangedPosition::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return false;
    position_ = position;
    return true;
}

TProgressBar::TProgressBar(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 150, 16);
    PublishHint();
    PublishInteger("Min", [this] { return Min(); }, [this](int v) { SetMin(v); });
    PublishInteger("Max", [this] { return Max(); }, [this](int v) { SetMax(v); });
    PublishInteger("Position", [this] { return Position(); }, [this](int v) { SetPosition(v); });
}

void TProgressBar::SetMin(int min) {
    const bool moved = range_.SetMin(min);
    Notify(Prop::Range);
    if (moved) Notify(Prop::Position);
}

void TProgressBar::SetMax(int max) {
    const bool moved = range_.SetMax(max);
    Notify(Prop::Range);
    if (moved) Notify(Prop::Position);
}

void TProgressBar::SetPosition(int position) {
    if (range_.SetPosition(position)) Notify(Prop::Position);
}

TTrackBar::TTrackBar(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 150, 45);
    PublishHint();
    PublishInteger("Min", [this] { return Min(); }, [this](int v) { SetMin(v); });
    PublishInteger("Max", [this] { return Max(); }, [this](int v) { SetMax(v); });
    PublishInteger("Position", [this] { return Position(); }, [this](int v) { SetPosition(v); });
}

void TTrackBar::SetMin(int min) {
    const bool moved = range_.SetMin(min);
    Notify(Prop::Range);
    if (moved) Notify(Prop::Position);
}

void TTrackBar::SetMax(int max) {
    const bool moved = range_.SetMax(max);
    Notify(Prop::Range);
    if (moved) Notify(Prop::Position);
}

void TTrackBar::SetPosition(int position) {
    if (range_.SetPosition(position)) Notify(Prop::Position);
}

void TTrackBar::UserSetPosition(int position) {
    if (!AcceptsInput()) return;
    bool moved = false;
    {
        PeerSilence silence(*this);
        moved = range_.SetPosition(position);
    }
    if (moved && OnChange) Dispatch([this] { OnChange(this); });
}

TShape::TShape(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(ShapeType shape) {
    if (shape_ == shape) return;
    shape_ = shape;
    Notify(Prop::Style);
}

void TShape::SetBrushColor(TColor color) {
    if (brushColor_ == color) return;
    brushColor_ = color;
    Notify(Prop::BrushColor);
}

TStatusBar::TStatusBar(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 200, 19);
    PublishHint();
}

int TStatusBar::AddPanel(int width) {
    panels_.push_back(Panel{{}, width});
    Notify(Prop::Panels);
    return PanelCount() - 1;
}

const TStatusBar::Panel& TStatusBar::At(int index) const {
    if (index < 0 || index >= PanelCount()) throw EListError::OutOfBounds(index);
    return panels_[static_cast<std::size_t>(index)];
}

const std::string& TStatusBar::PanelText(int index) const { return At(index).text; }

int TStatusBar::PanelWidth(int index) const { return At(index).width; }

void TStatusBar::SetPanelText(int index, std::string text) {
    At(index);
    auto& panel = panels_[static_cast<std::size_t>(index)];
    if (panel.text == text) return;
    panel.text = std::move(text);
    Notify(Prop::Panels);
}

} // namespace orvane::ui
