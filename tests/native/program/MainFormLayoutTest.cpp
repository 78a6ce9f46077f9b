// The main window as it is designed, before any handler runs: its menus, the
// state its controls start in, its timers, and a layout with nothing hidden
// under another control or cut off.
#include "core/Exception.h"
#include "program/MainForm.h"
#include "fakes/FakePeers.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orvane::program {
namespace {

std::string WithoutAccelerator(std::string caption) {
    if (auto amp = caption.find('&'); amp != std::string::npos) caption.erase(amp, 1);
    return caption;
}

// The letter Alt selects, or 0.
char Accelerator(const std::string& caption) {
    auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])));
}

void ForEachItem(const ui::TMenuItem& menu, const std::function<void(const ui::TMenuItem&)>& visit) {
    for (const ui::TMenuItem* item : menu.Items()) {
        visit(*item);
        ForEachItem(*item, visit);
    }
}

void ForEachControl(const ui::Control& parent, const std::function<void(const ui::Control&)>& visit) {
    for (const ui::Control* child : parent.Controls()) {
        visit(*child);
        ForEachControl(*child, visit);
    }
}

// The names of a menu's items, a separator as "-".
std::vector<std::string> Outline(const ui::TMenuItem& menu) {
    std::vector<std::string> names;
    for (const ui::TMenuItem* item : menu.Items()) names.push_back(item->IsLine() ? "-" : item->Name());
    return names;
}

class MainFormDesign : public ::testing::Test {
protected:
    fakes::FakePlatform platform;
    settings::SettingsStore store{platform.registry};
    fakes::FakeSerialPorts serialPorts;
    fakes::FakeUi ui;
    TMainForm& form = ui.app.CreateForm<TMainForm>(MainServices{platform.Services(), store, serialPorts});

    ui::TMenuItem& Item(const std::string& name) {
        auto* item = dynamic_cast<ui::TMenuItem*>(form.FindComponent(name));
        if (!item) throw std::runtime_error("no menu item " + name);
        return *item;
    }
};

TEST_F(MainFormDesign, EveryMenuItemCarriesItsCaptionAndShortcut) {
    struct Expected {
        const char* name;
        const char* caption;
        const char* shortCut;
    };
    const Expected items[] = {
        {"FileMenu", "&File", ""},
        {"NewMenu", "&New", ""},
        {"OpenMenu", "&Open...", "Ctrl+O"},
        {"SaveMenu", "&Save", "Ctrl+S"},
        {"SaveAsMenu", "Save &As...", ""},
        {"ImportMenu", "&Import commands...", "Ctrl+I"},
        {"SettingsMenu", "S&ettings...", "Ctrl+E"},
        {"ExitMenu", "E&xit", ""},
        {"CommandsMenu", "&Commands", ""},
        {"EnableOriginMenu", "Ori&gin enabled", "Ctrl+G"},
        {"TestOriginMenu", "&Test origin...", "Ctrl+T"},
        {"NewRemoteMenu", "Add new &remote", "Ctrl+R"},
        {"NewCommandMenu", "Add new comman&d", "Ctrl+D"},
        {"LearnMenu", "&Learn...", "Ctrl+L"},
        {"PropertiesMenu", "&Properties", ""},
        {"EnabledMenu", "&Recognition enabled", ""},
        {"TypematicMenu", "&Typematic function", ""},
        {"SoundMenu", "&Play sound", ""},
        {"NoneMenu", "None", ""},
        {"CopyToActionMenu", "Copy to &action trigger list", "Ctrl+A"},
        {"RenameMenu", "Rena&me", ""},
        {"DeleteMenu", "D&elete", ""},
        {"ActionsMenu", "&Actions", ""},
        {"LayoutSetupMenu", "La&youts setup...", ""},
        {"HelpMenu", "&Help", ""},
        {"AboutMenu", "&About...", ""},
        {"DeleteTrigger", "&Delete", ""},
        {"RestoreMenu", "&Configure", ""},
    };
    for (const Expected& e : items) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(Item(e.name).Caption(), e.caption);
        EXPECT_EQ(ui::ShortCutToText(Item(e.name).GetShortCut()), e.shortCut);
    }
}

