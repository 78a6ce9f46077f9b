#pragma once
// The layout manager: creates, renames, binds and deletes the layouts after
// the default one, by hand or from the windows open at the moment.
#include "platform/WindowSystem.h"
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
struct TLayout;
}

namespace orvane::actions {

class TLayoutsForm : public ui::TForm {
public:
    // The running windows tree reads the desktop's windows; without the
    // system it stays empty.
    explicit TLayoutsForm(ui::Application& app, platform::WindowSystem* windows = nullptr);

    // The configuration whose layouts the list mirrors, from entry 1 on. The
    // main window re-creates it on New and Open, so the owner is held.
    void AttachConfiguration(const std::unique_ptr<core::Configuration>& model) { model_ = &model; }

    // A new layout bound to no window, at the end of the main window's
    // layouts and of the list, where it is selected. With a sender the name
    // is asked (cancelling adds nothing); without one, as the file reader
    // calls it, it is "My layout".
    void NewLayoutBtnClick(ui::Component* sender);
    // Loads the selected layout's texts into the boxes, or clears them.
    void LayoutListClick(ui::Component* sender);
    // Fills the running windows tree: the listed windows without an owner at
    // the root, then each owned one under the first node captioned with its
    // owner's title, or at the root when there is none. Also the radio
    // buttons' handler; the action editor calls it for its window lists.
    void FormShow(ui::Component* sender);
    void ActiveWndsTreeChange(ui::Component* sender, ui::TTreeNode* node);
    // The selected window becomes a layout, named after its owner's node
    // when it is an owned window.
    void AddBtnClick(ui::Component* sender);
    void LayoutBoxChange(ui::Component* sender);
    void ApplyBtnClick(ui::Component* sender);
    // Asks, then deletes the selected layout with its actions, which leave
    // the triggered actions of every command.
    void DeleteLayoutBtnClick(ui::Component* sender);

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
    core::Configuration& Model() const;
    ui::TListItem* AddItem(core::TLayout& layout);
    // Every text the user sees passes through here to be translated.
    std::string Translate(const std::string& text) const { return text; }

    platform::WindowSystem* windows_;
    const std::unique_ptr<core::Configuration>* model_ = nullptr;
};

} // namespace orvane::actions
