#pragma once
// The password dialog: asks for the restore password before the main window
// comes back from the tray, and takes a new one from the settings dialog.
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Panels.h"

namespace orvane::feedback {

class TPasswordDlg : public ui::TForm {
public:
    explicit TPasswordDlg(ui::Application& app);

    ui::TLabel EnterPasswordLbl{*this, "EnterPasswordLbl"};
    ui::TEdit PasswordEdBx{*this, "PasswordEdBx"};
    ui::TButton OKBtn{*this, "OKBtn"};
    ui::TButton CancelBtn{*this, "CancelBtn"};
};

} // namespace orvane::feedback
