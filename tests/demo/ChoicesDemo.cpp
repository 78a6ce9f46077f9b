// The demo form of the choice controls: combo boxes in their three kinds, a
// list box with a pop-up menu, a memo, an edit with an up-down, a radio group
// and a main menu with a submenu, check and radio marks, a disabled item and
// a shortcut. Every handler says what happened in the status label and adds
// it to the memo.
#include "Demo.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/ImageList.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Panels.h"

#include <memory>
#include <string>

namespace orvane::demo {
namespace {

using namespace orvane::ui;

class TChoicesDemoForm : public TForm {
public:
    explicit TChoicesDemoForm(Application& app) : TForm(app, "ChoicesDemoForm") {
        SetCaption("Orvane demo: choices");
        SetBounds(40, 40, 560, 287);
        SetMenu(&MainMenu);
        BuildMenus();

        StatusLbl.SetBounds(8, 8, 544, 16);
        StatusLbl.SetCaption("Nothing chosen yet");

        ProgramLbl.SetBounds(8, 37, 70, 16);
        ProgramLbl.SetCaption("&Program:");
        ProgramCoBx.SetBounds(80, 34, 150, 21);
        ProgramCoBx.Items.Assign({"Notepad", "Calculator", "Paint"});
        ProgramCoBx.OnChange = [this](Component*) { Report("Program: " + Describe(ProgramCoBx)); };
        ProgramCoBx.OnDropDown = [this](Component*) { Log("Program list opened"); };

        ButtonLbl.SetBounds(8, 65, 70, 16);
        ButtonLbl.SetCaption("&Button:");
        ButtonCoBx.SetStyle(ComboStyle::DropDownList);
        ButtonCoBx.SetBounds(80, 62, 150, 21);
        ButtonCoBx.Items.Assign({"Left", "Middle", "Right"});
        ButtonCoBx.SetItemIndex(0);
        ButtonCoBx.OnChange = [this](Component*) { Report("Button: " + Describe(ButtonCoBx)); };

        ActionLbl.SetBounds(8, 95, 70, 16);
        ActionLbl.SetCaption("&Action:");
        ActionsImgList.SetCount(6);
        ActionCoBx.SetStyle(ComboStyle::OwnerDrawFixed);
        ActionCoBx.SetItemHeight(18);
        ActionCoBx.SetBounds(80, 90, 150, 24);
        ActionCoBx.Items.Assign(
            {"Tap key", "Mouse move", "Execute program", "PostMessage", "Volume control", "Miscellaneous"});
        ActionCoBx.SetItemIndex(0);
        ActionCoBx.OnDrawItem = [this](Component*, TCanvas& canvas, int index, Rect rect, unsigned) {
            // The image 3 pixels from the left, the text 10 pixels after it, both centred in height.
            canvas.FillRect(rect);
            const int imageTop = rect.top + (rect.Height() - ActionsImgList.Height()) / 2;
            canvas.DrawImage(ActionsImgList, index, rect.left + 3, imageTop);
            const std::string& text = ActionCoBx.Items[index];
            const int textLeft = rect.left + 3 + ActionsImgList.Width() + 10;
            canvas.TextOut(textLeft, rect.top + (rect.Height() - canvas.TextHeight(text)) / 2, text);
        };
        ActionCoBx.OnChange = [this](Component*) { Report("Action: " + Describe(ActionCoBx)); };

        DelayLbl.SetBounds(8, 125, 70, 16);
        DelayLbl.SetCaption("&Delay:");
        DelayEdBx.SetBounds(80, 122, 64, 21);
        DelayUpDwn.SetBounds(144, 122, 16, 21);
        DelayUpDwn.SetMax(5000);
        DelayUpDwn.SetIncrement(250);
        DelayUpDwn.SetAssociate(&DelayEdBx);
        DelayEdBx.OnChange = [this](Component*) {
            PositionLbl.SetCaption("Position: " + std::to_string(DelayUpDwn.Position()));
        };
        PositionLbl.SetBounds(168, 125, 70, 16);
        PositionLbl.SetCaption("Position: 0");

        ModeRGrp.SetBounds(8, 152, 222, 92);
        ModeRGrp.SetCaption("&Mode");
        ModeRGrp.Items.Assign({"AND", "OR", "XOR"});
        ModeRGrp.SetItemIndex(0);
        ModeRGrp.OnClick = [this](Component*) { Report("Mode: " + ModeRGrp.Items[ModeRGrp.ItemIndex()]); };

        RemotesLbl.SetBounds(240, 37, 140, 16);
        RemotesLbl.SetCaption("&Remotes (right click):");
        RemotesLstBx.SetBounds(240, 56, 140, 188);
        RemotesLstBx.Items.Assign({"Sofa", "Kitchen", "Bedroom", "Garage"});
        RemotesLstBx.SetPopupMenu(&RemotesPopup);
        RemotesLstBx.OnClick = [this](Component*) {
            Report("Remote: " + RemotesLstBx.Text() + " (item " + std::to_string(RemotesLstBx.ItemIndex()) + ")");
        };

        LogLbl.SetBounds(390, 37, 162, 16);
        LogLbl.SetCaption("Log:");
        LogMemo.SetBounds(390, 56, 162, 188);
        LogMemo.SetReadOnly(true);
        LogMemo.Lines.Add("Demo started");

        CloseBtn.SetBounds(477, 254, 75, 25);
        CloseBtn.SetCaption("Close");
        CloseBtn.OnClick = [this](Component*) { Close(); };
    }

private:
    void BuildMenus() {
        MainMenu.Items().Add(FileMenu);
        FileMenu.SetCaption("&File");
        FileMenu.Add(ClearLogMenu);
        ClearLogMenu.SetCaption("&Clear log");
        ClearLogMenu.SetShortCut(MakeShortCut('L', ssCtrl));
        ClearLogMenu.OnClick = [this](Component*) {
            LogMemo.Lines.Clear();
            StatusLbl.SetCaption("Log cleared");
        };
        FileMenu.Add(FileLineMenu);
        FileLineMenu.SetCaption("-");
        FileMenu.Add(ExitMenu);
        ExitMenu.SetCaption("E&xit");
        ExitMenu.OnClick = [this](Component*) { Close(); };

        MainMenu.Items().Add(OptionsMenu);
        OptionsMenu.SetCaption("&Options");
        OptionsMenu.Add(SoundsMenu);
        SoundsMenu.SetCaption("&Sounds");
        SoundsMenu.SetChecked(true);
        SoundsMenu.OnClick = [this](Component*) {
            SoundsMenu.SetChecked(!SoundsMenu.Checked());
            Report(SoundsMenu.Checked() ? "Sounds on" : "Sounds off");
        };
        OptionsMenu.Add(OptionsLineMenu);
        OptionsLineMenu.SetCaption("-");
        for (TMenuItem* size : {&SmallMenu, &LargeMenu}) {
            OptionsMenu.Add(*size);
            size->SetRadioItem(true);
            size->SetGroupIndex(1);
            size->OnClick = [this, size](Component*) {
                size->SetChecked(true);
                Report(size == &SmallMenu ? "Size small" : "Size large");
            };
        }
        SmallMenu.SetCaption("S&mall");
        SmallMenu.SetChecked(true);
        LargeMenu.SetCaption("&Large");
        OptionsMenu.Add(UnavailableMenu);
        UnavailableMenu.SetCaption("&Unavailable");
        UnavailableMenu.SetEnabled(false);
        UnavailableMenu.OnClick = [this](Component*) { Report("The disabled item ran"); };
        OptionsMenu.Add(RecentMenu);
        RecentMenu.SetCaption("&Recent");
        // Its entries are made each time the submenu opens.
        RecentMenu.OnClick = [this](Component*) {
            ++recentOpened_;
            RecentMenu.Clear();
            for (int i = 1; i <= 2; ++i) {
                auto& entry = RecentMenu.Add(std::make_unique<TMenuItem>(this, "Recent" + std::to_string(i)));
                entry.SetCaption("Remote " + std::to_string(i) + " (opened " + std::to_string(recentOpened_) + "x)");
                entry.OnClick = [this, i](Component*) { Report("Recent remote " + std::to_string(i)); };
            }
        };
        RecentMenu.OnClick(&RecentMenu);

        RemotesPopup.Items().Add(FirstRemoteMenu);
        FirstRemoteMenu.SetCaption("Select &first");
        FirstRemoteMenu.OnClick = [this](Component*) {
            RemotesLstBx.SetItemIndex(0);
            Report("Popup: first remote selected");
        };
        RemotesPopup.Items().Add(RemoveRemoteMenu);
        RemoveRemoteMenu.SetCaption("&Remove selected");
        RemoveRemoteMenu.OnClick = [this](Component*) {
            if (RemotesLstBx.ItemIndex() < 0) return Report("Popup: nothing to remove");
            const std::string name = RemotesLstBx.Text();
            RemotesLstBx.Items.Delete(RemotesLstBx.ItemIndex());
            Report("Popup: removed " + name);
        };
    }

