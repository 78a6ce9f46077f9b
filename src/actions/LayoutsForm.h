#pragma once
// The layout manager: creates, renames, binds and deletes the layouts after
// the default one, by hand or from the windows open at the moment.
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"

namespace orvane::actions {

class TLayoutsForm : public ui::TForm {
public:
    explicit TLayoutsForm(ui::Application& app);

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
};

} // namespace orvane::actions
