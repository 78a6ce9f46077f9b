#pragma once
// The main window: the remotes and their commands on the left, the action
// pane of the current layout on the right, the menus, and the components the
// whole program shares (timers, image lists, file dialogs, the tray icon,
// the sockets). The constructor gives everything its design state; the
// handlers live in their own files, one concern each.
#include "actions/MidiMixer.h"
#include "actions/ActionExecutor.h"
#include "config/ConfigTarget.h"
#include "core/Model.h"
#include "program/SleepWatch.h"
#include "program/SplashForm.h"
#include "feedback/Encryption.h"
#include "feedback/DdeServer.h"
#include "feedback/OnScreenDisplay.h"
#include "feedback/ServerSocket.h"
#include "feedback/TrayFlash.h"
#include "feedback/TrayIcon.h"
#include "input/ClientSocket.h"
#include "input/ComPort.h"
#include "input/OriginCodes.h"
#include "input/FileSource.h"
#include "input/Recognition.h"
#include "input/SequenceCapture.h"
#include "platform/SerialPort.h"
#include "platform/Libraries.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Indicators.h"
#include "ui/ListView.h"
#include "ui/Lists.h"
#include "ui/Menus.h"
#include "ui/Panels.h"
#include "ui/Timer.h"
#include "ui/TreeView.h"

#include <array>
#include <exception>
#include <memory>
#include <optional>

namespace orvane::actions {
class TActionForm;
class TLayoutsForm;
}
namespace orvane::settings {
class TSettingsForm;
}
namespace orvane::feedback {
class TPasswordDlg;
}
namespace orvane::input {
class TAVerForm;
class TLearnForm;
class TTestOriginForm;
}

namespace orvane::program {

using core::Configuration;
using core::RecordOf;
using core::TAction;
using core::TCommand;
using core::TLayout;

// What the main window reaches outside the control model.
struct MainServices {
    platform::Platform platform;
    settings::SettingsStore& store;
    // The serial origin's devices: only ComPort opens them.
    platform::SerialPorts& serialPorts;
};

class TMainForm : public ui::TForm, public config::ConfigTarget {
public:
    TMainForm(ui::Application& app, MainServices services);
    ~TMainForm() override;

    // The windows created after this one, known before the show-time work.
    void AttachWindows(actions::TLayoutsForm& layouts, settings::TSettingsForm& settings);
    // The action editor, whose captions the action list describes actions in.
    void AttachActionForm(actions::TActionForm& editor) { actionForm_ = &editor; }

    // ---- The configuration (re-created by New and Open) ----
    std::unique_ptr<Configuration> Model;
    // The data sequence the origins are collecting now.
    TCommand IncomingSequence;
    bool TypematicActive = false;
    bool DDEConversationOpen = false;
    bool TCPClientConnected = false;
    bool LogEnabled = false;
    std::int64_t CounterFrequency = 0;
    static constexpr const char* kHelpFile = "c:\\ir\\helpfile\\version4html\\Help.chm";
    ui::TFont OSDFont;

    // ---- Settings: one registry operation each ----
    std::string ReadSettingString(const std::string& name);
    void WriteSettingString(const std::string& name, const std::string& text);
    bool ReadSettingBool(const std::string& name);
    void WriteSettingBool(const std::string& name, bool flag);
    std::int32_t ReadSettingInteger(const std::string& name);
    void WriteSettingInteger(const std::string& name, std::int32_t value);
    double ReadSettingDate(const std::string& name);
    void WriteSettingDate(const std::string& name, double date);

    // ---- Life of the window ----
    void FormCreate(ui::Component* sender);
    void FormShow(ui::Component* sender);
    void FormActivate(ui::Component* sender);
    void FormCloseQuery(ui::Component* sender, bool& canClose);
    void FormDestroy(ui::Component* sender);
    void NewMenuClick(ui::Component* sender);
    void ExitMenuClick(ui::Component* sender);
    void RunBtnClick(ui::Component* sender);
    void AboutMenuClick(ui::Component* sender);
    void SettingsMenuClick(ui::Component* sender);
    void EnableOriginMenuClick(ui::Component* sender);
    // Switches the selected origins on or off as one unit; false when one
    // failed to start.
    bool SwitchOrigins(bool on);
    // The splash window while it is up.
    TSplashForm* Splash() const { return splash_.get(); }

