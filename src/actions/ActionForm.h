#pragma once
// The action editor: sets up one action description. One page of details
// per action type, shown one at a time, and the options every type shares.
// Created once at start; its hidden lists and the mixer line box also serve
// the executor as lookup tables whether or not the dialog is shown.
//
// What the dialog sets up is one action description (actions/ActionText.h):
// BuildActionDescription writes it from the visible page, and
// LoadActionDescription sets the controls from one.
#include "actions/MidiMixer.h"
#include "platform/FileSystem.h"
#include "platform/MouseInput.h"
#include "platform/Screen.h"
#include "platform/WindowSystem.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Indicators.h"
#include "ui/Lists.h"
#include "ui/Panels.h"
#include "ui/Timer.h"

namespace orvane::actions {

class TLayoutsForm;

// What the editor reaches outside itself. Whatever is absent is simply not
// there: no user message list, no mixer lines, no window lists.
struct ActionFormServices {
    explicit ActionFormServices(platform::WindowSystem& system) : windows(system) {}

    // Names the keys of the system key list.
    platform::WindowSystem& windows;
    // The cursor's place, for the position boxes.
    platform::MouseInput* mouse = nullptr;
    // Bounds the position boxes.
    platform::Screen* screen = nullptr;
    // Reads "MyMsgList.txt" from the program's folder (with its final "\").
    platform::FileSystem* files = nullptr;
    std::string programFolder;
    // The main window's mixer and its tables of the slots behind each listed
    // line, which the executor reads.
    TMidiMixer* mixer = nullptr;
    std::vector<int>* mixerVolumeSlots = nullptr;
    std::vector<int>* mixerMuteSlots = nullptr;
    // The main window's pictures of the action types.
    const ui::TImageList* actionImages = nullptr;
    // Its running windows tree fills the window lists.
    TLayoutsForm* layouts = nullptr;
};

// The user's list of named messages, beside the program.
inline constexpr const char* kUserMessageFile = "MyMsgList.txt";
// Its lines are read whole; a file larger than this is not a message list.
inline constexpr std::size_t kMaxUserMessageFileSize = 1 << 20;

// The name part of a message list's line: the text before its first "=";
// empty when it has none, so that such a line is never found by name.
inline std::string MessageName(const std::string& line) {
    const auto equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(0, equals);
}

class TActionForm : public ui::TForm {
public:
    TActionForm(ui::Application& app, ActionFormServices services);
    TActionForm(ui::Application& app, platform::WindowSystem& windows)
        : TActionForm(app, ActionFormServices{windows}) {}

    // The description the visible page sets up; empty when no page is shown.
    std::string BuildActionDescription() const;
    // Sets the controls that the description mentions (the others keep their
    // state) and shows its type's page. A numeric field that does not convert
    // stops it there with EConvertError.
    void LoadActionDescription(const std::string& text);

    void FormCreate(ui::Component* sender);
    // After each translation: the first type, and the first item of each list.
    void LangAfterTranslation(ui::Component* sender);
    // Shows the chosen type's page; the destination window options apply
    // only to keys and messages.
    void ActionTypeCoBxClick(ui::Component* sender);
    // Each option of a page enables its own controls and disables the others'.
    void OptionRBtnClick(ui::Component* sender);
    void TryFirstChBxClick(ui::Component* sender);
    void ActionTypeCoBxDrawItem(ui::Component* sender, ui::TCanvas& canvas, int index, ui::Rect rect,
                                unsigned state);
    void RelativeMoveCoBxDrawItem(ui::Component* sender, ui::TCanvas& canvas, int index, ui::Rect rect,
                                  unsigned state);
    void CursorPosTimerTimer(ui::Component* sender);
    // F2 anywhere takes the cursor's place into the absolute position boxes.
    void FormKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState shift);
    void BrowseBtnClick(ui::Component* sender);
    // The suspend box applies to programs only; its tick stays as it is.
    void FileNameEdBxChange(ui::Component* sender);
    // Fills the window list from the layout manager's tree of all windows,
    // owned windows indented by three blanks.
    void WindowListDropDown(ui::Component* sender);
    // A chosen owned window keeps its title without the indent.
    void WindowListExit(ui::Component* sender);
    void UserMsgCoBxClick(ui::Component* sender);
    // Only hexadecimal digits and the backspace reach the parameter boxes.
    void HexEdBxKeyPress(ui::Component* sender, char& key);
    // Closes with OK when the visible page is set up, else says what is
    // missing; the volume page without a mixer line closes as cancelled.
    void AcceptBtnClick(ui::Component* sender);

