#pragma once
// The layout manager: creates, renames, binds and deletes the layouts after
// the default one, by hand or from the windows open at the moment.
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"

#include <memory>

namespace orvane::core {
class Configuration;
}

namespace orvane::actions {

class TLayoutsForm : public ui::TForm {
public:
    explicit TLayoutsForm(ui::Application& app);

    // The configuration whose layouts the list mirrors, from entry 1 on. The
    // main window re-creates it on New and Open, so the owner is held.
    void AttachConfiguration(const std::unique_ptr<core::Configuration>& model) { model_ = &model; }

    // A new layout named "My layout", bound to no window, at the end of the
    // main window's layouts and of the list, where it is selected. Only the
    // silent form (no sender, as the file reader calls it) exists so far: the
    // button's prompt comes with the rest of the dialog, and nothing binds it.
    void NewLayoutBtnClick(ui::Component* sender);
    // Loads the selected layout's texts into the boxes, or clears them.
    void LayoutListClick(ui::Component* sender);

    ui::TGroupBox LayoutListGrpBx{*this, "LayoutListGrpBx"};
    ui::TListView LayoutList{LayoutListGrpBx, "LayoutList"};
    ui::TButton NewLayoutBtn{LayoutListGrpBx, "NewLayoutBtn"};
    ui::TButton DeleteLayoutBtn{LayoutListGrpBx, "DeleteLayoutBtn"};
    ui::TLabel LayoutNameLbl{LayoutListGrpBx, "LayoutNameLbl"};
    ui::TEdit LayoutNameEdBx{LayoutListGrpBx, "LayoutNameEdBx"};
    ui::TLabel ApplicationLbl{LayoutListGrpBx, "ApplicationLbl"};
    ui::TEdit ApplicationEdBx{LayoutListGrpBx, "ApplicationEdBx"};
    ui::TLabel WndTitleLbl{LayoutListGrpBx, "WndTitleLbl"};
    ui::TEdit WndTitleEdBx{LayoutListGrpBx, "WndTitleEdBx"};
    ui::TButton ApplyBtn{LayoutListGrpBx, "ApplyBtn"};

    ui::TGroupBox RunningAppsGrpBx{*this, "RunningAppsGrpBx"};
    ui::TRadioButton VisibleRBtn{RunningAppsGrpBx, "VisibleRBtn"};
    ui::TRadioButton AllRBtn{RunningAppsGrpBx, "AllRBtn"};
    ui::TTreeView ActiveWndsTree{RunningAppsGrpBx, "ActiveWndsTree"};
    ui::TButton AddBtn{RunningAppsGrpBx, "AddBtn"};

    ui::TButton CloseBtn{*this, "CloseBtn"};
    ui::TButton HelpBtn{*this, "HelpBtn"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::LayoutsFormKeys()};

private:
    const std::unique_ptr<core::Configuration>* model_ = nullptr;
};

} // namespace orvane::actions