    // ---- Configuration files (the reader and writer are in src/config) ----
    // With a sender Open asks for a file; with none (start-up) it opens the
    // file named in the status bar; with ImportMenu it imports the file's
    // remotes and commands into this configuration.
    void OpenMenuClick(ui::Component* sender);
    void ImportMenuClick(ui::Component* sender);
    // Writes the file named in the status bar, or asks for a name first.
    void SaveMenuClick(ui::Component* sender);
    void SaveAsMenuClick(ui::Component* sender);

    // ---- Editing, silent forms ----
    // Called with no sender, as the file reader calls them, these ask nothing
    // and redraw nothing.
    //
    // A remote at the end of the tree, named "New remote" or, with a sender,
    // as the user answers.
    void NewRemoteMenuClick(ui::Component* sender);
    // A command named "New command" under the selected remote (as its last
    // command) or before the selected command; nothing without a selection.
    // With a sender it asks for the name, is selected and learns its code.
    void NewCommandMenuClick(ui::Component* sender);
    // An action of the current layout, named after the selected action or
    // "My action"; it becomes the current action.
    void NewBtnClick(ui::Component* sender);
    // The selected command, or every command of the selected remote, becomes
    // a trigger of the current action. With a sender the pane is redrawn.
    void CopyToActionMenuClick(ui::Component* sender);
    // With a sender, shows the layout manager; "Close" marks the
    // configuration changed. Then refills the layout box from the layouts,
    // showing the current layout, which is the default one when the current
    // one was deleted.
    void LayoutSetupMenuClick(ui::Component* sender);
    // Numbers every node's record by its place and gives each command its image.
    void RefreshCommandsTree();

    // ---- What the file reader rebuilds through: the silent forms above ----
    ui::TTreeView& TargetTree() override { return CommandsTree; }
    Configuration& TargetModel() override { return *Model; }
    void AddRemote() override { NewRemoteMenuClick(nullptr); }
    void AddCommand() override { NewCommandMenuClick(nullptr); }
    void AddAction() override { NewBtnClick(nullptr); }
    void CopySelectionToAction() override { CopyToActionMenuClick(nullptr); }
    void ShowCurrentLayout() override { LayoutCoBxChange(nullptr); }

    // ---- The action pane (MainFormActionPane.cpp, MainFormTriggers.cpp,
    // MainFormActionList.cpp) ----
    void LayoutCoBxChange(ui::Component* sender);
    void ActionCoBxChange(ui::Component* sender);
    // Asks before deleting the selected action; renaming asks for the name.
    void DeleteBtnClick(ui::Component* sender);
    void RenameBtnClick(ui::Component* sender);
    // Each writes its value into the current action when it differs.
    void TriggeringRGrpClick(ui::Component* sender);
    void TrigTypeRGrpClick(ui::Component* sender);
    void AllAtOnceChBtnClick(ui::Component* sender);
    void TriggerTreeDragOver(ui::Component* sender, ui::Component* source, int x, int y, ui::DragState state,
                             bool& accept);
    // From the commands tree: new triggers at the end. From the trigger tree
    // itself: two commands swap their entries.
    void TriggerTreeDragDrop(ui::Component* sender, ui::Component* source, int x, int y);
    void TriggerTreeMouseDown(ui::Component* sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
    void TriggerTreeKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState shift);
    void TriggerTreePopUpMenuPopup(ui::Component* sender);
    // Asks, then removes the entry the selected node stands for.
    void DeleteTriggerClick(ui::Component* sender);
    // The action editor adds a description, or changes the selected one.
    void NewActionBtnClick(ui::Component* sender);
    void PropertiesBtnClick(ui::Component* sender);
    void ActionsListDblClick(ui::Component* sender);
    void RemoveBtnClick(ui::Component* sender);
    void ActionsListChange(ui::Component* sender, ui::TListItem* item, ui::ItemChange change);
    void ActionsListDragOver(ui::Component* sender, ui::Component* source, int x, int y, ui::DragState state,
                             bool& accept);
    // Swaps the dragged description with the one it is dropped on.
    void ActionsListDragDrop(ui::Component* sender, ui::Component* source, int x, int y);
    void RefreshActionPane();

    // Status bar panels.
    static constexpr int kFileNamePanel = 0;
    static constexpr int kOriginsPanel = 1;

