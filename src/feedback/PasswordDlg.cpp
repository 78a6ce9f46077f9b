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

} // namespace orvane::feedback
