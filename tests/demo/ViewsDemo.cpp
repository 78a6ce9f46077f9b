// The demo form of the views: a tree of remotes and commands with images,
// drag and drop and label editing; a report list; a page control; a track bar
// driving a progress bar; shapes; a scroll box and a status bar. Each handler
// says what happened in StatusLbl.
#include "Demo.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/ImageList.h"
#include "ui/Indicators.h"
#include "ui/ListView.h"
#include "ui/Panels.h"
#include "ui/TreeView.h"

#include <string>

namespace orvane::demo {
namespace {

using namespace orvane::ui;

class TViewsDemoForm : public TForm {
public:
    explicit TViewsDemoForm(Application& app) : TForm(app, "ViewsDemoForm") {
        SetCaption("Orvane demo: views");
        SetBounds(40, 40, 560, 420);

        StatusLbl.SetBounds(8, 6, 544, 16);
        StatusLbl.SetCaption("Nothing done yet");

        CommandsImgList.SetCount(5);
        SoundsImgList.SetCount(3);

        CommandsTree.SetBounds(8, 26, 180, 180);
        CommandsTree.SetImages(&CommandsImgList);
        CommandsTree.SetShowRoot(false);
        CommandsTree.SetDragMode(DragMode::Automatic);
        AddRemote("TV", {{"Power", 3}, {"Mute", 3}, {"Volume up", 2}});
        AddRemote("Radio", {{"Power", 1}, {"Next station", 3}});
        CommandsTree.OnChange = [this](Component*, TTreeNode* node) {
            StatusLbl.SetCaption("Selected: " + (node ? PathOf(node) : std::string("nothing")));
            StatBar.SetPanelText(0, node ? PathOf(node) : std::string());
        };
        CommandsTree.OnMouseDown = [this](Component*, MouseButton, ShiftState, int x, int y) {
            CommandsTree.SetSelected(CommandsTree.GetNodeAt(x, y));
        };
        CommandsTree.OnEdited = [this](Component*, TTreeNode*, std::string& text) {
            StatusLbl.SetCaption("Renamed to " + text);
        };
        CommandsTree.OnDragOver = Handler(this, &TViewsDemoForm::CommandsTreeDragOver);
        CommandsTree.OnDragDrop = Handler(this, &TViewsDemoForm::CommandsTreeDragDrop);

        AddBtn.SetBounds(8, 214, 88, 25);
        AddBtn.SetCaption("&Add command");
        AddBtn.OnClick = [this](Component*) {
            TTreeNode* selected = CommandsTree.Selected();
            if (!selected) return;
            TTreeNode* remote = selected->Parent() ? selected->Parent() : selected;
            TTreeNode* node = CommandsTree.Items().AddChild(remote, "New command");
            node->SetImageIndex(1);
            node->SetSelectedIndex(4);
            node->SetSelected(true);
        };
        DeleteBtn.SetBounds(100, 214, 88, 25);
        DeleteBtn.SetCaption("&Delete");
        DeleteBtn.OnClick = [this](Component*) {
            if (TTreeNode* selected = CommandsTree.Selected()) selected->Delete();
        };

        AccelBar.SetBounds(8, 246, 180, 30);
        AccelBar.SetMin(1);
        AccelBar.SetMax(10);
        AccelBar.SetPosition(5);
        AccelBar.SetLineSize(2);
        AccelBar.OnChange = [this](Component*) { ShowAcceleration(); };
        AccelLbl.SetBounds(8, 278, 180, 16);
        AccelPrgBar.SetBounds(8, 298, 180, 16);
        AccelPrgBar.SetMax(10);
        ShowAcceleration();

        Circle1.SetBounds(8, 324, 40, 40);
        Circle1.SetShape(ShapeType::Circle);
        Circle1.SetBrushColor(clTeal);
        Ellipse1.SetBounds(56, 329, 70, 30);
        Ellipse1.SetShape(ShapeType::Ellipse);
        Ellipse1.SetBrushColor(clLime);
        Box1.SetBounds(134, 329, 54, 30);
        Box1.SetBrushColor(clRed);

        SoundsList.SetBounds(196, 26, 356, 110);
        SoundsList.SetStyle(ViewStyle::Report);
        SoundsList.SetSmallImages(&SoundsImgList);
        SoundsList.AddColumn("Sound", 140);
        SoundsList.AddColumn("File", 190);
        AddSound("Ding", "ding.wav", 0);
        AddSound("Chord", "chord.wav", 1);
        AddSound("Tada", "tada.wav", 2);
        AddSound("Notify", "notify.wav", 0);
        SoundsList.OnChange = [this](Component*, TListItem* item, ItemChange change) {
            if (change != ItemChange::State || !item->Selected()) return;
            StatusLbl.SetCaption("Sound: " + item->Caption());
            StatBar.SetPanelText(1, "Sound: " + item->Caption());
        };
        SoundsList.OnDblClick = [this](Component*) {
            if (TListItem* item = SoundsList.Selected()) StatusLbl.SetCaption("Opened: " + item->Caption());
        };

        PageCtrl.SetBounds(196, 142, 356, 100);
        GeneralTab.SetCaption("General");
        LaunchChBx.SetBounds(8, 10, 200, 17);
        LaunchChBx.SetCaption("&Launch on start-up");
        LaunchChBx.OnClick = [this](Component*) {
            StatusLbl.SetCaption(LaunchChBx.Checked() ? "Launch on" : "Launch off");
        };
        SoundsTab.SetCaption("Sounds");
        SoundEdBx.SetBounds(8, 10, 200, 21);
        SoundEdBx.SetText("ding.wav");
        AboutTab.SetCaption("About");
        AboutBtn.SetBounds(8, 10, 88, 25);
        AboutBtn.SetCaption("A&bout");
        AboutBtn.OnClick = [this](Component*) { StatusLbl.SetCaption("Orvane views demo"); };

        DevicesBox.SetBounds(196, 250, 356, 140);
        for (int i = 0; i < kDevices; ++i) {
            TCheckBox& box = Devices[i];
            box.SetBounds(8, 8 + 24 * i, 300, 17);
            box.SetCaption("Device " + std::to_string(i + 1));
            box.OnClick = [this, &box](Component*) {
                StatusLbl.SetCaption(box.Caption() + (box.Checked() ? " on" : " off"));
            };
        }

        StatBar.SetBounds(0, 400, 560, 20);
        StatBar.AddPanel(250);
        StatBar.AddPanel(100);
        StatBar.SetPanelText(0, "No selection");
        StatBar.SetPanelText(1, "No sound");
    }

private:
    struct CommandSpec {
        const char* name;
        int image;
    };

