#pragma once
// Controls that show a value: progress bar, track bar, shape and status bar.
// Only the user's move of a track bar raises an event.
#include "ui/Control.h"

#include <string>
#include <vector>

namespace orvane::ui {

// A position kept within a range. Moving one end past the other drags the
// other end along, so the range is never empty.
class RangedPosition {
public:
    RangedPosition(int min, int max, int position) : min_(min), max_(max), position_(position) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Each returns true when the position moved.
    bool SetMin(int min);
    bool SetMax(int max);
    bool SetPosition(int position);

private:
    int min_, max_, position_;
};

class TProgressBar : public Control {
public:
    TProgressBar(Control& parent, std::string name);
    int Min() const { return range_.Min(); }
    int Max() const { return range_.Max(); }
    int Position() const { return range_.Position(); }
    void SetMin(int min);
    void SetMax(int max);
    void SetPosition(int position);

private:
    RangedPosition range_{0, 100, 0};
};

class TTrackBar : public Control {
public:
    TTrackBar(Control& parent, std::string name);
    int Min() const { return range_.Min(); }
    int Max() const { return range_.Max(); }
    int Position() const { return range_.Position(); }
    void SetMin(int min);
    void SetMax(int max);
    void SetPosition(int position);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int size) { lineSize_ = size; }
    // The user moved the thumb; a new position raises OnChange.
    void UserSetPosition(int position);

    NotifyEvent OnChange;

private:
    RangedPosition range_{0, 10, 0};
    int lineSize_ = 1;
};

enum class ShapeType { Rectangle, Ellipse, Circle };

class TShape : public Control {
public:
    TShape(Control& parent, std::string name);
    ShapeType Shape() const { return shape_; }
    void SetShape(ShapeType shape);
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color);

private:
    ShapeType shape_ = ShapeType::Rectangle;
    TColor brushColor_ = clWhite;
};

class TStatusBar : public Control {
public:
    struct Panel {
        std::string text;
        int width = 50;
    };

    TStatusBar(Control& parent, std::string name);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    // Returns the new panel's index.
    int AddPanel(int width);
    // Raise EListError for a bad index.
    const std::string& PanelText(int index) const;
    void SetPanelText(int index, std::string text);
    int PanelWidth(int index) const;

private:
    const Panel& At(int index) const;
    std::vector<Panel> panels_;
};

} // namespace orvane::ui
