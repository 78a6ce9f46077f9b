#pragma once
// The settings dialog. Created once at start and kept for the whole run, it is
// also the program's in-memory copy of the settings: the rest of the program
// reads its controls whenever it needs a setting, and every control writes its
// registry value the moment it changes (there is no apply step).
#include "feedback/Encryption.h"
#include "feedback/PasswordDlg.h"
#include "feedback/ServerSocket.h"
#include "input/ClientSocket.h"
#include "platform/Sound.h"
#include "settings/SettingsStore.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Panels.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane::settings {

class TSettingsForm : public ui::TForm {
public:
    // switchOriginsOff stops reception after an origin or serial setting
    // changed; it comes back when the main window is activated again.
    TSettingsForm(ui::Application& app, SettingsStore& store, input::TClientSocket& clientSocket,
                  feedback::TServerSocket& serverSocket, std::string programPath,
                  std::function<void()> switchOriginsOff);

    // Puts every stored setting into its control, one after another; a number
    // that is missing fails and leaves the rest unloaded. A check box whose
    // value differs runs its click handler, which writes the value back; edits
    // tied to up-downs write nothing, since the dialog is not the active
    // window. Values read where they are used ("AVerMedia window", "DDE data",
    // "Restore", ...) are not read here.
    void LoadFromSettings(SettingsStore& store);

    // The password dialog, made after this one, and the cipher of the
    // restore password.
    void AttachPassword(feedback::TPasswordDlg& dialog, feedback::TArnEncryption& cipher) {
        passwordDlg_ = &dialog;
        cipher_ = &cipher;
    }

    // What plays a sound of the list on a double click.
    void AttachSoundPlayer(platform::SoundPlayer& player) { soundPlayer_ = &player; }
    // The named sounds back into the registry: the key "Sounds" deleted and
    // made again, one value per item in list order.
    void WriteNamedSounds();
    // The file of the first named sound called name, letter case ignored;
    // none when no sound is called so.
    const std::string* SoundFile(const std::string& name) const;

    // The on-screen display's font, built by LoadFromSettings and chosen
    // with "&Text font...".
    ui::TFont OSDFont;
    // Told of each font the user chooses.
    std::function<void(const ui::TFont& font)> OnOSDFontChange;
    // "Copy DDE link information to clipboard": the main window, which serves
    // the DDE item, puts it there.
    std::function<void()> OnCopyDDELinkInfo;
    // Told whether a log file is in use each time the stored "Log file" may
    // have changed.
    std::function<void(bool enabled)> OnLogEnabledChange;

    ui::TPageControl PageCtrl{*this, "PageCtrl"};

    ui::TTabSheet GeneralTab{PageCtrl, "GeneralTab"};
    ui::TGroupBox OptionsGrpBx{GeneralTab, "OptionsGrpBx"};
    ui::TCheckBox LaunchChBx{OptionsGrpBx, "LaunchChBx"};
    ui::TCheckBox LoadChBx{OptionsGrpBx, "LoadChBx"};
    ui::TCheckBox PlaySndsChBx{OptionsGrpBx, "PlaySndsChBx"};
    ui::TLabel LanguageLbl{OptionsGrpBx, "LanguageLbl"};
    ui::TComboBox LangCoBx{OptionsGrpBx, "LangCoBx"};
    ui::TCheckBox MultipleChBx{OptionsGrpBx, "MultipleChBx"};
    ui::TCheckBox LogFileChBx{OptionsGrpBx, "LogFileChBx"};
    ui::TEdit LogFileEdBx{OptionsGrpBx, "LogFileEdBx"};
    ui::TButton BrowseLogBtn{OptionsGrpBx, "BrowseLogBtn"};
    ui::TFileListBox LangFilesLBx{OptionsGrpBx, "LangFilesLBx"};
    ui::TCheckBox AdvancedKeyPressChBx{OptionsGrpBx, "AdvancedKeyPressChBx"};
    ui::TButton PasswordBtn{OptionsGrpBx, "PasswordBtn"};