TEST_F(MainFormDesign, MenusHoldTheirItemsInOrder) {
    EXPECT_EQ(Outline(form.MainMenu.Items()),
              (std::vector<std::string>{"FileMenu", "CommandsMenu", "ActionsMenu", "HelpMenu"}));
    // The tray menu copies the first Commands item and the last File item.
    auto file = Outline(form.FileMenu);
    EXPECT_EQ(file.front(), "NewMenu");
    EXPECT_EQ(file.back(), "ExitMenu");
    // The tree's pop-up menu copies this list from "Add new &remote" on.
    EXPECT_EQ(Outline(form.CommandsMenu),
              (std::vector<std::string>{"EnableOriginMenu", "TestOriginMenu", "-", "NewRemoteMenu", "NewCommandMenu",
                                        "LearnMenu", "-", "PropertiesMenu", "-", "CopyToActionMenu", "RenameMenu",
                                        "DeleteMenu"}));
    EXPECT_EQ(Outline(form.PropertiesMenu),
              (std::vector<std::string>{"EnabledMenu", "TypematicMenu", "SoundMenu"}));
    // The sounds are added after "None" each time the menu opens.
    ASSERT_EQ(Outline(form.SoundMenu), (std::vector<std::string>{"NoneMenu"}));
    EXPECT_TRUE(form.NoneMenu.RadioItem());
    EXPECT_EQ(Outline(form.ActionsMenu), (std::vector<std::string>{"LayoutSetupMenu"}));
    EXPECT_EQ(Outline(form.HelpMenu).back(), "AboutMenu");
    EXPECT_EQ(form.Menu(), &form.MainMenu);
}

TEST_F(MainFormDesign, NoShortcutOrAcceleratorIsTakenTwice) {
    std::map<ui::ShortCut, std::string> shortCuts;
    ForEachItem(form.MainMenu.Items(), [&](const ui::TMenuItem& item) {
        if (item.GetShortCut() == 0) return;
        auto [it, fresh] = shortCuts.emplace(item.GetShortCut(), item.Name());
        EXPECT_TRUE(fresh) << item.Name() << " and " << it->second << " share a shortcut";
    });
    std::function<void(const ui::TMenuItem&)> checkLevel = [&](const ui::TMenuItem& menu) {
        std::map<char, std::string> letters;
        for (const ui::TMenuItem* item : menu.Items()) {
            if (char letter = Accelerator(item->Caption())) {
                auto [it, fresh] = letters.emplace(letter, item->Name());
                EXPECT_TRUE(fresh) << item->Name() << " and " << it->second << " share Alt+" << letter;
            }
            checkLevel(*item);
        }
    };
    checkLevel(form.MainMenu.Items());

    std::map<char, std::string> controlLetters;
    ForEachControl(form, [&](const ui::Control& control) {
        if (char letter = Accelerator(control.GetTextProperty("Caption"))) {
            auto [it, fresh] = controlLetters.emplace(letter, control.Name());
            EXPECT_TRUE(fresh) << control.Name() << " and " << it->second << " share Alt+" << letter;
        }
    });
    EXPECT_GE(controlLetters.size(), 9u);
}

TEST_F(MainFormDesign, ShortcutsReachTheMenuFromAnyControl) {
    int opened = 0, saved = 0;
    form.OpenMenu.OnClick = [&](ui::Component*) { ++opened; };
    form.SaveMenu.OnClick = [&](ui::Component*) { ++saved; };
    form.CommandsTree.UserKeyDown('O', ui::ssCtrl);
    form.CommandsTree.UserKeyDown('S', ui::ssCtrl);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(saved, 0); // no unsaved changes yet
    form.SaveMenu.SetEnabled(true);
    form.LayoutCoBx.UserKeyDown('S', ui::ssCtrl);
    EXPECT_EQ(saved, 1);
}

