#include "actions/LayoutsForm.h"

#include "core/Model.h"
#include "core/TextLimits.h"

#include <initializer_list>

namespace orvane::actions {

using namespace ui;

TLayoutsForm::TLayoutsForm(Application& app) : TForm(app, "LayoutsForm") {
    SetCaption("Layout setup");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(520, 333);

    LayoutListGrpBx.SetCaption("Actions layouts");
    LayoutListGrpBx.SetBounds(8, 8, 250, 284);
    LayoutList.SetStyle(ViewStyle::List);
    LayoutList.SetReadOnly(true);
    LayoutList.SetBounds(10, 20, 230, 110);
    NewLayoutBtn.SetCaption("&New layout");
    NewLayoutBtn.SetBounds(10, 136, 112, 25);
    DeleteLayoutBtn.SetCaption("&Delete layout");
    DeleteLayoutBtn.SetBounds(128, 136, 112, 25);
    DeleteLayoutBtn.SetEnabled(false);

    // The boxes hold the selected layout's texts; none is selected yet.
    struct Row {
        TLabel& label;
        TEdit& box;
        const char* caption;
    };
    const Row rows[] = {{LayoutNameLbl, LayoutNameEdBx, "Layout name:"},
                        {ApplicationLbl, ApplicationEdBx, "Application:"},
                        {WndTitleLbl, WndTitleEdBx, "Window title:"}};
    int top = 171;
    for (const Row& row : rows) {
        row.label.SetCaption(row.caption);
        row.label.SetBounds(10, top + 4, 82, 13);
        row.box.SetBounds(96, top, 144, 21);
        row.box.SetEnabled(false);
        // No more than a configuration file keeps.
        row.box.SetMaxLength(core::kMaxNameLength);
        top += 26;
    }
    ApplyBtn.SetCaption("&Apply changes");
    ApplyBtn.SetBounds(128, 249, 112, 25);
    ApplyBtn.SetEnabled(false);

    RunningAppsGrpBx.SetCaption("Running applications");
    RunningAppsGrpBx.SetBounds(266, 8, 246, 284);
    VisibleRBtn.SetCaption("&Visible wnds.");
    VisibleRBtn.SetBounds(10, 20, 110, 17);
    VisibleRBtn.SetChecked(true);
    AllRBtn.SetCaption("A&ll wnds.");
    AllRBtn.SetBounds(126, 20, 110, 17);
    ActiveWndsTree.SetReadOnly(true);
    ActiveWndsTree.SetBounds(10, 43, 226, 200);
    AddBtn.SetCaption("A&dd to layouts");
    AddBtn.SetBounds(124, 249, 112, 25);
    AddBtn.SetEnabled(false);

    CloseBtn.SetCaption("&Close");
    CloseBtn.SetBounds(356, 300, 75, 25);
    CloseBtn.SetDefault(true);
    CloseBtn.SetModalResult(mrOk);
    HelpBtn.SetCaption("&Help");
    HelpBtn.SetBounds(437, 300, 75, 25);
}

void TLayoutsForm::NewLayoutBtnClick(Component*) {
    if (!model_ || !*model_) throw EInvalidOperation("The layout manager has no configuration");
    const std::string name = "My layout";
    TListItem* item = LayoutList.Add();
    item->SetCaption(name);
    // Bound to no window until its title is edited.
    core::TLayout& layout = (*model_)->AddLayout(name, "(Application)", "(Window title)");
    item->SetData(&layout);
    LayoutList.SetSelected(item);
    LayoutListClick(nullptr);
    LayoutNameEdBx.SelectAll();
}

void TLayoutsForm::LayoutListClick(Component*) {
    TListItem* item = LayoutList.Selected();
    const auto* layout = item ? static_cast<const core::TLayout*>(item->Data()) : nullptr;
    LayoutNameEdBx.SetText(layout ? layout->Name : std::string());
    ApplicationEdBx.SetText(layout ? layout->Application : std::string());
    WndTitleEdBx.SetText(layout ? layout->WndTitle : std::string());
    for (Control* control : std::initializer_list<Control*>{&LayoutNameEdBx, &ApplicationEdBx, &WndTitleEdBx,
                                                            &DeleteLayoutBtn})
        control->SetEnabled(layout != nullptr);
    ApplyBtn.SetEnabled(false);
}

} // namespace orvane::actions
