#include "program/MainForm.h"
#include "program/CommandImages.h"

#include "feedback/TrayLogos.h"
#include "input/HookLibraryKey.h"

namespace orvane::program {
namespace {

void AddItem(ui::TMenuItem& menu, ui::TMenuItem& item, std::string caption, ui::ShortCut shortCut = 0) {
    item.SetCaption(std::move(caption));
    item.SetShortCut(shortCut);
    menu.Add(item);
}

void AddLine(ui::TMenuItem& menu, ui::TMenuItem& line) { AddItem(menu, line, "-"); }

ui::ShortCut Ctrl(char key) { return ui::MakeShortCut(static_cast<ui::Key>(key), ui::ssCtrl); }

// The folder of a file name, with its final separator.
std::string FolderOf(const std::string& path) {
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

void DisabledTimer(ui::TTimer& timer, std::uint32_t intervalMs) {
    timer.SetEnabled(false);
    timer.SetInterval(intervalMs);
}

} // namespace

TMainForm::TMainForm(ui::Application& app, MainServices services)
    : TForm(app, "MainForm"),
      TrayIcon(*this, "TrayIcon", services.platform.tray),
      ClientSocket(services.platform.sockets, app),
      ServerSocket(services.platform.sockets, app),
      RemoteControlData(services.platform.dde),
      KeyHookFileSrc(*this, "KeyHookFileSrc", services.platform.files, services.platform.clock),
      platform_(services.platform), store_(services.store), ComPort(services.serialPorts) {
    // The title with the version comes at creation; until then a second copy
    // looking for that title cannot mistake this window for the first copy.
    SetCaption("Orvane");
    SetBorderStyle(ui::FormBorderStyle::Single);
    SetPosition(ui::FormPosition::ScreenCenter);
    SetClientSize(640, 440);

    CreateComponents();
    CreateMenus();
    LayOutControls();
    BindHandlers();

    // The form's stored data: the keyboard hook library, built into the
    // program, goes out to a temporary file, with a key of this copy's own,
    // and stays held open so that nobody can swap it before it is loaded.
    // Should that fail, the keyboard origin cannot start, but the program can.
    KeyHookFileSrc.SetCompress(false);
    KeyHookFileSrc.SetExtension(".dll");
    KeyHookFileSrc.SetStore(true);
    KeyHookFileSrc.SetHold(true);
    if (auto fileData = platform_.shell.ProgramResource("KEYHOOKFILESRC")) {
        input::GiveHookLibraryKey(*fileData, platform_.random);
        App().Dispatch([&] { KeyHookFileSrc.ReadFileData(*fileData); });
    }
}

TMainForm::~TMainForm() {
    // The hook must not outlive the library its procedure lives in.
    if (keyHook_ && keyHookStop_) keyHook_->CallWithoutArguments(keyHookStop_);
}

void TMainForm::BindHandlers() {
    using ui::Handler;
    OnCreate = Handler(this, &TMainForm::FormCreate);
    OnShow = Handler(this, &TMainForm::FormShow);
    OnActivate = Handler(this, &TMainForm::FormActivate);
    OnCloseQuery = Handler(this, &TMainForm::FormCloseQuery);
    OnDestroy = Handler(this, &TMainForm::FormDestroy);
    NewMenu.OnClick = Handler(this, &TMainForm::NewMenuClick);
    OpenMenu.OnClick = Handler(this, &TMainForm::OpenMenuClick);
    SaveMenu.OnClick = Handler(this, &TMainForm::SaveMenuClick);
    SaveAsMenu.OnClick = Handler(this, &TMainForm::SaveAsMenuClick);
    ImportMenu.OnClick = Handler(this, &TMainForm::ImportMenuClick);
    ExitMenu.OnClick = Handler(this, &TMainForm::ExitMenuClick);
    SettingsMenu.OnClick = Handler(this, &TMainForm::SettingsMenuClick);
    SettingsBtn.OnClick = Handler(this, &TMainForm::SettingsMenuClick);
    RunBtn.OnClick = Handler(this, &TMainForm::RunBtnClick);
    AboutMenu.OnClick = Handler(this, &TMainForm::AboutMenuClick);
    EnableOriginMenu.OnClick = Handler(this, &TMainForm::EnableOriginMenuClick);
    TestOriginMenu.OnClick = Handler(this, &TMainForm::TestOriginMenuClick);
    LayoutCoBx.OnChange = Handler(this, &TMainForm::LayoutCoBxChange);
    ActionCoBx.OnChange = Handler(this, &TMainForm::ActionCoBxChange);
    LayoutSetupMenu.OnClick = Handler(this, &TMainForm::LayoutSetupMenuClick);
    ManageLayoutsBtn.OnClick = Handler(this, &TMainForm::LayoutSetupMenuClick);
    // Serial data sequences and recognition. Serial events come from outside,
    // so they pass the dispatch point like a timer's tick.
    ComPort.OnRxChar = [this](input::TComPort*, int inQue) {
        Dispatch([this, inQue] { ComPortRxChar(&ComPort, inQue); });
    };
    ComPort.OnRLSD = [this](input::TComPort*) { Dispatch([this] { ComPortRLSD(&ComPort); }); };
    // Runs inside whatever failed; the failure is raised after it.
    ComPort.OnDeviceFailure = [this](input::TComPort* sender) { ComPortDeviceFailure(sender); };
    IRTimer.OnTimer = Handler(this, &TMainForm::IRTimerTimer);
    TypematicTimer.OnTimer = Handler(this, &TMainForm::TypematicTimerTimer);
    TrayColorTimer.OnTimer = Handler(this, &TMainForm::TrayColorTimerTimer);
    ActionTimer.OnTimer = Handler(this, &TMainForm::ActionTimerTimer);
    TrayIcon.OnDblClick = Handler(this, &TMainForm::TrayIconDblClick);
    RestoreMenu.OnClick = Handler(this, &TMainForm::TrayIconDblClick);
    TrayPopUpMenu.OnPopup = Handler(this, &TMainForm::TrayPopUpMenuPopup);
    UIRTimer.OnTimer = Handler(this, &TMainForm::UIRTimerTimer);
    BestBuyTimer.OnTimer = Handler(this, &TMainForm::BestBuyTimerTimer);
    ClientSocket.OnRead = Handler(this, &TMainForm::ClientSocketRead);
    ServerSocket.OnClientConnect = Handler(this, &TMainForm::ServerSocketClientConnect);
    ServerSocket.OnClientDisconnect = Handler(this, &TMainForm::ServerSocketClientDisconnect);
    ServerSocket.OnClientRead = Handler(this, &TMainForm::ServerSocketClientRead);
    RemoteControlData.OnOpen = Handler(this, &TMainForm::RemoteControlDataOpen);
    RemoteControlData.OnClose = Handler(this, &TMainForm::RemoteControlDataClose);
    ClientSocket.OnError = [this](ui::Component* sender, input::TErrorEvent errorEvent, int& errorCode) {
        ClientSocketError(sender, errorEvent, errorCode);
    };
    SetMessageHandler(kKeyHookMessage,
                      [this](std::uintptr_t wParam, std::intptr_t lParam) { KeyHookMessage(wParam, lParam); });
    SetMessageHandler(power::kBroadcast,
                      [this](std::uintptr_t wParam, std::intptr_t lParam) { PowerBroadcast(wParam, lParam); });
    ResumeTimer.OnTimer = Handler(this, &TMainForm::ResumeTimerTimer);
    BindTreeEditing();
    BindActionPane();
}

void TMainForm::CreateComponents() {
    // Tree images: remote; command without code; with code, recognition off;
    // with code, recognition on; any command while selected.
    DrawCommandImages(CommandsImgList);
    // One image per kind of action description in the action list.
    ActionsImgList.SetCount(7);
    LogoBlue.SetSize(32, 32);
    LogoBlue.SetCount(1);
    LogoRed.SetSize(32, 32);
    LogoRed.SetCount(1);
    LogoBlue.SetPicture(0, feedback::DrawLogo(feedback::kLogoBlue));
    LogoRed.SetPicture(0, feedback::DrawLogo(feedback::kLogoRed));

    // Nothing runs until an origin, recognition or an action starts it.
    DisabledTimer(IRTimer, 125);
    DisabledTimer(TypematicTimer, 175);
    DisabledTimer(UIRTimer, 300);
    DisabledTimer(BestBuyTimer, 50);
    DisabledTimer(TrayColorTimer, 150);
    // Its interval is set each time it is started.
    OSDShowTimer.SetEnabled(false);
    // Each description sets the interval before the next; one abandoned
    // before any did leaves this.
    DisabledTimer(ActionTimer, 1);
    DisabledTimer(ResumeTimer, kResumeSettleMs);

    OpenDialog.DefaultExt = SaveDialog.DefaultExt = "orv";
    OpenDialog.Filter = SaveDialog.Filter = "Orvane files (*.orv)|*.orv|All files (*.*)|*.*";
    OpenDialog.InitialDir = SaveDialog.InitialDir = FolderOf(platform_.shell.ExecutablePath());

    TrayIcon.SetIcon(&LogoBlue);
    TrayIcon.SetPopUpMenu(&TrayPopUpMenu);

    ClientSocket.SetPort(1024);
    ServerSocket.SetPort(4040);
    DesignComPort();
}

void TMainForm::CreateMenus() {
    ui::TMenuItem& bar = MainMenu.Items();

    AddItem(bar, FileMenu, "&File");
    AddItem(FileMenu, NewMenu, "&New");
    AddItem(FileMenu, OpenMenu, "&Open...", Ctrl('O'));
    AddItem(FileMenu, SaveMenu, "&Save", Ctrl('S'));
    // Enabled means unsaved changes; a new configuration has none.
    SaveMenu.SetEnabled(false);
    AddItem(FileMenu, SaveAsMenu, "Save &As...");
    AddLine(FileMenu, FileLine1);
    AddItem(FileMenu, ImportMenu, "&Import commands...", Ctrl('I'));
    AddLine(FileMenu, FileLine2);
    AddItem(FileMenu, SettingsMenu, "S&ettings...", Ctrl('E'));
    AddLine(FileMenu, FileLine3);
    // Last: the tray menu copies the File menu's last item.
    AddItem(FileMenu, ExitMenu, "E&xit");

    AddItem(bar, CommandsMenu, "&Commands");
    // First: the tray menu copies the Commands menu's first item.
    AddItem(CommandsMenu, EnableOriginMenu, "Ori&gin enabled", Ctrl('G'));
    AddItem(CommandsMenu, TestOriginMenu, "&Test origin...", Ctrl('T'));
    AddLine(CommandsMenu, CommandsLine1);
    AddItem(CommandsMenu, NewRemoteMenu, "Add new &remote", Ctrl('R'));
    AddItem(CommandsMenu, NewCommandMenu, "Add new comman&d", Ctrl('D'));
    AddItem(CommandsMenu, LearnMenu, "&Learn...", Ctrl('L'));
    AddLine(CommandsMenu, CommandsLine2);
    AddItem(CommandsMenu, PropertiesMenu, "&Properties");
    AddItem(PropertiesMenu, EnabledMenu, "&Recognition enabled");
    AddItem(PropertiesMenu, TypematicMenu, "&Typematic function");
    AddItem(PropertiesMenu, SoundMenu, "&Play sound");
    // The sounds of the settings are added after it each time the menu opens.
    AddItem(SoundMenu, NoneMenu, "None");
    NoneMenu.SetRadioItem(true);
    AddLine(CommandsMenu, CommandsLine3);
    AddItem(CommandsMenu, CopyToActionMenu, "Copy to &action trigger list", Ctrl('A'));
    AddItem(CommandsMenu, RenameMenu, "Rena&me");
    AddItem(CommandsMenu, DeleteMenu, "D&elete");

    AddItem(bar, ActionsMenu, "&Actions");
    AddItem(ActionsMenu, LayoutSetupMenu, "La&youts setup...");

    AddItem(bar, HelpMenu, "&Help");
    AddItem(HelpMenu, IndexMenu, "&Index");
    AddLine(HelpMenu, HelpLine1);
    AddItem(HelpMenu, AboutMenu, "&About...");

    SetMenu(&MainMenu);

    AddItem(TriggerTreePopUpMenu.Items(), DeleteTrigger, "&Delete");
    AddItem(TrayPopUpMenu.Items(), RestoreMenu, "&Configure");
}

} // namespace orvane::program