    ui::TLabel ActionTypeLbl{*this, "ActionTypeLbl"};
    ui::TComboBox ActionTypeCoBx{*this, "ActionTypeCoBx"};
    ui::TGroupBox DetailsGrpBx{*this, "DetailsGrpBx"};

    ui::TPanel TapKeyPanel{DetailsGrpBx, "TapKeyPanel"};
    ui::TRadioButton SystemKeyRBtn{TapKeyPanel, "SystemKeyRBtn"};
    ui::TComboBox SystemKeysCoBx{TapKeyPanel, "SystemKeysCoBx"};
    ui::TRadioButton ParticularKeyRBtn{TapKeyPanel, "ParticularKeyRBtn"};
    ui::TEdit ParticularKeyEdBx{TapKeyPanel, "ParticularKeyEdBx"};
    ui::TGroupBox ModifyiersGrpBx{TapKeyPanel, "ModifyiersGrpBx"};
    ui::TCheckBox AltKeyChBx{ModifyiersGrpBx, "AltKeyChBx"};
    ui::TCheckBox CtrlKeyChBx{ModifyiersGrpBx, "CtrlKeyChBx"};
    ui::TCheckBox ShiftKeyChBx{ModifyiersGrpBx, "ShiftKeyChBx"};

    ui::TPanel MouseMovePanel{DetailsGrpBx, "MouseMovePanel"};
    ui::TRadioButton ClickRBtn{MouseMovePanel, "ClickRBtn"};
    ui::TComboBox ClickTypeCoBx{MouseMovePanel, "ClickTypeCoBx"};
    ui::TCheckBox DoubleClickChBtn{MouseMovePanel, "DoubleClickChBtn"};
    ui::TRadioButton RelativeMoveRBtn{MouseMovePanel, "RelativeMoveRBtn"};
    ui::TComboBox RelativeMoveCoBx{MouseMovePanel, "RelativeMoveCoBx"};
    ui::TLabel AccelerationLbl{MouseMovePanel, "AccelerationLbl"};
    ui::TTrackBar AccelBar{MouseMovePanel, "AccelBar"};
    ui::TLabel MaxLbl{MouseMovePanel, "MaxLbl"};
    ui::TRadioButton AbsoluteMoveRBtn{MouseMovePanel, "AbsoluteMoveRBtn"};
    ui::TEdit XPositionEdBx{MouseMovePanel, "XPositionEdBx"};
    ui::TUpDown XPosUpDown{MouseMovePanel, "XPosUpDown"};
    ui::TEdit YPositionEdBx{MouseMovePanel, "YPositionEdBx"};
    ui::TUpDown YPosUpDown{MouseMovePanel, "YPosUpDown"};
    ui::TLabel XPosInfoLbl{MouseMovePanel, "XPosInfoLbl"};
    ui::TLabel YPosInfoLbl{MouseMovePanel, "YPosInfoLbl"};

    ui::TPanel ExecuteProgramPanel{DetailsGrpBx, "ExecuteProgramPanel"};
    ui::TLabel ExeNameLbl{ExecuteProgramPanel, "ExeNameLbl"};
    ui::TEdit FileNameEdBx{ExecuteProgramPanel, "FileNameEdBx"};
    ui::TButton BrowseBtn{ExecuteProgramPanel, "BrowseBtn"};
    ui::TLabel ParamsLbl{ExecuteProgramPanel, "ParamsLbl"};
    ui::TEdit ParamsEdBx{ExecuteProgramPanel, "ParamsEdBx"};
    ui::TCheckBox EnterSuspendModeChBx{ExecuteProgramPanel, "EnterSuspendModeChBx"};
    ui::TCheckBox TryFirstChBx{ExecuteProgramPanel, "TryFirstChBx"};
    ui::TComboBox TryFirstCoBx{ExecuteProgramPanel, "TryFirstCoBx"};