    ui::TTabSheet OriginTab{PageCtrl, "OriginTab"};
    ui::TScrollBox DevicesScrollBox{OriginTab, "DevicesScrollBox"};
    ui::TGroupBox DevicesGrpBx{DevicesScrollBox, "DevicesGrpBx"};
    ui::TCheckBox SerialBasedChBx{DevicesGrpBx, "SerialBasedChBx"};
    ui::TCheckBox UIRServerChBx{DevicesGrpBx, "UIRServerChBx"};
    ui::TCheckBox AverChBx{DevicesGrpBx, "AverChBx"};
    ui::TButton AverWndBtn{DevicesGrpBx, "AverWndBtn"};
    ui::TCheckBox BestBuyChBx{DevicesGrpBx, "BestBuyChBx"};
    ui::TCheckBox CreativeiNFRAChBx{DevicesGrpBx, "CreativeiNFRAChBx"};
    ui::TCheckBox KeyboardChBx{DevicesGrpBx, "KeyboardChBx"};
    ui::TCheckBox TCPIPChBX{DevicesGrpBx, "TCPIPChBX"};
    ui::TLabel TCPIPPortLbl{DevicesGrpBx, "TCPIPPortLbl"};
    ui::TEdit TCPIPPortEdBx{DevicesGrpBx, "TCPIPPortEdBx"};
    ui::TUpDown TCPIPPortUpDwn{DevicesGrpBx, "TCPIPPortUpDwn"};
    ui::TButton TCPIPHostBtn{DevicesGrpBx, "TCPIPHostBtn"};

    ui::TTabSheet SerialTab{PageCtrl, "SerialTab"};
    ui::TGroupBox ConfigGrpBx{SerialTab, "ConfigGrpBx"};
    ui::TLabel PortLbl{ConfigGrpBx, "PortLbl"};
    ui::TComboBox PortCoBx{ConfigGrpBx, "PortCoBx"};
    ui::TLabel SpeedLbl{ConfigGrpBx, "SpeedLbl"};
    ui::TComboBox SpeedCoBx{ConfigGrpBx, "SpeedCoBx"};
    ui::TLabel ParityLbl{ConfigGrpBx, "ParityLbl"};
    ui::TComboBox ParityCoBx{ConfigGrpBx, "ParityCoBx"};
    ui::TLabel DataBitsLbl{ConfigGrpBx, "DataBitsLbl"};
    ui::TComboBox DataBitsCoBx{ConfigGrpBx, "DataBitsCoBx"};
    ui::TLabel StopBitsLbl{ConfigGrpBx, "StopBitsLbl"};
    ui::TComboBox StopBitsCoBx{ConfigGrpBx, "StopBitsCoBx"};
    ui::TCheckBox DTRChBx{ConfigGrpBx, "DTRChBx"};
    ui::TCheckBox RTSChBx{ConfigGrpBx, "RTSChBx"};

    ui::TTabSheet RecognitionTab{PageCtrl, "RecognitionTab"};
    ui::TGroupBox DataSequencesGrpBx{RecognitionTab, "DataSequencesGrpBx"};
    ui::TLabel SkipFirstLbl{DataSequencesGrpBx, "SkipFirstLbl"};
    ui::TEdit SkipFirstEdBx{DataSequencesGrpBx, "SkipFirstEdBx"};
    ui::TUpDown SkipFirstUpDwn{DataSequencesGrpBx, "SkipFirstUpDwn"};
    ui::TLabel ToleranceLbl{DataSequencesGrpBx, "ToleranceLbl"};
    ui::TEdit ToleranceEdBox{DataSequencesGrpBx, "ToleranceEdBox"};
    ui::TUpDown ToleranceUpDwn{DataSequencesGrpBx, "ToleranceUpDwn"};
    ui::TLabel LongLimitLbl{DataSequencesGrpBx, "LongLimitLbl"};
    ui::TEdit LengthEdBx{DataSequencesGrpBx, "LengthEdBx"};
    ui::TUpDown LengthUpDwn{DataSequencesGrpBx, "LengthUpDwn"};
    ui::TLabel ValueSizeLbl{DataSequencesGrpBx, "ValueSizeLbl"};
    ui::TEdit ValueSizeEdBx{DataSequencesGrpBx, "ValueSizeEdBx"};
    ui::TUpDown ValueSizeUpDwn{DataSequencesGrpBx, "ValueSizeUpDwn"};
    ui::TGroupBox EspecialBehaviourGrpBx{RecognitionTab, "EspecialBehaviourGrpBx"};
    ui::TCheckBox SameLengthChBx{EspecialBehaviourGrpBx, "SameLengthChBx"};
    ui::TCheckBox BinaryChBx{EspecialBehaviourGrpBx, "BinaryChBx"};
    ui::TEdit BinaryEdBx{EspecialBehaviourGrpBx, "BinaryEdBx"};
    ui::TUpDown BinaryUpDwn{EspecialBehaviourGrpBx, "BinaryUpDwn"};

