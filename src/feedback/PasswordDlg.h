#pragma once
// The password dialog: asks for the restore password before the main window
// comes back from the tray, and takes a new one from the settings dialog.
#include "feedback/Encryption.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Panels.h"

#include <optional>
#include <string>

namespace orvane::feedback {

class TPasswordDlg : public ui::TForm {
public:
    explicit TPasswordDlg(ui::Application& app);

    ui::TLabel EnterPasswordLbl{*this, "EnterPasswordLbl"};
    ui::TEdit PasswordEdBx{*this, "PasswordEdBx"};
    ui::TButton OKBtn{*this, "OKBtn"};
    ui::TButton CancelBtn{*this, "CancelBtn"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::PasswordDlgKeys()};
};

// Restoring from the tray: asks for the password when one is stored (an empty
// "Restore" asks nothing) and says whether the entry deciphers from the stored
// text exactly, letter case included. A stored text that is not hexadecimal
// raises EConvertError.
bool ConfirmRestore(TPasswordDlg& dialog, TArnEncryption& cipher, const std::string& stored);

// Asks for a new restore password; the enciphered text to store (empty for an
// empty entry, which removes the protection), or nothing when cancelled.
std::optional<std::string> AskNewPassword(TPasswordDlg& dialog, TArnEncryption& cipher);

} // namespace orvane::feedback
