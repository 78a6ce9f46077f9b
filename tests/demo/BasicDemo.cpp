// The demo form of the simple controls: buttons, check box, radio buttons,
// edit, label, group box, panel, the main menu and the dialogs.
#include "Demo.h"
#include "core/Exception.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Menus.h"
#include "ui/Panels.h"

namespace orvane::demo {
namespace {

using namespace orvane::ui;

class TBasicDemoForm : public TForm {
public:
    explicit TBasicDemoForm(Application& app) : TForm(app, "BasicDemoForm") {
        SetCaption("Orvane demo: basic controls");
        SetBounds(40, 40, 420, 270);
        SetMenu(&MainMenu);

        MainMenu.Items().Add(FileMenu);
        FileMenu.SetCaption("&File");
        FileMenu.Add(GreetMenu);
        GreetMenu.SetCaption("&Greet");
        GreetMenu.SetShortCut(MakeShortCut('G', ssCtrl));
        GreetMenu.OnClick = [this](Component*) { StatusLbl.SetCaption("Greeted from the menu"); };
        FileMenu.Add(TickMenu);
        TickMenu.SetCaption("&Ticked");
        TickMenu.SetChecked(true);
        TickMenu.OnClick = [this](Component*) { TickMenu.SetChecked(!TickMenu.Checked()); };
        FileMenu.Add(LineMenu);
        LineMenu.SetCaption("-");
        FileMenu.Add(ExitMenu);
        ExitMenu.SetCaption("E&xit");
        ExitMenu.OnClick = [this](Component*) { Close(); };

        StatusLbl.SetBounds(8, 8, 404, 16);
        StatusLbl.SetCaption("Nothing done yet");

        HelloBtn.SetBounds(8, 32, 90, 25);
        HelloBtn.SetCaption("&Hello");
        HelloBtn.OnClick = [this](Component*) { StatusLbl.SetCaption("Hello, Orvane"); };
        FailBtn.SetBounds(104, 32, 90, 25);
        FailBtn.SetCaption("&Fail");
        FailBtn.OnClick = [this](Component*) {
            throw Exception("The demo handler failed on purpose");
            StatusLbl.SetCaption("After the failure");
        };
        AskBtn.SetBounds(200, 32, 90, 25);
        AskBtn.SetCaption("&Ask...");
        AskBtn.OnClick = [this](Component*) {
            std::string name = "Sofa";
            if (App().PromptText("Name", "Name of the remote:", name))
                StatusLbl.SetCaption("Answer: " + name);
            else
                StatusLbl.SetCaption("Prompt cancelled");
        };
        ConfirmBtn.SetBounds(296, 32, 116, 25);
        ConfirmBtn.SetCaption("&Confirm...");
        ConfirmBtn.OnClick = [this](Component*) {
            int answer = App().MessageBox("Delete the remote?", "Orvane", mb::YesNo | mb::IconQuestion);
            StatusLbl.SetCaption(answer == mrYes ? "Confirmed" : "Declined");
        };

        SoundChBx.SetBounds(8, 68, 180, 17);
        SoundChBx.SetCaption("&Play sounds");
        SoundChBx.OnClick = [this](Component*) {
            StatusLbl.SetCaption(SoundChBx.Checked() ? "Sounds on" : "Sounds off");
        };
        NameLbl.SetBounds(8, 96, 60, 16);
        NameLbl.SetCaption("&Name:");
        NameEdBx.SetBounds(70, 93, 142, 21);
        NameEdBx.OnChange = [this](Component*) { StatusLbl.SetCaption("Typed: " + NameEdBx.Text()); };

        ModeGrpBx.SetBounds(220, 64, 192, 80);
        ModeGrpBx.SetCaption("Mode");
        AndRBtn.SetBounds(10, 20, 170, 17);
        AndRBtn.SetCaption("&AND");
        AndRBtn.SetChecked(true);
        AndRBtn.OnClick = [this](Component*) { StatusLbl.SetCaption("Mode AND"); };
        OrRBtn.SetBounds(10, 46, 170, 17);
        OrRBtn.SetCaption("&OR");
        OrRBtn.OnClick = [this](Component*) { StatusLbl.SetCaption("Mode OR"); };

        InfoPanel.SetBounds(8, 156, 404, 40);
        InfoPanel.SetCaption("A panel with its caption in the middle");

        CloseBtn.SetBounds(337, 206, 75, 25);
        CloseBtn.SetCaption("Close");
        CloseBtn.OnClick = [this](Component*) { Close(); };
    }

    TMainMenu MainMenu{*this, "MainMenu"};
    TMenuItem FileMenu{this, "FileMenu"};
    TMenuItem GreetMenu{this, "GreetMenu"};
    TMenuItem TickMenu{this, "TickMenu"};
    TMenuItem LineMenu{this, "LineMenu"};
    TMenuItem ExitMenu{this, "ExitMenu"};
    TLabel StatusLbl{*this, "StatusLbl"};
    TButton HelloBtn{*this, "HelloBtn"};
    TButton FailBtn{*this, "FailBtn"};
    TButton AskBtn{*this, "AskBtn"};
    TButton ConfirmBtn{*this, "ConfirmBtn"};
    TCheckBox SoundChBx{*this, "SoundChBx"};
    TLabel NameLbl{*this, "NameLbl"};
    TEdit NameEdBx{*this, "NameEdBx"};
    TGroupBox ModeGrpBx{*this, "ModeGrpBx"};
    TRadioButton AndRBtn{ModeGrpBx, "AndRBtn"};
    TRadioButton OrRBtn{ModeGrpBx, "OrRBtn"};
    TPanel InfoPanel{*this, "InfoPanel"};
    TButton CloseBtn{*this, "CloseBtn"};
};

} // namespace

TForm& CreateBasicDemo(Application& app) { return app.CreateForm<TBasicDemoForm>(); }

} // namespace orvane::demo