    // ---- Pictures ----
    ui::TImageList CommandsImgList{*this, "CommandsImgList"};
    ui::TImageList ActionsImgList{*this, "ActionsImgList"};
    ui::TImageList LogoBlue{*this, "LogoBlue"};
    ui::TImageList LogoRed{*this, "LogoRed"};

    // ---- Timers ----
    ui::TTimer IRTimer{*this, "IRTimer"};
    ui::TTimer TypematicTimer{*this, "TypematicTimer"};
    ui::TTimer UIRTimer{*this, "UIRTimer"};
    ui::TTimer BestBuyTimer{*this, "BestBuyTimer"};
    ui::TTimer TrayColorTimer{*this, "TrayColorTimer"};
    ui::TTimer OSDShowTimer{*this, "OSDShowTimer"};
    ui::TTimer ActionTimer{*this, "ActionTimer"};
    // The wait between a wake-up and the restart of the origins.
    ui::TTimer ResumeTimer{*this, "ResumeTimer"};

    // ---- Other components ----
    ui::TOpenDialog OpenDialog{*this, "OpenDialog"};
    ui::TSaveDialog SaveDialog{*this, "SaveDialog"};
    feedback::TWinTaskbar TrayIcon;
    // Enciphers and deciphers the restore password.
    feedback::TArnEncryption ArnEncryption;
    input::TClientSocket ClientSocket;
    feedback::TServerSocket ServerSocket;
    // The DDE service with its item "OrvaneDDEServer".
    feedback::TDdeEventServer RemoteControlData;
    // The keyboard hook library, written out to a temporary file while the
    // window exists. Declared before the library's handle, so that the
    // library is freed before its file is deleted.
    input::TFileSource KeyHookFileSrc;

    // ---- Main menu ----
    ui::TMainMenu MainMenu{*this, "MainMenu"};

    ui::TMenuItem FileMenu{this, "FileMenu"};
    ui::TMenuItem NewMenu{this, "NewMenu"};
    ui::TMenuItem OpenMenu{this, "OpenMenu"};
    ui::TMenuItem SaveMenu{this, "SaveMenu"};
    ui::TMenuItem SaveAsMenu{this, "SaveAsMenu"};
    ui::TMenuItem FileLine1{this, "FileLine1"};
    ui::TMenuItem ImportMenu{this, "ImportMenu"};
    ui::TMenuItem FileLine2{this, "FileLine2"};
    ui::TMenuItem SettingsMenu{this, "SettingsMenu"};
    ui::TMenuItem FileLine3{this, "FileLine3"};
    ui::TMenuItem ExitMenu{this, "ExitMenu"};

    ui::TMenuItem CommandsMenu{this, "CommandsMenu"};
    ui::TMenuItem EnableOriginMenu{this, "EnableOriginMenu"};
    ui::TMenuItem TestOriginMenu{this, "TestOriginMenu"};
    ui::TMenuItem CommandsLine1{this, "CommandsLine1"};
    ui::TMenuItem NewRemoteMenu{this, "NewRemoteMenu"};
    ui::TMenuItem NewCommandMenu{this, "NewCommandMenu"};
    ui::TMenuItem LearnMenu{this, "LearnMenu"};
    ui::TMenuItem CommandsLine2{this, "CommandsLine2"};
    ui::TMenuItem PropertiesMenu{this, "PropertiesMenu"};
    ui::TMenuItem EnabledMenu{this, "EnabledMenu"};
    ui::TMenuItem TypematicMenu{this, "TypematicMenu"};
    ui::TMenuItem SoundMenu{this, "SoundMenu"};
    ui::TMenuItem NoneMenu{this, "NoneMenu"};
    ui::TMenuItem CommandsLine3{this, "CommandsLine3"};
    ui::TMenuItem CopyToActionMenu{this, "CopyToActionMenu"};
    ui::TMenuItem RenameMenu{this, "RenameMenu"};
    ui::TMenuItem DeleteMenu{this, "DeleteMenu"};

    ui::TMenuItem ActionsMenu{this, "ActionsMenu"};
    ui::TMenuItem LayoutSetupMenu{this, "LayoutSetupMenu"};

