#pragma once
// The program's icon in the notification area, shown while it runs with the
// main window hidden. A change of the icon, the hint or ShowIcon reaches the
// tray at once; the mouse over the icon comes back as clicks, double clicks
// and the pop-up menu.
#include "platform/NotificationArea.h"
#include "ui/Component.h"
#include "ui/Events.h"

#include <memory>
#include <string>

namespace orvane::ui {
class TImageList;
class TPopupMenu;
} // namespace orvane::ui

namespace orvane::feedback {

// The first user message number, posted to the icon's window after its menu.
inline constexpr std::uint32_t kFirstUserMessage = 1024;

class TWinTaskbar : public ui::Component {
public:
    TWinTaskbar(ui::Component& owner, std::string name, platform::NotificationArea& area);
    ~TWinTaskbar() override;

    // The tip shown over the icon; the tray shows its first 63 characters.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);

    // The icon is in the tray only while this is set and it has a picture.
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool show);

    // The picture: the first image of a list (the idle or the activity logo).
    const ui::TImageList* Icon() const { return icon_; }
    void SetIcon(const ui::TImageList* icon);

    // Whether the icon is in the tray now.
    bool InTray() const { return inTray_; }

    // Opened by a right click on the icon.
    ui::TPopupMenu* PopUpMenu() const { return popUpMenu_; }
    void SetPopUpMenu(ui::TPopupMenu* menu) { popUpMenu_ = menu; }

    ui::NotifyEvent OnClick;
    ui::NotifyEvent OnDblClick;

    // The mouse over the icon, as the shell reports it; the cursor at (x, y).
    void UserMouse(platform::TrayMouse mouse, int x, int y);

private:
    void UpdateTray();

    std::unique_ptr<platform::NotificationIcon> tray_;
    std::string hint_;
    bool showIcon_ = false;
    bool inTray_ = false;
    // The button-up after a double click belongs to the double click.
    bool swallowNextUp_ = false;
    const ui::TImageList* icon_ = nullptr;
    ui::TPopupMenu* popUpMenu_ = nullptr;
};

} // namespace orvane::feedback
