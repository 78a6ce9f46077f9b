// The running state's side of the main window: the tray icon's menu and the
// way back from the tray, behind the restore password.
#include "feedback/PasswordDlg.h"
#include "program/MainForm.h"

namespace orvane::program {

void TMainForm::TrayIconDblClick(ui::Component*) {
    if (!passwordDlg_) return;
    // A cancelled dialog or a wrong password says nothing: the user may try again.
    if (!feedback::ConfirmRestore(*passwordDlg_, ArnEncryption, ReadSettingString("Restore"))) return;
    App().SetCursor(ui::Cursor::HourGlass);
    // Shown while the icon is still up, so that the settings are not loaded again.
    Show();
    App().Restore();
    App().ShowTaskbarButton(true);
    TrayIcon.SetShowIcon(false);
    App().SetCursor(ui::Cursor::Default);
    platform_.windows.BringToFront(Handle());
}

void TMainForm::TrayPopUpMenuPopup(ui::Component*) {
    ui::TMenuItem& items = TrayPopUpMenu.Items();
    while (items.Count() > 1) items.Delete(items.Count() - 1);
    items.Add(ui::CopyMenuItem(EnableOriginMenu, this, false));
    auto line = std::make_unique<ui::TMenuItem>(this, "TrayExitMenuItem");
    line->SetCaption("-");
    items.Add(std::move(line));
    items.Add(ui::CopyMenuItem(ExitMenu, this, false));
}

} // namespace orvane::program