    ui::TMenuItem HelpMenu{this, "HelpMenu"};
    ui::TMenuItem IndexMenu{this, "IndexMenu"};
    ui::TMenuItem HelpLine1{this, "HelpLine1"};
    ui::TMenuItem AboutMenu{this, "AboutMenu"};

    // ---- Pop-up menus ----
    // Filled each time it opens, from the Commands menu.
    ui::TPopupMenu CommandsPopUpMenu{*this, "CommandsPopUpMenu"};
    ui::TPopupMenu TriggerTreePopUpMenu{*this, "TriggerTreePopUpMenu"};
    ui::TMenuItem DeleteTrigger{this, "DeleteTrigger"};
    ui::TPopupMenu TrayPopUpMenu{*this, "TrayPopUpMenu"};
    ui::TMenuItem RestoreMenu{this, "RestoreMenu"};

    // ---- Left: the remotes and their commands ----
    ui::TGroupBox RemoteCommandsGrpBx{*this, "RemoteCommandsGrpBx"};
    ui::TTreeView CommandsTree{RemoteCommandsGrpBx, "CommandsTree"};

    // ---- Right: what happens when a command is received ----
    ui::TPageControl MainPageCtrl{*this, "MainPageCtrl"};
    ui::TTabSheet ExecuteActionTab{MainPageCtrl, "ExecuteActionTab"};
    ui::TLabel LayoutLbl{ExecuteActionTab, "LayoutLbl"};
    ui::TComboBox LayoutCoBx{ExecuteActionTab, "LayoutCoBx"};
    ui::TButton ManageLayoutsBtn{ExecuteActionTab, "ManageLayoutsBtn"};

    ui::TGroupBox ActionsGrpBx{ExecuteActionTab, "ActionsGrpBx"};
    ui::TLabel ActionLbl{ActionsGrpBx, "ActionLbl"};
    ui::TComboBox ActionCoBx{ActionsGrpBx, "ActionCoBx"};
    ui::TButton NewBtn{ActionsGrpBx, "NewBtn"};
    ui::TButton DeleteBtn{ActionsGrpBx, "DeleteBtn"};
    ui::TButton RenameBtn{ActionsGrpBx, "RenameBtn"};

    ui::TPageControl ActionPageCtrl{ExecuteActionTab, "ActionPageCtrl"};
    ui::TTabSheet TriggerTab{ActionPageCtrl, "TriggerTab"};
    ui::TTreeView TriggerTree{TriggerTab, "TriggerTree"};
    ui::TRadioGroup TriggeringRGrp{TriggerTab, "TriggeringRGrp"};
    ui::TRadioGroup TrigTypeRGrp{TriggerTab, "TrigTypeRGrp"};
    ui::TTabSheet ActionListTab{ActionPageCtrl, "ActionListTab"};
    ui::TListView ActionsList{ActionListTab, "ActionsList"};
    ui::TButton NewActionBtn{ActionListTab, "NewActionBtn"};
    ui::TButton RemoveBtn{ActionListTab, "RemoveBtn"};
    ui::TButton PropertiesBtn{ActionListTab, "PropertiesBtn"};
    ui::TCheckBox AllAtOnceChBtn{ActionListTab, "AllAtOnceChBtn"};

    // ---- Bottom ----
    ui::TButton RunBtn{*this, "RunBtn"};
    ui::TButton SettingsBtn{*this, "SettingsBtn"};
    ui::TButton HelpBtn{*this, "HelpBtn"};
    ui::TStatusBar StatBar{*this, "StatBar"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::MainFormKeys()};

private:
    // The hourglass cursor while it lives, then the cursor it replaced.
    class HourGlass {
    public:
        explicit HourGlass(ui::Application& app) : app_(app), previous_(app.GetCursor()) {
            app.SetCursor(ui::Cursor::HourGlass);
        }
        ~HourGlass() { app_.SetCursor(previous_); }
        HourGlass(const HourGlass&) = delete;
        HourGlass& operator=(const HourGlass&) = delete;

    private:
        ui::Application& app_;
        ui::Cursor previous_;
    };

