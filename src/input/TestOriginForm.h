#pragma once
// The origin test viewer: the raw codes of one origin, one line each, shown
// instead of being recognised while the viewer is open.
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Lists.h"
#include "ui/Panels.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::input {

class TTestOriginForm : public ui::TForm {
public:
    explicit TTestOriginForm(ui::Application& app);

    // What the main window lends it: the cleaned captions of the checked
    // origins in their order; running exactly the origin with this caption
    // (an empty one stops them all); switching the selected origins on.
    std::function<std::vector<std::string>()> CheckedOrigins;
    std::function<void(const std::string& caption)> RunOnly;
    std::function<void()> SwitchOriginsOn;

    // Lists the checked origins with none chosen, so nothing runs yet.
    void FormShow(ui::Component* sender);
    // Runs the chosen origin alone.
    void ShowDataFromCoBxChange(ui::Component* sender);
    // Stops every origin, then switches the selected ones on.
    void FormClose(ui::Component* sender, ui::CloseAction& action);

    // The choice of origin and format along the top.
    ui::TPanel Panel1{*this, "Panel1"};
    ui::TLabel ShowDataFromLbl{Panel1, "ShowDataFromLbl"};
    ui::TComboBox ShowDataFromCoBx{Panel1, "ShowDataFromCoBx"};
    ui::TLabel DataFormatLbl{Panel1, "DataFormatLbl"};
    ui::TComboBox DataFormatCoBx{Panel1, "DataFormatCoBx"};

    // The buttons along the bottom.
    ui::TPanel Panel2{*this, "Panel2"};
    ui::TButton CloseBtn{Panel2, "CloseBtn"};
    ui::TButton HelpBtn{Panel2, "HelpBtn"};

    // Margins either side of the memo.
    ui::TPanel Panel3{*this, "Panel3"};
    ui::TPanel Panel4{*this, "Panel4"};
    ui::TMemo Memo{*this, "Memo"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::TestOriginFormKeys()};
};

} // namespace orvane::input
