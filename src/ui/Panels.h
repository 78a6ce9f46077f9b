#pragma once
// Static text and the controls that hold others: label, group box, panel,
// scroll box, and the page control with its tab sheets.
#include "ui/Control.h"

#include <vector>

namespace orvane::ui {

class TLabel : public Control {
public:
    TLabel(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;
};

class TGroupBox : public Control {
public:
    TGroupBox(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;
};

class TPanel : public Control {
public:
    TPanel(Control& parent, std::string name);
    using Control::Caption;
    using Control::SetCaption;
};

class TScrollBox : public Control {
public:
    TScrollBox(Control& parent, std::string name);
};

class TTabSheet;

// Shows one of its pages at a time. The user's choice of tab raises nothing.
class TPageControl : public Control {
public:
    TPageControl(Control& parent, std::string name);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises EListError for a bad index.
    TTabSheet& Page(int index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    void UserSelectPage(int index);

private:
    friend class TTabSheet;
    void AddPage(TTabSheet& page);
    void RemovePage(TTabSheet& page);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

class TTabSheet : public Control {
public:
    TTabSheet(TPageControl& pageControl, std::string name);
    ~TTabSheet() override;
    using Control::Caption;
    using Control::SetCaption;

    // The page control, or none once it is gone.
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;

private:
    friend class TPageControl;
    TPageControl* pageControl_;
};

} // namespace orvane::ui