    void BindHandlers();
    void BindActionPane();
    void BindTriggerTree();
    // The name of the remote a command belongs to in the commands tree.
    std::string RemoteNameOf(const TCommand& command) const;
    // The place in the current action's triggers that a node of the trigger
    // tree stands for; -1 for a remote or no node.
    int TriggerEntryOf(const ui::TTreeNode* node) const;
    void SetActionValue(TAction* action, std::int32_t TAction::*field, int value);
    void DescribeRow(const std::string& description, ui::TListItem& row);
    std::string EditDescription();
    void UpdateActionListButtons();
    // While the pane is redrawn, its controls show stored values: their
    // clicks change nothing.
    bool refreshingPane_ = false;
    void CreateModel();
    void LoadSettings();
    void AfterSettings();
    void FollowEventServerBoxes();
    std::string OriginsStatusText();
    // The views of the model after a file was read.
    void RefreshAfterReading();
    // Every text the user sees passes through here to be translated.
    std::string Translate(const std::string& text) const;

    platform::Platform platform_;
    settings::SettingsStore& store_;
    actions::TLayoutsForm* layoutsForm_ = nullptr;
    actions::TActionForm* actionForm_ = nullptr;
    settings::TSettingsForm* settingsForm_ = nullptr;
    std::unique_ptr<TSplashForm> splash_;

    void CreateComponents();
    void CreateMenus();
    void LayOutControls();

    // ---- The tray (MainFormTray.cpp) ----
public:
    // The password dialog, created last of all windows.
    void AttachPasswordDialog(feedback::TPasswordDlg& dialog) { passwordDlg_ = &dialog; }
    // Brings the main window back from the tray, after the restore password
    // when one is set; also "&Configure" of the tray menu.
    void TrayIconDblClick(ui::Component* sender);
    // Rebuilds the tray menu each time before it opens.
    void TrayPopUpMenuPopup(ui::Component* sender);

private:
    feedback::TPasswordDlg* passwordDlg_ = nullptr;

    // ---- Serial data sequences and recognition (MainFormRecognition.cpp) ----
public:
    // 0 to 3: the serial receiver's handshake; only at 3 is its data a code.
    int SerialInitState = 0;
    // The performance counter at the last rising carrier edge; 0 until the first.
    std::int64_t LastEdgeTime = 0;
    // The command recognised last, which a typematic repeat dispatches again.
    TCommand* LastCommand = nullptr;

    void ComPortRxChar(input::TComPort* sender, int inQue);
    void ComPortRLSD(input::TComPort* sender);
    void IRTimerTimer(ui::Component* sender);
    void TypematicTimerTimer(ui::Component* sender);
    void TrayColorTimerTimer(ui::Component* sender);
    // Recognises IncomingSequence, complete, and empties it; every origin
    // calls it once its values are in.
    void ProcessDataSequence();
    // Everything that follows the recognition of a command, and each repeat
    // of a held typematic button: the command is shown selected, the layout of
    // the window in front is chosen, triggers advance, the command is
    // announced and, in the running state, the fired action's first
    // description runs before this returns (MainFormDispatch.cpp).
    void DispatchCommand(TCommand& command);
    // Announces a recognised command and the action it fired (or none): its
    // sound, the on-screen display, DDE and TCP/IP (MainFormPublishing.cpp).
    void PublishRecognizedCommand(TCommand& command, TAction* action);
    // The event channels' handlers (MainFormPublishing.cpp).
    void RemoteControlDataOpen(ui::Component* sender);
    void RemoteControlDataClose(ui::Component* sender);
    void ServerSocketClientConnect(ui::Component* sender);
    void ServerSocketClientDisconnect(ui::Component* sender);
    void ServerSocketClientRead(ui::Component* sender);
    // "Copy DDE link information to clipboard" of the settings dialog.
    void CopyDDELinkInfo();

private:
    // The command's named sound, when "Play sounds" is on.
    void PlayCommandSound(const TCommand& command);
    input::SequenceCapture::Links CaptureLinks();
    input::Recognizer::Links RecognizerLinks();
    input::RecognitionSettings RecognitionSettingsNow() const;
    void RepeatLastCommand();
    void DesignComPort();

    // After everything they work on, so that they are made last.
    feedback::TrayFlash activityFlash_{TrayIcon, LogoBlue, LogoRed, TrayColorTimer};
    input::SequenceCapture capture_{CaptureLinks()};
    input::Recognizer recognizer_{RecognizerLinks()};

