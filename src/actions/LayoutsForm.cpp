#include "actions/LayoutsForm.h"

#include "core/Model.h"
#include "core/TextLimits.h"
#include "ui/Updating.h"

#include <initializer_list>
#include <vector>

namespace orvane::actions {

using namespace ui;

TLayoutsForm::TLayoutsForm(Application& app, platform::WindowSystem* windows)
    : TForm(app, "LayoutsForm"), windows_(windows) {
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

    OnShow = Handler(this, &TLayoutsForm::FormShow);
    VisibleRBtn.OnClick = Handler(this, &TLayoutsForm::FormShow);
    AllRBtn.OnClick = Handler(this, &TLayoutsForm::FormShow);
    ActiveWndsTree.OnChange = Handler(this, &TLayoutsForm::ActiveWndsTreeChange);
    AddBtn.OnClick = Handler(this, &TLayoutsForm::AddBtnClick);
    NewLayoutBtn.OnClick = Handler(this, &TLayoutsForm::NewLayoutBtnClick);
    DeleteLayoutBtn.OnClick = Handler(this, &TLayoutsForm::DeleteLayoutBtnClick);
    ApplyBtn.OnClick = Handler(this, &TLayoutsForm::ApplyBtnClick);
    // The boxes follow whichever item the list selects, by mouse or by key.
    LayoutList.OnChange = [this](Component* sender, TListItem*, ItemChange change) {
        if (change == ItemChange::State) LayoutListClick(sender);
    };
    for (TEdit* box : {&LayoutNameEdBx, &ApplicationEdBx, &WndTitleEdBx})
        box->OnChange = Handler(this, &TLayoutsForm::LayoutBoxChange);
}

core::Configuration& TLayoutsForm::Model() const {
    if (!model_ || !*model_) throw EInvalidOperation("The layout manager has no configuration");
    return **model_;
}

TListItem* TLayoutsForm::AddItem(core::TLayout& layout) {
    TListItem* item = LayoutList.Add();
    item->SetCaption(layout.Name);
    item->SetData(&layout);
    return item;
}

void TLayoutsForm::FormShow(Component*) {
    {
        Updating updating(ActiveWndsTree.Items());
        TTreeNodes& nodes = ActiveWndsTree.Items();
        nodes.Clear();
        struct Listed {
            std::string title;
            platform::WindowHandle owner;
        };
        std::vector<Listed> listed;
        if (windows_) {
            const bool all = AllRBtn.Checked();
            const bool visibleOnly = VisibleRBtn.Checked();
            for (platform::WindowHandle window : windows_->TopLevelWindows()) {
                if (!all && !(visibleOnly && windows_->IsVisible(window))) continue;
                // A title as a layout keeps it: one line, bounded.
                std::string title = core::FileText(windows_->WindowTitle(window));
                if (!title.empty()) listed.push_back({std::move(title), windows_->Owner(window)});
            }
        }
        for (const Listed& window : listed)
            if (!window.owner) nodes.Add(nullptr, window.title);
        // Owned windows go under their owner's first node, which the first pass
        // has made when the owner is listed; two owners of one title share it.
        for (const Listed& window : listed) {
            if (!window.owner) continue;
            const std::string ownerTitle = core::FileText(windows_->WindowTitle(window.owner));
            TTreeNode* owner = nodes.GetFirstNode();
            while (owner && owner->Text() != ownerTitle) owner = owner->GetNext();
            if (owner) {
                nodes.AddChild(owner, window.title);
                owner->SetExpanded(true);
            } else {
                nodes.Add(nullptr, window.title);
            }
        }
    }
    ActiveWndsTree.SetSelected(nullptr);
    AddBtn.SetEnabled(false);
}

void TLayoutsForm::ActiveWndsTreeChange(Component*, TTreeNode*) { AddBtn.SetEnabled(ActiveWndsTree.Selected()); }

void TLayoutsForm::AddBtnClick(Component*) {
    const TTreeNode* node = ActiveWndsTree.Selected();
    if (!node) return;
    const std::string name = node->Parent() ? node->Parent()->Text() : node->Text();
    AddItem(Model().AddLayout(name, name, node->Text()));
}

void TLayoutsForm::NewLayoutBtnClick(Component* sender) {
    core::Configuration& model = Model();
    std::string name = "My layout";
    if (sender && !App().PromptText(Translate("New layout"), Translate("Layout name:"), name)) return;
    // Bound to no window until its title is edited.
    TListItem* item = AddItem(model.AddLayout(core::FileText(name), "(Application)", "(Window title)"));
    LayoutList.SetSelected(item);
    LayoutListClick(nullptr);
    if (sender) LayoutNameEdBx.SetFocus();
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

void TLayoutsForm::LayoutBoxChange(Component*) { ApplyBtn.SetEnabled(true); }

void TLayoutsForm::ApplyBtnClick(Component*) {
    TListItem* item = LayoutList.Selected();
    auto* layout = item ? static_cast<core::TLayout*>(item->Data()) : nullptr;
    if (!layout) return;
    // Pasted or set text may hold a line break, which a file would not keep.
    layout->Name = core::FileText(LayoutNameEdBx.Text());
    layout->Application = core::FileText(ApplicationEdBx.Text());
    layout->WndTitle = core::FileText(WndTitleEdBx.Text());
    item->SetCaption(layout->Name);
    ApplyBtn.SetEnabled(false);
}

void TLayoutsForm::DeleteLayoutBtnClick(Component*) {
    TListItem* item = LayoutList.Selected();
    auto* layout = item ? static_cast<core::TLayout*>(item->Data()) : nullptr;
    if (!layout) return;
    const std::string question = Translate("Are you sure you want to delete the layout '") + layout->Name +
                                 Translate("' and all its actions?");
    if (App().MessageBox(question, Translate("Delete layout"), mb::YesNo | mb::IconQuestion) != mrYes) return;
    // The item goes first, so that none refers to a freed layout.
    item->Delete();
    Model().DeleteLayout(*layout);
    LayoutListClick(nullptr);
}

} // namespace orvane::actions