TEST_F(MainFormDesign, ANewWindowHasNothingToSaveAndNoActionToEdit) {
    // Creation gives the window the program title and an empty configuration.
    EXPECT_EQ(form.Caption(), "Orvane 4.0b");
    EXPECT_FALSE(form.SaveMenu.Enabled());
    EXPECT_TRUE(form.SaveAsMenu.Enabled());
    for (const ui::Control* control :
         std::initializer_list<const ui::Control*>{&form.DeleteBtn, &form.RenameBtn, &form.ActionPageCtrl,
                                                   &form.RemoveBtn, &form.PropertiesBtn, &form.AllAtOnceChBtn})
        EXPECT_FALSE(control->Enabled()) << control->Name();
    for (const ui::Control* control : std::initializer_list<const ui::Control*>{
             &form.CommandsTree, &form.LayoutCoBx, &form.ManageLayoutsBtn, &form.ActionCoBx, &form.NewBtn,
             &form.NewActionBtn, &form.RunBtn, &form.SettingsBtn})
        EXPECT_TRUE(control->Enabled()) << control->Name();

    EXPECT_EQ(form.CommandsTree.Items().Count(), 0);
    EXPECT_EQ(form.LayoutCoBx.Items.Items(), std::vector<std::string>{"Default"});
    EXPECT_EQ(form.LayoutCoBx.ItemIndex(), 0);
    EXPECT_EQ(form.ActionCoBx.Items.Count(), 0);
    EXPECT_EQ(form.ActionCoBx.Style(), ui::ComboStyle::DropDownList);
    EXPECT_EQ(form.LayoutCoBx.Style(), ui::ComboStyle::DropDownList);
    EXPECT_EQ(form.ActionCoBx.DropDownCount(), 15);
    EXPECT_EQ(form.ManageLayoutsBtn.Hint(), "Manage layouts...");

    ASSERT_EQ(form.StatBar.PanelCount(), 2);
    EXPECT_EQ(form.StatBar.PanelText(TMainForm::kFileNamePanel), "");
    EXPECT_EQ(form.StatBar.PanelText(TMainForm::kOriginsPanel), "");
}

TEST_F(MainFormDesign, TreesAndActionListHaveTheirImagesDragAndPopUps) {
    EXPECT_EQ(form.CommandsTree.Images(), &form.CommandsImgList);
    EXPECT_EQ(form.TriggerTree.Images(), &form.CommandsImgList);
    EXPECT_EQ(form.CommandsImgList.Count(), 5);
    EXPECT_EQ(form.ActionsList.SmallImages(), &form.ActionsImgList);
    EXPECT_EQ(form.ActionsImgList.Count(), 7);
    EXPECT_FALSE(form.CommandsTree.ShowRoot());
    EXPECT_FALSE(form.CommandsTree.ReadOnly());
    EXPECT_EQ(form.CommandsTree.GetDragMode(), ui::DragMode::Automatic);
    EXPECT_EQ(form.CommandsTree.PopupMenu(), &form.CommandsPopUpMenu);
    EXPECT_EQ(form.TriggerTree.PopupMenu(), &form.TriggerTreePopUpMenu);

    EXPECT_EQ(form.ActionsList.Style(), ui::ViewStyle::Report);
    EXPECT_EQ(form.ActionsList.ColumnCount(), 1);
    EXPECT_FALSE(form.ActionsList.ShowColumnHeaders());
    EXPECT_TRUE(form.ActionsList.ReadOnly());
    EXPECT_LE(form.ActionsList.Column(0).width, form.ActionsList.Width());
}