    // ---- Origins of codes (MainFormOrigins.cpp) ----
public:
    // The window the AVerMedia TV application sends to and the origin test
    // viewer, both created after this one.
    void AttachOriginWindows(input::TAVerForm& aver, input::TTestOriginForm& viewer);
    // One start (true) or stop (false) routine per origin; each returns
    // whether it succeeded. Stopping never fails.
    bool SerialOrigin(bool on);
    bool UIRServerOrigin(bool on);
    bool AVerOrigin(bool on);
    bool BestBuyOrigin(bool on);
    bool CreativeOrigin(bool on);
    bool KeyboardOrigin(bool on);
    bool TCPIPOrigin(bool on);
    // The serial receiver's start-up handshake, one step per tick.
    void UIRTimerTimer(ui::Component* sender);
    // Polls the BestBuy card's remote.
    void BestBuyTimerTimer(ui::Component* sender);
    // Message 1025 from the keyboard hook: a virtual-key code and its
    // keystroke data.
    static constexpr unsigned kKeyHookMessage = 1025;
    void KeyHookMessage(std::uintptr_t wParam, std::intptr_t lParam);
    // A code of the AVerMedia remote, from its window.
    void AVerRemoteCode(std::int32_t code);
    // Text from the TCP/IP server: echoed, then a code of one value a character.
    void ClientSocketRead(ui::Component* sender);
    // A server not found or not reached is a failed start.
    void ClientSocketError(ui::Component* sender, input::TErrorEvent errorEvent, int& errorCode);
    // Switches the origins off and shows the origin test viewer.
    void TestOriginMenuClick(ui::Component* sender);
    // WM_POWERBROADCAST: going to sleep stops the origins that run; waking
    // up arms ResumeTimer, which starts them again (MainFormSleep.cpp).
    void PowerBroadcast(std::uintptr_t event, std::intptr_t data);
    void ResumeTimerTimer(ui::Component* sender);
    // How long a wake-up waits before the origins start again: the time a
    // USB adapter takes to come back.
    static constexpr std::uint32_t kResumeSettleMs = 2000;
    // The serial device failed while open: as a server that cannot be
    // reached, the serial origin has stopped; the port reports the error once.
    void ComPortDeviceFailure(input::TComPort* sender);

private:
    static constexpr std::size_t kOriginCount = 7;
    struct OriginSlot {
        const ui::TCheckBox* box;
        bool (TMainForm::*routine)(bool);
    };
    // The origins in the order they are started, stopped and listed.
    std::array<OriginSlot, kOriginCount> OriginSlots();
    void InitializationFailed(const std::string& text);
    // Keeps the exception being handled, unless one is kept already: the
    // switch shows the first once it is done.
    void NoteOriginFailure();
    // While the origin test viewer is open, codes are shown there instead
    // of being recognised.
    bool ViewerShown() const;
    input::DataFormat ViewerFormat() const;
    void ViewerLine(const std::string& line);
    // A serial sequence ended while the viewer is open: shown (when it holds
    // a value) and emptied. False when the viewer is closed.
    bool ShowSequenceInViewer(TCommand& sequence);
    // For the viewer: stops every origin but the one with this cleaned
    // caption, then starts that one.
    void RunOnlyOrigin(const std::string& caption);
    // The first failure noted while switching, shown once.
    void ShowOriginFailure();
    void HandshakeStep();
    void EndHandshake();
    // A code that arrives whole as one value.
    void ProcessSingleValue(std::int32_t value);
    // An origin that stopped by itself (a lost device or server): no longer
    // running, and the switch shows the origins off.
    void OriginLost(bool (TMainForm::*routine)(bool));
    // Stops the origins that run and remembers them (and the switch), once
    // per sleep; nothing is shown while the system goes to sleep.
    void SleepOrigins();
    // A sleep's restart waiting in ResumeTimer is dropped: the user (or the
    // program) switched the origins meanwhile.
    void CancelResume();

