#include "ui/Panels.h"

#include "core/Exception.h"

#include <algorithm>

namespace orvane::ui {

TLabel::TLabel(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 32, 13);
    PublishCaption();
    PublishHint();
}

TGroupBox::TGroupBox(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 185, 105);
    PublishCaption();
    PublishHint();
}

TPanel::TPanel(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 185, 41);
    PublishCaption();
    PublishHint();
}

TScrollBox::TScrollBox(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 185, 41);
    PublishHint();
}

TPageControl::TPageControl(Control& parent, std::string name) : Control(parent, std::move(name)) {
    SetBounds(0, 0, 289, 193);
    PublishHint();
    PublishInteger("ActivePageIndex", [this] { return ActivePageIndex(); },
                   [this](int v) { SetActivePageIndex(v); });
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

TTabSheet& TPageControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) throw EListError::OutOfBounds(index);
    return *pages_[static_cast<std::size_t>(index)];
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (activePage_ == page) return;
    activePage_ = page;
    Notify(Prop::ActivePage);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

void TPageControl::UserSelectPage(int index) {
    if (!AcceptsInput() || index < 0 || index >= PageCount()) return;
    PeerSilence silence(*this);
    SetActivePageIndex(index);
}

void TPageControl::AddPage(TTabSheet& page) {
    pages_.push_back(&page);
    if (!activePage_) activePage_ = &page;
}

void TPageControl::RemovePage(TTabSheet& page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), &page), pages_.end());
    if (activePage_ == &page) activePage_ = pages_.empty() ? nullptr : pages_.front();
}

TTabSheet::TTabSheet(TPageControl& pageControl, std::string name)
    : Control(pageControl, std::move(name)), pageControl_(&pageControl) {
    PublishCaption();
    PublishHint();
    pageControl_->AddPage(*this);
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(*this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

} // namespace orvane::ui
