#include "feedback/TrayIcon.h"

#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace orvane::feedback {

using platform::TrayMouse;

TWinTaskbar::TWinTaskbar(ui::Component& owner, std::string name, platform::NotificationArea& area)
    : Component(&owner, std::move(name)) {
    PublishText("Hint", [this] { return hint_; }, [this](const std::string& hint) { SetHint(hint); });
    // The shell's messages are events from outside: through the dispatch point.
    tray_ = area.CreateIcon([this](TrayMouse mouse, int x, int y) {
        Dispatch([this, mouse, x, y] { UserMouse(mouse, x, y); });
    });
}

TWinTaskbar::~TWinTaskbar() {
    // The icon goes with its holder, before anything its handlers use.
    tray_.reset();
}

void TWinTaskbar::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    UpdateTray();
}

void TWinTaskbar::SetShowIcon(bool show) {
    if (show == showIcon_) return;
    showIcon_ = show;
    UpdateTray();
}

void TWinTaskbar::SetIcon(const ui::TImageList* icon) {
    if (icon == icon_) return;
    icon_ = icon;
    UpdateTray();
}

void TWinTaskbar::UpdateTray() {
    const platform::Picture* picture = icon_ ? icon_->Picture(0) : nullptr;
    if (!tray_) return;
    if (showIcon_ && picture) {
        // An icon the shell refused is offered again at the next change.
        if (!inTray_)
            inTray_ = tray_->Add(*picture, hint_);
        else
            tray_->Modify(*picture, hint_);
    } else if (inTray_) {
        tray_->Delete();
        inTray_ = false;
    }
}

void TWinTaskbar::UserMouse(TrayMouse mouse, int x, int y) {
    switch (mouse) {
    case TrayMouse::LeftDown:
        break;
    case TrayMouse::LeftUp:
        if (swallowNextUp_) {
            swallowNextUp_ = false;
            break;
        }
        if (OnClick) OnClick(this);
        break;
    case TrayMouse::LeftDouble:
    case TrayMouse::RightDouble:
    case TrayMouse::MiddleDouble:
        swallowNextUp_ = mouse == TrayMouse::LeftDouble;
        if (OnDblClick) OnDblClick(this);
        break;
    case TrayMouse::RightDown:
        if (popUpMenu_) popUpMenu_->Popup({x, y});
        if (tray_) tray_->PostToWindow(kFirstUserMessage);
        break;
    default:
        break;
    }
}

} // namespace orvane::feedback
