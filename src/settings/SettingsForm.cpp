#include "settings/SettingsForm.h"

#include "ui/Application.h"

#include <memory>

#include <initializer_list>

namespace orvane::settings {

using namespace orvane::ui;

namespace {

// The folder of a path, with its trailing separator.
std::string FolderOf(const std::string& path) {
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

} // namespace

TSettingsForm::TSettingsForm(Application& app, SettingsStore& store, input::TClientSocket& clientSocket,
                             feedback::TServerSocket& serverSocket, std::string programPath,
                             std::function<void()> switchOriginsOff)
    : TForm(app, "SettingsForm"),
      store_(store),
      clientSocket_(clientSocket),
      serverSocket_(serverSocket),
      programPath_(std::move(programPath)),
      switchOriginsOff_(std::move(switchOriginsOff)) {
    // The design state is set before the handlers are bound, so that setting
    // it writes nothing.
    LayOut();
    BindHandlers();
}

void TSettingsForm::FormCreate(Component*) {
    // The languages are the ".lng" files of the folder "Lang" beside the
    // program, each named by the text before its first ".".
    LangFilesLBx.SetDirectory(FolderOf(programPath_) + "Lang\\");
    std::vector<std::string> names;
    for (const std::string& file : LangFilesLBx.Items) names.push_back(file.substr(0, file.find('.')));
    LangCoBx.Items.Assign(std::move(names));
    ReadWindowsSounds();
    ReadNamedSounds();
}

void TSettingsForm::LoadFromSettings(SettingsStore& store) {
    LaunchChBx.SetChecked(store.ReadSettingBool("Launch on startup"));
    LoadChBx.SetChecked(store.ReadSettingBool("Load minimized"));
    PlaySndsChBx.SetChecked(store.ReadSettingBool("Play sounds"));
    MultipleChBx.SetChecked(store.ReadSettingBool("Multiple instances"));
    AdvancedKeyPressChBx.SetChecked(store.ReadSettingBool("Advanced keypress"));
    const std::string logFile = store.ReadSettingString("Log file");
    if (!logFile.empty()) {
        LogFileEdBx.SetText(logFile);
        LogFileChBx.SetChecked(true);
    }
    LangCoBx.SetItemIndex(LangFilesLBx.Items.IndexOf(store.ReadSettingString("Language") + ".lng"));
    LangCoBxClick(nullptr);

    SerialBasedChBx.SetChecked(store.ReadSettingBool("Use serial port"));
    UIRServerChBx.SetChecked(store.ReadSettingBool("Use IR server"));
    AverChBx.SetChecked(store.ReadSettingBool("Use AVerMedia"));
    BestBuyChBx.SetChecked(store.ReadSettingBool("Use BestBuy"));
    CreativeiNFRAChBx.SetChecked(store.ReadSettingBool("Use Creative iNFRA"));
    KeyboardChBx.SetChecked(store.ReadSettingBool("Use keyboard trapping"));
    TCPIPChBX.SetChecked(store.ReadSettingBool("Use TCP/IP"));
    clientSocket_.SetPort(store.ReadSettingInteger("TCP/IP client port"));
    clientSocket_.SetHost(store.ReadSettingString("TCP/IP client host"));
    TCPIPPortUpDwn.SetPosition(clientSocket_.Port());

    PortCoBx.SetItemIndex(store.ReadSettingInteger("Serial port"));
    SpeedCoBx.SetItemIndex(store.ReadSettingInteger("Serial speed"));
    ParityCoBx.SetItemIndex(store.ReadSettingInteger("Serial parity"));
    DataBitsCoBx.SetItemIndex(store.ReadSettingInteger("Serial databits"));
    StopBitsCoBx.SetItemIndex(store.ReadSettingInteger("Serial stopbits"));
    DTRChBx.SetChecked(store.ReadSettingBool("Serial DTR"));
    RTSChBx.SetChecked(store.ReadSettingBool("Serial RTS"));

    SkipFirstUpDwn.SetPosition(store.ReadSettingInteger("Skip first"));
    ToleranceUpDwn.SetPosition(store.ReadSettingInteger("Tolerance"));
    LengthUpDwn.SetPosition(store.ReadSettingInteger("Length limit"));
    ValueSizeUpDwn.SetPosition(store.ReadSettingInteger("Value size"));
    SameLengthChBx.SetChecked(store.ReadSettingBool("SameLength values"));
    BinaryChBx.SetChecked(store.ReadSettingBool("Binary values"));
    BinaryUpDwn.SetPosition(store.ReadSettingInteger("Binary threshold"));

    RemoteChBx.SetChecked(store.ReadSettingBool("OSD show remote"));
    CommandChBx.SetChecked(store.ReadSettingBool("OSD show command"));
    ActionChBx.SetChecked(store.ReadSettingBool("OSD show action"));
    BackgroundCoBx.SetItemIndex(store.ReadSettingInteger("OSD background"));
    ShowTimeUpDwn.SetPosition(store.ReadSettingInteger("OSD display time"));
    TFont font;
    font.name = store.ReadSettingString("OSD font name");
    font.color = static_cast<TColor>(store.ReadSettingInteger("OSD font color"));
    font.size = store.ReadSettingInteger("OSD font size");
    font.style = 0;
    if (store.ReadSettingBool("OSD font bold")) font.style |= fsBold;
    if (store.ReadSettingBool("OSD font italic")) font.style |= fsItalic;
    if (store.ReadSettingBool("OSD font underline")) font.style |= fsUnderline;
    if (store.ReadSettingBool("OSD font strikeout")) font.style |= fsStrikeOut;
    OSDFont = font;
    RepaintChBx.SetChecked(store.ReadSettingBool("OSD repaint"));

    RemoteNameChBX.SetChecked(store.ReadSettingBool("DDE send remote"));
    CommandNameChBx.SetChecked(store.ReadSettingBool("DDE send command"));
    CommandsDataChBx.SetChecked(store.ReadSettingBool("DDE send data"));
    ActionDescriptionChBx.SetChecked(store.ReadSettingBool("DDE send action"));
    TCPRemoteNameChBX.SetChecked(store.ReadSettingBool("TCP/IP send remote"));
    TCPCommandNameChBx.SetChecked(store.ReadSettingBool("TCP/IP send command"));
    TCPCommandsDataChBx.SetChecked(store.ReadSettingBool("TCP/IP send data"));
    TCPActionDescriptionChBx.SetChecked(store.ReadSettingBool("TCP/IP send action"));
    serverSocket_.SetPort(store.ReadSettingInteger("TCP/IP server port"));
    TCPServerPortUpDwn.SetPosition(serverSocket_.Port());
}

void TSettingsForm::WritePosition(const char* name, const TUpDown& upDown) {
    if (Active()) store_.WriteSettingInteger(name, upDown.Position());
}

void TSettingsForm::SwitchOriginsOff() {
    if (switchOriginsOff_) switchOriginsOff_();
}

void TSettingsForm::WriteOriginSetting(const char* name, bool flag) {
    store_.WriteSettingBool(name, flag);
    SwitchOriginsOff();
}

void TSettingsForm::WriteOriginSetting(const char* name, int index) {
    store_.WriteSettingInteger(name, index);
    SwitchOriginsOff();
}

// ---- General ----

void TSettingsForm::LaunchChBxClick(Component*) {
    // Only once the logon entry can be reached is anything written, so that
    // the entry and "Launch on startup" never disagree.
    {
        auto run = store_.Registry().OpenKey(platform::RootKey::CurrentUser, kRunKey, true);
        if (!run) return;
        if (LaunchChBx.Checked())
            run->WriteString(kRunValue, programPath_);
        else
            run->DeleteValue(kRunValue);
    }
    store_.WriteSettingBool("Launch on startup", LaunchChBx.Checked());
}

void TSettingsForm::LoadChBxClick(Component*) { store_.WriteSettingBool("Load minimized", LoadChBx.Checked()); }

void TSettingsForm::PlaySndsChBxClick(Component*) { store_.WriteSettingBool("Play sounds", PlaySndsChBx.Checked()); }

void TSettingsForm::MultipleChBxClick(Component*) {
    store_.WriteSettingBool("Multiple instances", MultipleChBx.Checked());
}

void TSettingsForm::AdvancedKeyPressChBxClick(Component*) {
    store_.WriteSettingBool("Advanced keypress", AdvancedKeyPressChBx.Checked());
}

void TSettingsForm::LogFileChBxClick(Component* sender) {
    const bool on = LogFileChBx.Checked();
    LogFileEdBx.SetEnabled(on);
    BrowseLogBtn.SetEnabled(on);
    if (on) {
        LogFileEdBxChange(sender);
        return;
    }
    // Logging stops at once; the path stays in the edit for a later check.
    store_.WriteSettingString("Log file", "");
    if (OnLogEnabledChange) OnLogEnabledChange(false);
}

void TSettingsForm::LogFileEdBxChange(Component*) {
    if (LogFileChBx.Checked()) store_.WriteSettingString("Log file", LogFileEdBx.Text());
    const bool enabled = !store_.ReadSettingString("Log file").empty();
    if (OnLogEnabledChange) OnLogEnabledChange(enabled);
}

void TSettingsForm::BrowseLogBtnClick(Component*) {
    // The file dialog is shared with the sound list, which sets its own filter.
    OpenFile.Filter = "Log files (*.log)|*.log|All files (*.*)|*.*";
    OpenFile.DefaultExt = "log";
    if (OpenFile.Execute()) LogFileEdBx.SetText(OpenFile.FileName);
}

void TSettingsForm::PasswordBtnClick(Component*) {
    if (!passwordDlg_ || !cipher_) return;
    if (const auto stored = feedback::AskNewPassword(*passwordDlg_, *cipher_))
        store_.WriteSettingString("Restore", *stored);
}

// ---- Language ----

void TSettingsForm::LangCoBxClick(Component*) {
    const auto languageOf = [](const TForm& window) { return dynamic_cast<TLanguage*>(window.FindComponent("Lang")); };
    if (LangCoBx.Items.Empty()) {
        // The action editor starts as it would after a translation.
        for (TForm* window : translatedWindows_) {
            TLanguage* lang = languageOf(*window);
            if (lang && window->Name() == "ActionForm" && lang->OnAfterTranslation) lang->OnAfterTranslation(lang);
        }
        return;
    }
    const int index = LangCoBx.ItemIndex();
    const std::string name = index >= 0 ? LangCoBx.Items[index] : std::string();
    const std::string path = FolderOf(programPath_) + "Lang\\" + name + ".lng";
    if (!LanguageText::FileExists(path)) return;
    const auto text = std::make_shared<const LanguageText>(LanguageText::Load(path));
    for (std::size_t i = 0; i < translatedWindows_.size(); ++i) {
        TForm& window = *translatedWindows_[i];
        if (TLanguage* lang = languageOf(window)) lang->SetLanguageFile(path, text);
        if (i == 0) continue;
        const auto caption = text->Value(window.Name() + ".Caption");
        if (caption && !caption->empty()) window.SetCaption(*caption);
    }
    store_.WriteSettingString("Language", name);
}

// ---- Origin of control ----

void TSettingsForm::SerialBasedChBxClick(Component*) {
    WriteOriginSetting("Use serial port", SerialBasedChBx.Checked());
}

void TSettingsForm::UIRServerChBxClick(Component*) { WriteOriginSetting("Use IR server", UIRServerChBx.Checked()); }

void TSettingsForm::AverChBxClick(Component*) {
    AverWndBtn.SetEnabled(AverChBx.Checked());
    WriteOriginSetting("Use AVerMedia", AverChBx.Checked());
}

void TSettingsForm::AverWndBtnClick(Component*) {
    // Read and written under two spellings: value names ignore case.
    const std::string title =
        App().InputBox("AVerMedia remote", "Title of window:", store_.ReadSettingString("AverMedia window"));
    store_.WriteSettingString("AVerMedia window", title);
}

void TSettingsForm::BestBuyChBxClick(Component*) { WriteOriginSetting("Use BestBuy", BestBuyChBx.Checked()); }

void TSettingsForm::CreativeiNFRAChBxClick(Component*) {
    WriteOriginSetting("Use Creative iNFRA", CreativeiNFRAChBx.Checked());
}

void TSettingsForm::KeyboardChBxClick(Component*) {
    WriteOriginSetting("Use keyboard trapping", KeyboardChBx.Checked());
}

void TSettingsForm::TCPIPChBXClick(Component*) {
    const bool on = TCPIPChBX.Checked();
    for (Control* c : std::initializer_list<Control*>{&TCPIPPortLbl, &TCPIPPortEdBx, &TCPIPPortUpDwn, &TCPIPHostBtn})
        c->SetEnabled(on);
    WriteOriginSetting("Use TCP/IP", on);
}

void TSettingsForm::TCPIPPortEdBxChange(Component*) {
    if (restoringPort_) return;
    // Also during the load: the socket and the stored port follow whatever
    // the up-down's range made of the stored one.
    try {
        clientSocket_.SetPort(TCPIPPortUpDwn.Position());
    } catch (...) {
        // A connected socket keeps its port, and so does the registry: the
        // box shows that port again before the refusal is reported.
        restoringPort_ = true;
        TCPIPPortUpDwn.SetPosition(clientSocket_.Port());
        restoringPort_ = false;
        throw;
    }
    store_.WriteSettingInteger("TCP/IP client port", clientSocket_.Port());
}

void TSettingsForm::TCPIPHostBtnClick(Component*) {
    clientSocket_.SetHost(App().InputBox("TCP/IP connection", "Host name:", clientSocket_.Host()));
    store_.WriteSettingString("TCP/IP client host", clientSocket_.Host());
}

// ---- Serial port ----

void TSettingsForm::PortCoBxClick(Component*) { WriteOriginSetting("Serial port", PortCoBx.ItemIndex()); }

void TSettingsForm::SpeedCoBxClick(Component*) { WriteOriginSetting("Serial speed", SpeedCoBx.ItemIndex()); }

void TSettingsForm::ParityCoBxClick(Component*) { WriteOriginSetting("Serial parity", ParityCoBx.ItemIndex()); }

void TSettingsForm::DataBitsCoBxClick(Component*) {
    WriteOriginSetting("Serial databits", DataBitsCoBx.ItemIndex());
}

void TSettingsForm::StopBitsCoBxClick(Component*) {
    WriteOriginSetting("Serial stopbits", StopBitsCoBx.ItemIndex());
}

void TSettingsForm::DTRChBxClick(Component*) { WriteOriginSetting("Serial DTR", DTRChBx.Checked()); }

void TSettingsForm::RTSChBxClick(Component*) { WriteOriginSetting("Serial RTS", RTSChBx.Checked()); }

// ---- Recognition ----

void TSettingsForm::SkipFirstEdBxChange(Component*) { WritePosition("Skip first", SkipFirstUpDwn); }

void TSettingsForm::ToleranceEdBoxChange(Component*) { WritePosition("Tolerance", ToleranceUpDwn); }

void TSettingsForm::LengthEdBxChange(Component*) { WritePosition("Length limit", LengthUpDwn); }

void TSettingsForm::ValueSizeEdBxChange(Component*) { WritePosition("Value size", ValueSizeUpDwn); }

void TSettingsForm::SkipFirstEdBxKeyPress(Component*, char& key) {
    if (key < '0' || key > '9') key = 0;
}

void TSettingsForm::SameLengthChBxClick(Component*) {
    store_.WriteSettingBool("SameLength values", SameLengthChBx.Checked());
}

void TSettingsForm::BinaryChBxClick(Component*) {
    BinaryEdBx.SetEnabled(BinaryChBx.Checked());
    BinaryUpDwn.SetEnabled(BinaryChBx.Checked());
    store_.WriteSettingBool("Binary values", BinaryChBx.Checked());
}

void TSettingsForm::BinaryEdBxChange(Component*) { WritePosition("Binary threshold", BinaryUpDwn); }

// ---- OSD ----

void TSettingsForm::RemoteChBxClick(Component*) { store_.WriteSettingBool("OSD show remote", RemoteChBx.Checked()); }

void TSettingsForm::CommandChBxClick(Component*) {
    store_.WriteSettingBool("OSD show command", CommandChBx.Checked());
}

void TSettingsForm::ActionChBxClick(Component*) { store_.WriteSettingBool("OSD show action", ActionChBx.Checked()); }

void TSettingsForm::BackgroundCoBxClick(Component*) {
    store_.WriteSettingInteger("OSD background", BackgroundCoBx.ItemIndex());
}

void TSettingsForm::ShowTimeEdBxChange(Component*) { WritePosition("OSD display time", ShowTimeUpDwn); }

void TSettingsForm::TextFontBtnClick(Component*) {
    FontDialog.Font = OSDFont;
    if (!FontDialog.Execute()) return;
    OSDFont = FontDialog.Font;
    store_.WriteSettingString("OSD font name", OSDFont.name);
    store_.WriteSettingInteger("OSD font color", static_cast<std::int32_t>(OSDFont.color));
    store_.WriteSettingInteger("OSD font size", OSDFont.size);
    store_.WriteSettingBool("OSD font bold", (OSDFont.style & fsBold) != 0);
    store_.WriteSettingBool("OSD font italic", (OSDFont.style & fsItalic) != 0);
    store_.WriteSettingBool("OSD font underline", (OSDFont.style & fsUnderline) != 0);
    store_.WriteSettingBool("OSD font strikeout", (OSDFont.style & fsStrikeOut) != 0);
    if (OnOSDFontChange) OnOSDFontChange(OSDFont);
}

void TSettingsForm::RepaintChBxClick(Component*) { store_.WriteSettingBool("OSD Repaint", RepaintChBx.Checked()); }

// ---- DDE / TCP ----

void TSettingsForm::RemoteNameChBXClick(Component*) {
    store_.WriteSettingBool("DDE send remote", RemoteNameChBX.Checked());
}

void TSettingsForm::CommandNameChBxClick(Component*) {
    store_.WriteSettingBool("DDE send command", CommandNameChBx.Checked());
}

void TSettingsForm::CommandsDataChBxClick(Component*) {
    CommandsDataCoBx.SetEnabled(CommandsDataChBx.Checked());
    store_.WriteSettingBool("DDE send data", CommandsDataChBx.Checked());
}

void TSettingsForm::CommandsDataCoBxClick(Component*) {
    store_.WriteSettingInteger("DDE data", CommandsDataCoBx.ItemIndex());
}

void TSettingsForm::ActionDescriptionChBxClick(Component*) {
    store_.WriteSettingBool("DDE send action", ActionDescriptionChBx.Checked());
}

void TSettingsForm::TCPRemoteNameChBXClick(Component*) {
    store_.WriteSettingBool("TCP/IP send remote", TCPRemoteNameChBX.Checked());
}

void TSettingsForm::TCPCommandNameChBxClick(Component*) {
    store_.WriteSettingBool("TCP/IP send command", TCPCommandNameChBx.Checked());
}

void TSettingsForm::TCPCommandsDataChBxClick(Component*) {
    store_.WriteSettingBool("TCP/IP send data", TCPCommandsDataChBx.Checked());
}

void TSettingsForm::TCPActionDescriptionChBxClick(Component*) {
    store_.WriteSettingBool("TCP/IP send action", TCPActionDescriptionChBx.Checked());
}

void TSettingsForm::TCPServerPortEdBxChange(Component*) {
    // A listening socket cannot change its port, so it stops for the change
    // and listens again on the new one, whatever the TCP/IP boxes say: they
    // decide when the dialog closes. The start-up load, which runs this too,
    // leaves a stopped server stopped: there the boxes decide at once.
    const bool listen = serverSocket_.Active() || Active();
    serverSocket_.SetActive(false);
    serverSocket_.SetPort(TCPServerPortUpDwn.Position());
    store_.WriteSettingInteger("TCP/IP server port", serverSocket_.Port());
    if (listen) serverSocket_.SetActive(true);
}

void TSettingsForm::CopyDDELinkInfoBtnClick(Component*) {
    if (OnCopyDDELinkInfo) OnCopyDDELinkInfo();
}

} // namespace orvane::settings
