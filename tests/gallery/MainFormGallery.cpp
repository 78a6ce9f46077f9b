// The main window: "MainForm" as designed, empty; "MainForm.Filled" with a
// few remotes, a layout and an action, to see the trees, the combo boxes and
// the action list with content in them.
#include "Gallery.h"
#include "program/MainForm.h"
#include "platform/win32/Win32SerialPort.h"

namespace orvane::gallery {
namespace {

// The gallery's main window never opens its serial port.
platform::SerialPorts& SerialPorts() {
    static platform::win32::Win32SerialPorts ports;
    return ports;
}

const RegisterGalleryForm empty("MainForm", [](GalleryContext& c) -> ui::TForm& {
    return c.app.CreateForm<program::TMainForm>(program::MainServices{c.platform, c.settings, SerialPorts()});
});

const RegisterGalleryForm filled("MainForm.Filled", [](GalleryContext& c) -> ui::TForm& {
    auto& form = c.app.CreateForm<program::TMainForm>(program::MainServices{c.platform, c.settings, SerialPorts()});
    auto& tree = form.CommandsTree.Items();
    for (const char* remote : {"TV", "Hauppauge"}) {
        ui::TTreeNode* root = tree.Add(nullptr, remote);
        root->SetImageIndex(0);
        root->SetSelectedIndex(0);
        int image = 1;
        for (const char* command : {"Power", "Play", "Stop", "Volume up", "Volume down"}) {
            ui::TTreeNode* node = tree.AddChild(root, command);
            node->SetImageIndex(image);
            node->SetSelectedIndex(4);
            image = image == 3 ? 1 : image + 1;
        }
        root->SetExpanded(true);
    }
    form.LayoutCoBx.Items.Assign({"Default", "Media player"});
    form.LayoutCoBx.SetItemIndex(0);
    form.ActionCoBx.Items.Assign({"Play or pause"});
    form.ActionCoBx.SetItemIndex(0);
    form.DeleteBtn.SetEnabled(true);
    form.RenameBtn.SetEnabled(true);
    form.ActionPageCtrl.SetEnabled(true);
    ui::TTreeNode* trigger = form.TriggerTree.Items().Add(nullptr, "TV");
    form.TriggerTree.Items().AddChild(trigger, "Play")->SetImageIndex(3);
    trigger->SetImageIndex(0);
    trigger->SetExpanded(true);
    const char* rows[] = {"Ctrl+P", "Left click", "notepad.exe readme.txt"};
    for (int i = 0; i < 3; ++i) {
        ui::TListItem* row = form.ActionsList.Add();
        row->SetCaption(rows[i]);
        row->SetImageIndex(i);
    }
    form.AllAtOnceChBtn.SetEnabled(true);
    form.StatBar.SetPanelText(program::TMainForm::kFileNamePanel, "C:\\Orvane\\home.orv");
    form.StatBar.SetPanelText(program::TMainForm::kOriginsPanel, "Origin enabled: Serial port based");
    return form;
});

} // namespace
} // namespace orvane::gallery
