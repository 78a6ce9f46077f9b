#pragma once
// A small window built the way the program builds its own: controls as
// members, created in the constructor with their design-time state.
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Panels.h"

namespace orvane::ui::testing {

class TDemoForm : public TForm {
public:
    explicit TDemoForm(Application& app, std::string name = "DemoForm") : TForm(app, std::move(name)) {
        SetCaption("Demo");
        OkBtn.SetCaption("&OK");
        OkBtn.SetModalResult(mrOk);
        OkBtn.SetDefault(true);
        CancelBtn.SetCaption("&Cancel");
        CancelBtn.SetModalResult(mrCancel);
        OptionsGrpBx.SetCaption("Options");
        LaunchChBx.SetCaption("Launch on Windows &startup");
        ModeRGrp.SetCaption("Mode");
        ModeRGrp.Items.Assign({"AND", "OR"});
        DelayUpDwn.SetMax(32767);
        DelayUpDwn.SetIncrement(250);
        DelayUpDwn.SetAssociate(&DelayEdBx);
        KindCoBx.SetStyle(ComboStyle::DropDownList);
        KindCoBx.Items.Assign({"Left", "Middle", "Right"});
        WindowCoBx.Items.Assign({"Notepad", "   Find"});

        Menu.Items().Add(FileMenu);
        FileMenu.SetCaption("&File");
        FileMenu.Add(NewMenu);
        NewMenu.SetCaption("&New");
        NewMenu.SetShortCut(MakeShortCut('N', ssCtrl));
        SetMenu(&Menu);
    }

    TButton OkBtn{*this, "OkBtn"};
    TButton CancelBtn{*this, "CancelBtn"};
    TGroupBox OptionsGrpBx{*this, "OptionsGrpBx"};
    TCheckBox LaunchChBx{OptionsGrpBx, "LaunchChBx"};
    TRadioGroup ModeRGrp{*this, "ModeRGrp"};
    TEdit DelayEdBx{*this, "DelayEdBx"};
    TUpDown DelayUpDwn{*this, "DelayUpDwn"};
    TComboBox KindCoBx{*this, "KindCoBx"};
    TComboBox WindowCoBx{*this, "WindowCoBx"};
    TMainMenu Menu{*this, "Menu"};
    TMenuItem FileMenu{this, "FileMenu"};
    TMenuItem NewMenu{this, "NewMenu"};
};

} // namespace orvane::ui::testing