    ui::TPanel PostMessagePanel{DetailsGrpBx, "PostMessagePanel"};
    ui::TRadioButton WinMsgRBtn{PostMessagePanel, "WinMsgRBtn"};
    ui::TComboBox WinMsgCoBx{PostMessagePanel, "WinMsgCoBx"};
    ui::TRadioButton UserMsgRBtn{PostMessagePanel, "UserMsgRBtn"};
    ui::TComboBox UserMsgCoBx{PostMessagePanel, "UserMsgCoBx"};
    ui::TGroupBox ParamsGrpBx{PostMessagePanel, "ParamsGrpBx"};
    ui::TLabel wParamLbl{ParamsGrpBx, "wParamLbl"};
    ui::TEdit wParamEdBx{ParamsGrpBx, "wParamEdBx"};
    ui::TLabel lParamLbl{ParamsGrpBx, "lParamLbl"};
    ui::TEdit lParamEdBx{ParamsGrpBx, "lParamEdBx"};
    ui::TListBox WinMsgListBox{PostMessagePanel, "WinMsgListBox"};
    ui::TListBox UserMsgListBox{PostMessagePanel, "UserMsgListBox"};

    ui::TPanel SoundPanel{DetailsGrpBx, "SoundPanel"};
    ui::TLabel MixerLineLbl{SoundPanel, "MixerLineLbl"};
    ui::TComboBox MixerLineCoBx{SoundPanel, "MixerLineCoBx"};
    ui::TRadioButton VolumeRBtn{SoundPanel, "VolumeRBtn"};
    ui::TComboBox VolumeCoBx{SoundPanel, "VolumeCoBx"};
    ui::TLabel IncrementLbl{SoundPanel, "IncrementLbl"};
    ui::TTrackBar VolIncrementBar{SoundPanel, "VolIncrementBar"};
    ui::TLabel MaxIncrementLbl{SoundPanel, "MaxIncrementLbl"};
    ui::TRadioButton MuteRBtn{SoundPanel, "MuteRBtn"};

    ui::TPanel EspecialPanel{DetailsGrpBx, "EspecialPanel"};
    ui::TRadioButton ShutDownRBtn{EspecialPanel, "ShutDownRBtn"};
    ui::TComboBox ShutDownCoBx{EspecialPanel, "ShutDownCoBx"};
    ui::TRadioButton WindowStateRBtn{EspecialPanel, "WindowStateRBtn"};
    ui::TComboBox WindowStateCoBx{EspecialPanel, "WindowStateCoBx"};
    ui::TRadioButton OSDRBtn{EspecialPanel, "OSDRBtn"};
    ui::TComboBox OSDCoBx{EspecialPanel, "OSDCoBx"};

    ui::TGroupBox OptionsGrpBx{*this, "OptionsGrpBx"};
    ui::TLabel DelayTimeLbl{OptionsGrpBx, "DelayTimeLbl"};
    ui::TEdit DelayEdBx{OptionsGrpBx, "DelayEdBx"};
    ui::TUpDown DelayUpDwn{OptionsGrpBx, "DelayUpDwn"};
    ui::TLabel DestinationWndLbl{OptionsGrpBx, "DestinationWndLbl"};
    ui::TComboBox DestinationWndCoBx{OptionsGrpBx, "DestinationWndCoBx"};
    ui::TCheckBox KeepActiveChBx{OptionsGrpBx, "KeepActiveChBx"};

    ui::TButton AcceptBtn{*this, "AcceptBtn"};
    ui::TButton CancelBtn{*this, "CancelBtn"};
    ui::TButton HelpBtn{*this, "HelpBtn"};

    ui::TImageList ArrowsImgList{*this, "ArrowsImgList"};
    ui::TTimer CursorPosTimer{*this, "CursorPosTimer"};
    ui::TOpenDialog OpenDialog{*this, "OpenDialog"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::ActionFormKeys()};

private:
    ActionFormServices services_;
    platform::WindowSystem& windows_;

    void LoadUserMessages();
    void ListMixerLines();
    void DrawImageItem(ui::TCanvas& canvas, const ui::TImageList* images, int index, const std::string& text,
                       ui::Rect rect, unsigned state);
    // The caption of an option that is not set up, as the question asks it.
    void RefuseAccept(const std::string& caption);

    // The page shown for an entry of ActionTypeCoBx.
    ui::TPanel* PageOf(int type);
    void SelectType(int type);

    void BuildTapKeyPanel();
    void BuildMouseMovePanel();
    void BuildExecuteProgramPanel();
    void BuildPostMessagePanel();
    void BuildSoundPanel();
    void BuildEspecialPanel();
    void BuildOptions();
};

} // namespace orvane::actions
