#pragma once
// The program's icon in the notification area, shown while it runs with the
// main window hidden. This component holds what the icon shows and where the
// user's clicks go; its peer on the native side puts it into the tray, so a
// change of the icon, the hint or ShowIcon reaches the tray at once.
#include "ui/Component.h"
#include "ui/Events.h"

#include <string>

namespace orvane::ui {
class TImageList;
class TPopupMenu;
} // namespace orvane::ui

namespace orvane::feedback {

class TWinTaskbar : public ui::Component {
public:
    TWinTaskbar(ui::Component& owner, std::string name) : Component(&owner, std::move(name)) {
        PublishText("Hint", [this] { return hint_; }, [this](const std::string& hint) { SetHint(hint); });
    }

    // The tip shown over the icon.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) {
        if (hint == hint_) return;
        hint_ = std::move(hint);
        Notify(ui::Prop::Hint);
    }

    // The icon is in the tray only while this is set and it has a picture.
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool show) {
        if (show == showIcon_) return;
        showIcon_ = show;
        Notify(ui::Prop::Visible);
    }

    // The picture: the first image of a list (the idle or the activity logo).
    const ui::TImageList* Icon() const { return icon_; }
    void SetIcon(const ui::TImageList* icon) {
        if (icon == icon_) return;
        icon_ = icon;
        Notify(ui::Prop::Images);
    }

    // Opened by a right click on the icon.
    ui::TPopupMenu* PopUpMenu() const { return popUpMenu_; }
    void SetPopUpMenu(ui::TPopupMenu* menu) { popUpMenu_ = menu; }

    ui::NotifyEvent OnClick;
    ui::NotifyEvent OnDblClick;

    // What the user did to the icon, reported by the peer.
    void UserClicked() {
        if (OnClick) Dispatch([this] { OnClick(this); });
    }
    void UserDblClicked() {
        if (OnDblClick) Dispatch([this] { OnDblClick(this); });
    }

private:
    std::string hint_;
    bool showIcon_ = false;
    const ui::TImageList* icon_ = nullptr;
    ui::TPopupMenu* popUpMenu_ = nullptr;
};

} // namespace orvane::feedback
