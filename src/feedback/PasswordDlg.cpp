#include "feedback/PasswordDlg.h"

namespace orvane::feedback {

using namespace ui;

TPasswordDlg::TPasswordDlg(Application& app) : TForm(app, "PasswordDlg") {
    SetCaption("Settings protection");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(233, 89);

    EnterPasswordLbl.SetCaption("Enter password:");
    EnterPasswordLbl.SetBounds(8, 9, 120, 13);
    PasswordEdBx.SetPasswordChar('*');
    PasswordEdBx.SetBounds(8, 25, 217, 21);

    OKBtn.SetCaption("OK");
    OKBtn.SetBounds(69, 56, 75, 25);
    OKBtn.SetDefault(true);
    OKBtn.SetModalResult(mrOk);
    CancelBtn.SetCaption("Cancel");
    CancelBtn.SetBounds(150, 56, 75, 25);
    CancelBtn.SetCancel(true);
    CancelBtn.SetModalResult(mrCancel);

    SetActiveControl(&PasswordEdBx);
}

bool ConfirmRestore(TPasswordDlg& dialog, TArnEncryption& cipher, const std::string& stored) {
    dialog.PasswordEdBx.SetText("");
    if (!stored.empty() && dialog.ShowModal() != mrOk) return false;
    cipher.Key = kRestoreKey;
    cipher.Input = stored;
    cipher.Action = TActionType::atDecryption;
    cipher.Execute();
    return cipher.Output == dialog.PasswordEdBx.Text();
}

std::optional<std::string> AskNewPassword(TPasswordDlg& dialog, TArnEncryption& cipher) {
    dialog.PasswordEdBx.SetText("");
    if (dialog.ShowModal() != mrOk) return std::nullopt;
    cipher.Key = kRestoreKey;
    cipher.Input = dialog.PasswordEdBx.Text();
    cipher.Action = TActionType::atEncryption;
    cipher.Execute();
    return cipher.Output;
}

} // namespace orvane::feedback