    void AddRemote(const std::string& name, std::initializer_list<CommandSpec> commands) {
        TTreeNode* remote = CommandsTree.Items().Add(nullptr, name);
        remote->SetImageIndex(0);
        remote->SetSelectedIndex(0);
        for (const CommandSpec& command : commands) {
            TTreeNode* node = CommandsTree.Items().AddChild(remote, command.name);
            node->SetImageIndex(command.image);
            node->SetSelectedIndex(4);
        }
        remote->SetExpanded(true);
    }

    void AddSound(const std::string& caption, const std::string& file, int image) {
        TListItem* item = SoundsList.Add();
        item->SetCaption(caption);
        item->SubItems.Add(file);
        item->SetImageIndex(image);
    }

    static std::string PathOf(const TTreeNode* node) {
        return node->Parent() ? PathOf(node->Parent()) + "/" + node->Text() : node->Text();
    }

    void ShowAcceleration() {
        AccelLbl.SetCaption("Acceleration: " + std::to_string(AccelBar.Position()));
        AccelPrgBar.SetPosition(AccelBar.Position());
    }

    // As the program's command tree: a remote goes only onto a remote, a
    // command onto a remote or a command.
    void CommandsTreeDragOver(Component*, Component* source, int x, int y, DragState, bool& accept) {
        TTreeNode* dragged = CommandsTree.Selected();
        TTreeNode* target = CommandsTree.GetNodeAt(x, y);
        accept = source == &CommandsTree && dragged && target && (!target->Parent() || dragged->Parent());
    }

    void CommandsTreeDragDrop(Component*, Component*, int x, int y) {
        TTreeNode* dragged = CommandsTree.Selected();
        TTreeNode* target = CommandsTree.GetNodeAt(x, y);
        if (!dragged || !target || dragged == target) return;
        if (!target->Parent())
            dragged->MoveTo(target, dragged->Parent() ? NodeAttachMode::AddChildFirst : NodeAttachMode::Insert);
        else
            dragged->MoveTo(target, NodeAttachMode::Insert);
        StatusLbl.SetCaption("Moved " + dragged->Text() + " to " + target->Text());
    }

    static constexpr int kDevices = 8;

public:
    TImageList CommandsImgList{*this, "CommandsImgList"};
    TImageList SoundsImgList{*this, "SoundsImgList"};
    TLabel StatusLbl{*this, "StatusLbl"};
    TTreeView CommandsTree{*this, "CommandsTree"};
    TButton AddBtn{*this, "AddBtn"};
    TButton DeleteBtn{*this, "DeleteBtn"};
    TTrackBar AccelBar{*this, "AccelBar"};
    TLabel AccelLbl{*this, "AccelLbl"};
    TProgressBar AccelPrgBar{*this, "AccelPrgBar"};
    TShape Circle1{*this, "Circle1"};
    TShape Ellipse1{*this, "Ellipse1"};
    TShape Box1{*this, "Box1"};
    TListView SoundsList{*this, "SoundsList"};
    TPageControl PageCtrl{*this, "PageCtrl"};
    TTabSheet GeneralTab{PageCtrl, "GeneralTab"};
    TCheckBox LaunchChBx{GeneralTab, "LaunchChBx"};
    TTabSheet SoundsTab{PageCtrl, "SoundsTab"};
    TEdit SoundEdBx{SoundsTab, "SoundEdBx"};
    TTabSheet AboutTab{PageCtrl, "AboutTab"};
    TButton AboutBtn{AboutTab, "AboutBtn"};
    TScrollBox DevicesBox{*this, "DevicesBox"};
    TCheckBox Devices[kDevices] = {
        {DevicesBox, "Device1ChBx"}, {DevicesBox, "Device2ChBx"}, {DevicesBox, "Device3ChBx"},
        {DevicesBox, "Device4ChBx"}, {DevicesBox, "Device5ChBx"}, {DevicesBox, "Device6ChBx"},
        {DevicesBox, "Device7ChBx"}, {DevicesBox, "Device8ChBx"},
    };
    TStatusBar StatBar{*this, "StatBar"};
};

} // namespace

ui::TForm& CreateViewsDemo(ui::Application& app) { return app.CreateForm<TViewsDemoForm>(); }

} // namespace orvane::demo