TEST_F(MainFormDesign, NoTimerRunsUntilSomethingStartsIt) {
    const std::map<std::string, std::uint32_t> intervals = {
        {"IRTimer", 125}, {"TypematicTimer", 175}, {"UIRTimer", 300}, {"BestBuyTimer", 50}, {"TrayColorTimer", 150}};
    for (const auto& [name, interval] : intervals)
        EXPECT_EQ(dynamic_cast<ui::TTimer&>(*form.FindComponent(name)).Interval(), interval) << name;

    int ticks = 0;
    for (ui::TTimer* timer : {&form.IRTimer, &form.TypematicTimer, &form.UIRTimer, &form.BestBuyTimer,
                              &form.TrayColorTimer, &form.OSDShowTimer, &form.ActionTimer}) {
        EXPECT_FALSE(timer->Enabled()) << timer->Name();
        timer->OnTimer = [&](ui::Component*) { ++ticks; };
    }
    ui.timers.Advance(10000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(ui.timers.RunningCount(), 0u);
}

TEST_F(MainFormDesign, TrayIconWaitsHiddenWithTheIdleLogoAndItsMenu) {
    EXPECT_FALSE(form.TrayIcon.ShowIcon());
    EXPECT_EQ(form.TrayIcon.Icon(), &form.LogoBlue);
    EXPECT_EQ(form.LogoBlue.Width(), 32);
    EXPECT_EQ(form.LogoRed.Height(), 32);
    ASSERT_EQ(form.TrayIcon.PopUpMenu(), &form.TrayPopUpMenu);
    EXPECT_EQ(Outline(form.TrayPopUpMenu.Items()), (std::vector<std::string>{"RestoreMenu"}));
    EXPECT_EQ(form.FindComponent("TrayIcon"), &form.TrayIcon);
    EXPECT_EQ(form.ServerSocket.Port(), 4040);
    EXPECT_FALSE(form.ServerSocket.Active());
}

TEST_F(MainFormDesign, TrayIconTellsTheTrayOfEachRealChange) {
    auto& tray = platform.tray.Last();
    form.TrayIcon.SetShowIcon(true);
    form.TrayIcon.SetShowIcon(true);
    form.TrayIcon.SetTextProperty("Hint", "Orvane is running");
    form.TrayIcon.SetHint("Orvane is running");
    form.TrayIcon.SetIcon(&form.LogoRed);
    form.TrayIcon.SetIcon(nullptr);
    form.TrayIcon.SetIcon(&form.LogoBlue);
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add", "modify", "modify", "delete", "add"}));
    EXPECT_EQ(tray.tip, "Orvane is running");
    EXPECT_EQ(form.TrayIcon.Hint(), "Orvane is running");
}

TEST_F(MainFormDesign, ATrayIconHandlerThatFailsShowsItsMessage) {
    form.TrayIcon.OnDblClick = [](ui::Component*) { throw orvane::Exception("Restore failed"); };
    form.TrayIcon.SetShowIcon(true);
    ui.dialogs.ExpectMessageBox("Restore failed");
    platform.tray.Mouse(platform::TrayMouse::LeftDouble);
}

TEST_F(MainFormDesign, EveryControlLiesInsideItsParentAndOverlapsNoSibling) {
    std::function<void(const ui::Control&)> check = [&](const ui::Control& parent) {
        const auto& children = parent.Controls();
        for (std::size_t i = 0; i < children.size(); ++i) {
            const ui::Control& a = *children[i];
            if (!a.Visible()) continue;
            EXPECT_GE(a.Left(), 0) << a.Name();
            EXPECT_GE(a.Top(), 0) << a.Name();
            EXPECT_LE(a.Left() + a.Width(), parent.Width()) << a.Name() << " sticks out of " << parent.Name();
            EXPECT_LE(a.Top() + a.Height(), parent.Height()) << a.Name() << " sticks out of " << parent.Name();
            EXPECT_GT(a.Width(), 0) << a.Name();
            EXPECT_GT(a.Height(), 0) << a.Name();
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                const ui::Control& b = *children[j];
                // The pages of a page control share its area by design.
                if (!b.Visible() || (dynamic_cast<const ui::TTabSheet*>(&a) && dynamic_cast<const ui::TTabSheet*>(&b)))
                    continue;
                const bool apart = a.Left() + a.Width() <= b.Left() || b.Left() + b.Width() <= a.Left() ||
                                   a.Top() + a.Height() <= b.Top() || b.Top() + b.Height() <= a.Top();
                EXPECT_TRUE(apart) << a.Name() << " overlaps " << b.Name();
            }
            check(a);
        }
    };
    check(form);
}

TEST_F(MainFormDesign, EveryCaptionFitsItsControl) {
    // Room beside the text: a button's edges, a check box's box, a radio
    // button's circle, a group box's frame.
    auto fits = [](const ui::Control& control, const std::string& caption, int room) {
        EXPECT_LE(ui::HeadlessTextWidth(WithoutAccelerator(caption)) + room, control.Width())
            << control.Name() << " cuts off \"" << caption << "\"";
    };
    int checked = 0;
    ForEachControl(form, [&](const ui::Control& control) {
        if (auto* button = dynamic_cast<const ui::TButton*>(&control)) fits(*button, button->Caption(), 12);
        else if (auto* box = dynamic_cast<const ui::TCheckBox*>(&control)) fits(*box, box->Caption(), 20);
        else if (auto* label = dynamic_cast<const ui::TLabel*>(&control)) fits(*label, label->Caption(), 0);
        else if (auto* group = dynamic_cast<const ui::TGroupBox*>(&control)) fits(*group, group->Caption(), 16);
        else if (auto* radios = dynamic_cast<const ui::TRadioGroup*>(&control)) {
            fits(*radios, radios->Caption(), 16);
            for (const std::string& item : radios->Items) fits(*radios, item, 32);
            EXPECT_GE(radios->Height(), 20 + 20 * radios->Items.Count()) << radios->Name();
        } else {
            return;
        }
        ++checked;
    });
    EXPECT_GE(checked, 17);

    int panels = 0;
    for (int i = 0; i < form.StatBar.PanelCount(); ++i) panels += form.StatBar.PanelWidth(i);
    EXPECT_LE(panels, form.StatBar.Width());
}

} // namespace
} // namespace orvane::program