    ui::TTabSheet SoundsTab{PageCtrl, "SoundsTab"};
    ui::TGroupBox CommSoundsGrpBx{SoundsTab, "CommSoundsGrpBx"};
    ui::TRadioButton ExternalFileRBtn{CommSoundsGrpBx, "ExternalFileRBtn"};
    ui::TButton NewSoundBtn{CommSoundsGrpBx, "NewSoundBtn"};
    ui::TRadioButton WinSoundsRBtn{CommSoundsGrpBx, "WinSoundsRBtn"};
    ui::TComboBox WinSoundsCoBx{CommSoundsGrpBx, "WinSoundsCoBx"};
    ui::TListView SoundsList{CommSoundsGrpBx, "SoundsList"};
    ui::TListView WinSoundsList{CommSoundsGrpBx, "WinSoundsList"};

    ui::TTabSheet OSDTab{PageCtrl, "OSDTab"};
    ui::TGroupBox OSDGrpBx{OSDTab, "OSDGrpBx"};
    ui::TCheckBox RemoteChBx{OSDGrpBx, "RemoteChBx"};
    ui::TCheckBox CommandChBx{OSDGrpBx, "CommandChBx"};
    ui::TCheckBox ActionChBx{OSDGrpBx, "ActionChBx"};
    ui::TGroupBox StyleGrpBx{OSDTab, "StyleGrpBx"};
    ui::TLabel BackgroundColorLbl{StyleGrpBx, "BackgroundColorLbl"};
    ui::TComboBox BackgroundCoBx{StyleGrpBx, "BackgroundCoBx"};
    ui::TLabel ShowTimeLbl{StyleGrpBx, "ShowTimeLbl"};
    ui::TEdit ShowTimeEdBx{StyleGrpBx, "ShowTimeEdBx"};
    ui::TUpDown ShowTimeUpDwn{StyleGrpBx, "ShowTimeUpDwn"};
    ui::TButton TextFontBtn{StyleGrpBx, "TextFontBtn"};
    ui::TCheckBox RepaintChBx{StyleGrpBx, "RepaintChBx"};

    ui::TTabSheet DDETCPTab{PageCtrl, "DDETCPTab"};
    ui::TGroupBox DDEGrpBx{DDETCPTab, "DDEGrpBx"};
    ui::TCheckBox RemoteNameChBX{DDEGrpBx, "RemoteNameChBX"};
    ui::TCheckBox CommandNameChBx{DDEGrpBx, "CommandNameChBx"};
    ui::TCheckBox CommandsDataChBx{DDEGrpBx, "CommandsDataChBx"};
    ui::TComboBox CommandsDataCoBx{DDEGrpBx, "CommandsDataCoBx"};
    ui::TCheckBox ActionDescriptionChBx{DDEGrpBx, "ActionDescriptionChBx"};
    ui::TButton CopyDDELinkInfoBtn{DDEGrpBx, "CopyDDELinkInfoBtn"};
    ui::TGroupBox TCPIPGrpBx{DDETCPTab, "TCPIPGrpBx"};
    ui::TCheckBox TCPRemoteNameChBX{TCPIPGrpBx, "TCPRemoteNameChBX"};
    ui::TCheckBox TCPCommandNameChBx{TCPIPGrpBx, "TCPCommandNameChBx"};
    ui::TCheckBox TCPCommandsDataChBx{TCPIPGrpBx, "TCPCommandsDataChBx"};
    ui::TCheckBox TCPActionDescriptionChBx{TCPIPGrpBx, "TCPActionDescriptionChBx"};
    ui::TLabel TCPServerPortLbl{TCPIPGrpBx, "TCPServerPortLbl"};
    ui::TEdit TCPServerPortEdBx{TCPIPGrpBx, "TCPServerPortEdBx"};
    ui::TUpDown TCPServerPortUpDwn{TCPIPGrpBx, "TCPServerPortUpDwn"};

    ui::TButton AcceptBtn{*this, "AcceptBtn"};
    ui::TButton HelpBtn{*this, "HelpBtn"};

    ui::TOpenDialog OpenFile{*this, "OpenFile"};
    ui::TFontDialog FontDialog{*this, "FontDialog"};
    ui::TPopupMenu SoundListPopUpMenu{*this, "SoundListPopUpMenu"};
    ui::TMenuItem DeleteMenu{this, "DeleteMenu"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::SettingsFormKeys()};

    void FormCreate(ui::Component* sender);

    // General
    void LaunchChBxClick(ui::Component* sender);
    void LoadChBxClick(ui::Component* sender);
    void PlaySndsChBxClick(ui::Component* sender);
    void MultipleChBxClick(ui::Component* sender);
    void AdvancedKeyPressChBxClick(ui::Component* sender);
    void LogFileChBxClick(ui::Component* sender);
    void LogFileEdBxChange(ui::Component* sender);
    void BrowseLogBtnClick(ui::Component* sender);
    void PasswordBtnClick(ui::Component* sender);