    static std::string Describe(const TComboBox& box) {
        return box.Text() + " (item " + std::to_string(box.ItemIndex()) + ")";
    }

    void Log(const std::string& text) { LogMemo.Lines.Add(text); }
    void Report(const std::string& text) {
        StatusLbl.SetCaption(text);
        Log(text);
    }

    int recentOpened_ = 0;

public:
    TMainMenu MainMenu{*this, "MainMenu"};
    TMenuItem FileMenu{this, "FileMenu"};
    TMenuItem ClearLogMenu{this, "ClearLogMenu"};
    TMenuItem FileLineMenu{this, "FileLineMenu"};
    TMenuItem ExitMenu{this, "ExitMenu"};
    TMenuItem OptionsMenu{this, "OptionsMenu"};
    TMenuItem SoundsMenu{this, "SoundsMenu"};
    TMenuItem OptionsLineMenu{this, "OptionsLineMenu"};
    TMenuItem SmallMenu{this, "SmallMenu"};
    TMenuItem LargeMenu{this, "LargeMenu"};
    TMenuItem UnavailableMenu{this, "UnavailableMenu"};
    TMenuItem RecentMenu{this, "RecentMenu"};
    TPopupMenu RemotesPopup{*this, "RemotesPopup"};
    TMenuItem FirstRemoteMenu{this, "FirstRemoteMenu"};
    TMenuItem RemoveRemoteMenu{this, "RemoveRemoteMenu"};
    TImageList ActionsImgList{*this, "ActionsImgList"};