    input::TAVerForm* averForm_ = nullptr;
    input::TTestOriginForm* viewer_ = nullptr;
    std::array<bool, kOriginCount> originRunning_{};
    // What ran when the origins were stopped for a sleep, until they start again.
    struct SleptOrigins {
        std::array<bool, kOriginCount> running;
        bool switchedOn;
    };
    std::optional<SleptOrigins> slept_;
    // The switch was on when an origin stopped by itself: a wake-up switches
    // the origins on again, the lost one too.
    bool originsLost_ = false;
    SleepWatch sleepWatch_;
    std::exception_ptr originFailure_;
    std::unique_ptr<platform::Library> grappler_;
    platform::EntryPoint getTVParam_ = 0;
    // Loaded at the first start and kept until the program ends.
    std::unique_ptr<platform::Library> keyHook_;
    platform::EntryPoint keyHookStart_ = 0;
    platform::EntryPoint keyHookStop_ = 0;
    platform::EntryPoint keyHookErrorText_ = 0;

    // ---- Editing the commands tree (MainFormTreeEditing.cpp) ----
public:
    void CommandsMenuClick(ui::Component* sender);
    void CommandsPopUpMenuPopup(ui::Component* sender);
    void RenameMenuClick(ui::Component* sender);
    void DeleteMenuClick(ui::Component* sender);
    void EnabledMenuClick(ui::Component* sender);
    void TypematicMenuClick(ui::Component* sender);
    void SoundListMenuClick(ui::Component* sender);
    void CommandsTreeMouseDown(ui::Component* sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
    void CommandsTreeKeyDown(ui::Component* sender, ui::Key& key, ui::ShiftState shift);
    void CommandsTreeChange(ui::Component* sender, ui::TTreeNode* node);
    void CommandsTreeEdited(ui::Component* sender, ui::TTreeNode* node, std::string& text);
    void CommandsTreeDragOver(ui::Component* sender, ui::Component* source, int x, int y, ui::DragState state,
                              bool& accept);
    void CommandsTreeDragDrop(ui::Component* sender, ui::Component* source, int x, int y);
    // Removes a node's record from the commands and from every trigger list
    // that names it, then the node.
    void DeleteTreeNode(ui::TTreeNode* node);

private:
    void BindTreeEditing();

    // ---- Learning a command's code (MainFormLearning.cpp) ----
public:
    void AttachLearnForm(input::TLearnForm& learn);
    // The whole learning run for the selected command.
    void LearnMenuClick(ui::Component* sender);

private:
    // True when the learning dialog took the sequence as a sample.
    bool TakeLearningSample(TCommand& sample);
    input::TLearnForm* learnForm_ = nullptr;

    // ---- Dispatch and the actions it runs (MainFormDispatch.cpp) ----
public:
    // The keys the executor types.
    actions::TSendKeys SendKeys{this, platform_.keyboard, App()};
    // The mixer of the volume actions; the action editor opens it and lists
    // its lines.
    actions::TMidiMixer MidiMixer{this, platform_.mixer, App(), false, -2};
    // Per item of the action editor's mixer line box, the mixer slot of the
    // line's volume control and of its mute control (-1 when it has none).
    std::vector<int> MixerVolumeSlots, MixerMuteSlots;
    // Runs the next description of the current action; with "Simulate all
    // at once" it arms itself for the one after.
    void ActionTimerTimer(ui::Component* sender);
    // The texts of recognised commands and of OSD actions on the screen.
    feedback::TOnScreenDisplay& OSD() { return osd_; }

private:
    // The configuration as it was before something ran that may replace it
    // (an Open another program posts) or free records: a record read before
    // is used afterwards only when it still belongs to the same one.
    struct ModelWatch {
        const Configuration* model;
        std::uint64_t generation;
    };
    ModelWatch WatchModel() const { return {Model.get(), modelGeneration_}; }
    bool StillHolds(const ModelWatch& watch, const TCommand& command) const;
    bool StillHolds(const ModelWatch& watch, const TAction& action) const;
    actions::ExecutorHost ExecutorHostLinks();
    feedback::OSDOptions OSDOptionsNow() const;
    // Counts the configurations freed, so that a new one at the address of
    // the old is told apart.
    std::uint64_t modelGeneration_ = 0;
    feedback::TOnScreenDisplay osd_{platform_.screen, OSDShowTimer, [this] { return OSDOptionsNow(); }};
    actions::TActionExecutor executor_{
        {platform_.windows, platform_.keyboard, platform_.mouse, platform_.processes, platform_.clock, SendKeys},
        ExecutorHostLinks()};

public:
    // Last of all: destroyed first, it stops its watcher while the handlers
    // still have everything they use.
    input::TComPort ComPort;
};

} // namespace orvane::program