    // ---- Language ----
    // The windows a chosen language goes to, in order, each through its
    // component `Lang`: the main window first, whose caption (the product and
    // version) stays, then the others, whose captions the file names as
    // "<window>.Caption".
    void AttachTranslatedWindows(std::vector<ui::TForm*> windows) { translatedWindows_ = std::move(windows); }
    // Gives every window the chosen language and stores its name.
    void LangCoBxClick(ui::Component* sender);

    // Origin of control
    void SerialBasedChBxClick(ui::Component* sender);
    void UIRServerChBxClick(ui::Component* sender);
    void AverChBxClick(ui::Component* sender);
    void AverWndBtnClick(ui::Component* sender);
    void BestBuyChBxClick(ui::Component* sender);
    void CreativeiNFRAChBxClick(ui::Component* sender);
    void KeyboardChBxClick(ui::Component* sender);
    void TCPIPChBXClick(ui::Component* sender);
    void TCPIPPortEdBxChange(ui::Component* sender);
    void TCPIPHostBtnClick(ui::Component* sender);

    // Serial port
    void PortCoBxClick(ui::Component* sender);
    void SpeedCoBxClick(ui::Component* sender);
    void ParityCoBxClick(ui::Component* sender);
    void DataBitsCoBxClick(ui::Component* sender);
    void StopBitsCoBxClick(ui::Component* sender);
    void DTRChBxClick(ui::Component* sender);
    void RTSChBxClick(ui::Component* sender);

    // Recognition
    void SkipFirstEdBxChange(ui::Component* sender);
    void ToleranceEdBoxChange(ui::Component* sender);
    void LengthEdBxChange(ui::Component* sender);
    void ValueSizeEdBxChange(ui::Component* sender);
    void SkipFirstEdBxKeyPress(ui::Component* sender, char& key);
    void SameLengthChBxClick(ui::Component* sender);
    void BinaryChBxClick(ui::Component* sender);
    void BinaryEdBxChange(ui::Component* sender);

    // OSD
    void RemoteChBxClick(ui::Component* sender);
    void CommandChBxClick(ui::Component* sender);
    void ActionChBxClick(ui::Component* sender);
    void BackgroundCoBxClick(ui::Component* sender);
    void ShowTimeEdBxChange(ui::Component* sender);
    void TextFontBtnClick(ui::Component* sender);
    void RepaintChBxClick(ui::Component* sender);

    // Sounds
    void NewSoundBtnClick(ui::Component* sender);
    void WinSoundsRBtnClick(ui::Component* sender);
    void SoundsListDblClick(ui::Component* sender);
    void SoundsListKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState shift);
    void SoundListPopUpMenuPopup(ui::Component* sender);
    void DeleteMenuClick(ui::Component* sender);

    // DDE / TCP
    void RemoteNameChBXClick(ui::Component* sender);
    void CommandNameChBxClick(ui::Component* sender);
    void CommandsDataChBxClick(ui::Component* sender);
    void CommandsDataCoBxClick(ui::Component* sender);
    void ActionDescriptionChBxClick(ui::Component* sender);
    void TCPRemoteNameChBXClick(ui::Component* sender);
    void TCPCommandNameChBxClick(ui::Component* sender);
    void TCPCommandsDataChBxClick(ui::Component* sender);
    void TCPActionDescriptionChBxClick(ui::Component* sender);
    void TCPServerPortEdBxChange(ui::Component* sender);
    void CopyDDELinkInfoBtnClick(ui::Component* sender);

private:
    void LayOut();
    void BindHandlers();
    // An up-down edit writes its position only while the user is at the
    // dialog, so that the start-up load does not write the values back.
    void WritePosition(const char* name, const ui::TUpDown& upDown);
    void WriteOriginSetting(const char* name, bool flag);
    void WriteOriginSetting(const char* name, int index);
    void SwitchOriginsOff();
    // The sounds of the system's events, then the named sounds, at creation.
    void ReadWindowsSounds();
    void ReadNamedSounds();
    void AddSound(const std::string& name, const std::string& file);
    // Wide enough for the file's text, never narrower.
    void WidenFileColumn(const std::string& file);

    SettingsStore& store_;
    input::TClientSocket& clientSocket_;
    feedback::TServerSocket& serverSocket_;
    std::string programPath_;
    std::function<void()> switchOriginsOff_;
    feedback::TPasswordDlg* passwordDlg_ = nullptr;
    feedback::TArnEncryption* cipher_ = nullptr;
    platform::SoundPlayer* soundPlayer_ = nullptr;
    std::vector<ui::TForm*> translatedWindows_;
    // Set while the port box is put back to the port the socket kept.
    bool restoringPort_ = false;
};

} // namespace orvane::settings