    TLabel StatusLbl{*this, "StatusLbl"};
    TLabel ProgramLbl{*this, "ProgramLbl"};
    TComboBox ProgramCoBx{*this, "ProgramCoBx"};
    TLabel ButtonLbl{*this, "ButtonLbl"};
    TComboBox ButtonCoBx{*this, "ButtonCoBx"};
    TLabel ActionLbl{*this, "ActionLbl"};
    TComboBox ActionCoBx{*this, "ActionCoBx"};
    TLabel DelayLbl{*this, "DelayLbl"};
    TEdit DelayEdBx{*this, "DelayEdBx"};
    TUpDown DelayUpDwn{*this, "DelayUpDwn"};
    TLabel PositionLbl{*this, "PositionLbl"};
    TRadioGroup ModeRGrp{*this, "ModeRGrp"};
    TLabel RemotesLbl{*this, "RemotesLbl"};
    TListBox RemotesLstBx{*this, "RemotesLstBx"};
    TLabel LogLbl{*this, "LogLbl"};
    TMemo LogMemo{*this, "LogMemo"};
    TButton CloseBtn{*this, "CloseBtn"};
};

} // namespace

TForm& CreateChoicesDemo(Application& app) { return app.CreateForm<TChoicesDemoForm>(); }

} // namespace orvane::demo
