// The settings dialog's controls as designed: captions, items, ranges, design
// values, enabled and visible states, and their places in pixels.
#include "settings/SettingsForm.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace orvane::settings {

using namespace orvane::ui;

namespace {

// Inside a group box: the left margin, the first row below the caption, and
// the distance between rows of check boxes.
constexpr int kIndent = 12;
constexpr int kFirstRow = 20;
constexpr int kRow = 22;
constexpr int kGroupLeft = 8;
constexpr int kGroupWidth = 440;
constexpr int kInnerWidth = kGroupWidth - 2 * kIndent;
// A label's text lines up with the text of the edit or list beside it.
constexpr int kLabelDrop = 4;
// A check box beside an edit sits this much lower to centre on it.
constexpr int kCheckDrop = 2;

void Check(TCheckBox& box, const char* caption, int left, int top, int width = kInnerWidth) {
    box.SetCaption(caption);
    box.SetBounds(left, top, width, 17);
}

void Label(TLabel& label, const char* caption, int left, int rowTop, int width) {
    label.SetCaption(caption);
    label.SetBounds(left, rowTop + kLabelDrop, width, 13);
}

void List(TComboBox& box, std::vector<std::string> items, int left, int top, int width) {
    box.SetStyle(ComboStyle::DropDownList);
    box.Items.Assign(std::move(items));
    box.SetBounds(left, top, width, 21);
}

// An edit with its up-down just to its right; the edit shows the design value.
void Spin(TEdit& edit, TUpDown& upDown, int min, int max, int position, int left, int top, int editWidth,
          bool grouped = false) {
    edit.SetBounds(left, top, editWidth, 21);
    upDown.SetBounds(left + editWidth, top, 16, 21);
    upDown.SetThousands(grouped);
    upDown.SetMin(min);
    upDown.SetMax(max);
    upDown.SetPosition(position);
    upDown.SetAssociate(&edit);
}

} // namespace

void TSettingsForm::LayOut() {
    SetCaption("Settings");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    // Wide enough for all seven tabs in one row.
    SetBounds(0, 0, 480, 410);

    PageCtrl.SetBounds(8, 8, 464, 360);
    // Where the page control shows its pages, below the tabs.
    for (TTabSheet* page : {&GeneralTab, &OriginTab, &SerialTab, &RecognitionTab, &SoundsTab, &OSDTab, &DDETCPTab})
        page->SetBounds(4, 24, 456, 332);

    AcceptBtn.SetCaption("&Accept");
    AcceptBtn.SetBounds(316, 377, 75, 25);
    AcceptBtn.SetDefault(true);
    AcceptBtn.SetModalResult(mrOk);
    HelpBtn.SetCaption("&Help");
    HelpBtn.SetBounds(397, 377, 75, 25);

    // General
    GeneralTab.SetCaption("General");
    OptionsGrpBx.SetCaption("Options");
    OptionsGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 230);
    Check(LaunchChBx, "Launch on Windows &startup", kIndent, kFirstRow);
    LaunchChBx.SetChecked(true);
    Check(LoadChBx, "Load minimized on &tray", kIndent, kFirstRow + kRow);
    Check(PlaySndsChBx, "&Play sounds when commands received", kIndent, kFirstRow + 2 * kRow);
    PlaySndsChBx.SetChecked(true);
    Label(LanguageLbl, "Interface language:", kIndent, 88, 110);
    List(LangCoBx, {}, 128, 88, 160);
    Check(MultipleChBx, "&Multiple instances of the program allowed", kIndent, 118);
    Check(LogFileChBx, "&Write log file:", kIndent, 142 + kCheckDrop, 110);
    LogFileEdBx.SetBounds(128, 142, 270, 21);
    LogFileEdBx.SetEnabled(false);
    BrowseLogBtn.SetCaption("...");
    BrowseLogBtn.SetBounds(402, 141, 26, 23);
    BrowseLogBtn.SetEnabled(false);
    LangFilesLBx.SetVisible(false);
    LangFilesLBx.SetMask("*.lng");
    Check(AdvancedKeyPressChBx, "&Advanced key press simulation", kIndent, 170);
    AdvancedKeyPressChBx.SetChecked(true);
    PasswordBtn.SetCaption("Password...");
    PasswordBtn.SetBounds(kIndent, 194, 90, 25);

    // Origin of control
    OriginTab.SetCaption("Origin of control");
    DevicesScrollBox.SetBounds(0, 0, 456, 332);
    DevicesGrpBx.SetCaption("Devices");
    DevicesGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 212);
    Check(SerialBasedChBx, "&Serial port based", kIndent, kFirstRow);
    SerialBasedChBx.SetChecked(true);
    Check(UIRServerChBx, "&IR server", kIndent, kFirstRow + kRow);
    UIRServerChBx.SetEnabled(false);
    Check(AverChBx, "&AVerMedia TV Series Remote", kIndent, kFirstRow + 2 * kRow, 240);
    AverWndBtn.SetCaption("&Window...");
    AverWndBtn.SetBounds(348, kFirstRow + 2 * kRow - 4, 80, 25);
    AverWndBtn.SetEnabled(false);
    AverWndBtn.SetVisible(false);
    Check(BestBuyChBx, "&BestBuy EasyTV", kIndent, kFirstRow + 3 * kRow);
    BestBuyChBx.SetEnabled(false);
    Check(CreativeiNFRAChBx, "&Creative iNFRA CD-ROM drive", kIndent, kFirstRow + 4 * kRow);
    CreativeiNFRAChBx.SetEnabled(false);
    Check(KeyboardChBx, "&Keyboard press trapping", kIndent, kFirstRow + 5 * kRow);
    Check(TCPIPChBX, "&TCP/IP", kIndent, kFirstRow + 6 * kRow);
    Label(TCPIPPortLbl, "Port:", 30, 178, 30);
    Spin(TCPIPPortEdBx, TCPIPPortUpDwn, 0, 32767, 1024, 64, 178, 56);
    TCPIPHostBtn.SetCaption("&Host...");
    TCPIPHostBtn.SetBounds(148, 176, 80, 25);
    for (Control* c : std::initializer_list<Control*>{&TCPIPPortLbl, &TCPIPPortEdBx, &TCPIPPortUpDwn, &TCPIPHostBtn})
        c->SetEnabled(false);

    // Serial port
    SerialTab.SetCaption("Serial port");
    ConfigGrpBx.SetCaption("Configuration");
    ConfigGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 214);
    Label(PortLbl, "Port:", kIndent, 20, 80);
    List(PortCoBx, {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}, 100, 20, 100);
    Label(SpeedLbl, "Speed:", kIndent, 48, 80);
    List(SpeedCoBx,
         {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600", "115200"},
         100, 48, 100);
    Label(ParityLbl, "Parity:", kIndent, 76, 80);
    List(ParityCoBx, {"None", "Odd", "Even", "Mark", "Space"}, 100, 76, 100);
    Label(DataBitsLbl, "Data bits:", kIndent, 104, 80);
    List(DataBitsCoBx, {"5", "6", "7", "8"}, 100, 104, 100);
    Label(StopBitsLbl, "Stop bits:", kIndent, 132, 80);
    List(StopBitsCoBx, {"1", "1.5", "2"}, 100, 132, 100);
    Check(DTRChBx, "DTR:", kIndent, 162, 100);
    Check(RTSChBx, "RTS:", kIndent, 162 + kRow, 100);

    // Recognition: digits only in the four comparison edits, so their
    // numbers are never grouped.
    RecognitionTab.SetCaption("Recognition");
    DataSequencesGrpBx.SetCaption("Data sequences comparison");
    DataSequencesGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 138);
    Label(SkipFirstLbl, "&Skip first random value(s):", kIndent, 20, 230);
    Spin(SkipFirstEdBx, SkipFirstUpDwn, 0, 100, 0, 250, 20, 60);
    Label(ToleranceLbl, "&Values are equal with tolerance:", kIndent, 48, 230);
    Spin(ToleranceEdBox, ToleranceUpDwn, 0, 32767, 20, 250, 48, 60);
    Label(LongLimitLbl, "&Length comparison limited to:", kIndent, 76, 230);
    Spin(LengthEdBx, LengthUpDwn, 0, 100, 0, 250, 76, 60);
    Label(ValueSizeLbl, "&Number of bytes for a single value:", kIndent, 104, 230);
    Spin(ValueSizeEdBx, ValueSizeUpDwn, 1, 4, 1, 250, 104, 60);
    EspecialBehaviourGrpBx.SetCaption("Especial behaviour");
    EspecialBehaviourGrpBx.SetBounds(kGroupLeft, 154, kGroupWidth, 78);
    Check(SameLengthChBx, "Equal sequences must have the same length", kIndent, kFirstRow);
    Check(BinaryChBx, "Consider values as binary with threshold:", kIndent, 44 + kCheckDrop, 234);
    Spin(BinaryEdBx, BinaryUpDwn, 0, 32767, 127, 250, 44, 60);
    BinaryEdBx.SetEnabled(false);
    BinaryUpDwn.SetEnabled(false);

    // Sounds
    SoundsTab.SetCaption("Sounds");
    CommSoundsGrpBx.SetCaption("Available sounds");
    CommSoundsGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 316);
    ExternalFileRBtn.SetCaption("From &external WAV file...");
    ExternalFileRBtn.SetBounds(kIndent, 22, 200, 17);
    ExternalFileRBtn.SetChecked(true);
    NewSoundBtn.SetCaption("&Add new");
    NewSoundBtn.SetBounds(353, 18, 75, 25);
    WinSoundsRBtn.SetCaption("From &Windows sounds:");
    WinSoundsRBtn.SetBounds(kIndent, 50, 136, 17);
    List(WinSoundsCoBx, {}, 152, 48, 276);
    WinSoundsCoBx.SetEnabled(false);
    for (TListView* list : {&SoundsList, &WinSoundsList}) {
        list->SetStyle(ViewStyle::Report);
        list->AddColumn("Sound name", 120);
        list->AddColumn("File name", 270);
        list->SetBounds(kIndent, 80, kInnerWidth, 224);
    }
    SoundsList.SetPopupMenu(&SoundListPopUpMenu);
    WinSoundsList.SetVisible(false);
    SoundListPopUpMenu.Items().Add(DeleteMenu);
    DeleteMenu.SetCaption("&Delete");
    OpenFile.Title = "Select sound file";
    OpenFile.Filter = "Wave table (*.wav)|*.wav|All files (*.*)|*.*";

    // OSD
    OSDTab.SetCaption("OSD");
    OSDGrpBx.SetCaption("On Screen Display");
    OSDGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 90);
    Check(RemoteChBx, "Name of the &remote", kIndent, kFirstRow);
    Check(CommandChBx, "Name of the &command", kIndent, kFirstRow + kRow);
    Check(ActionChBx, "Description of the &action", kIndent, kFirstRow + 2 * kRow);
    StyleGrpBx.SetCaption("Style");
    StyleGrpBx.SetBounds(kGroupLeft, 106, kGroupWidth, 138);
    Label(BackgroundColorLbl, "&Background color:", kIndent, 20, 110);
    List(BackgroundCoBx, {"Transparent", "Black", "White"}, 128, 20, 110);
    Label(ShowTimeLbl, "&Show time:", kIndent, 48, 110);
    Spin(ShowTimeEdBx, ShowTimeUpDwn, 0, 32767, 1000, 128, 48, 64, true);
    ShowTimeUpDwn.SetIncrement(250);
    TextFontBtn.SetCaption("&Text font...");
    TextFontBtn.SetBounds(kIndent, 78, 100, 25);
    Check(RepaintChBx, "&Full repaint", kIndent, 112, 200);

    // DDE / TCP
    DDETCPTab.SetCaption("DDE / TCP");
    DDEGrpBx.SetCaption("Dynamic Data Exchange");
    DDEGrpBx.SetBounds(kGroupLeft, 8, kGroupWidth, 146);
    Check(RemoteNameChBX, "Name of the &remote", kIndent, kFirstRow);
    Check(CommandNameChBx, "Name of the &command", kIndent, kFirstRow + kRow);
    Check(CommandsDataChBx, "Commands &data values", kIndent, kFirstRow + 2 * kRow, 200);
    List(CommandsDataCoBx, {"All", "Recognized", "Unrecognized"}, 220, kFirstRow + 2 * kRow - kCheckDrop, 120);
    CommandsDataCoBx.SetEnabled(false);
    CommandsDataCoBx.SetVisible(false);
    Check(ActionDescriptionChBx, "Description of the &action", kIndent, kFirstRow + 3 * kRow);
    CopyDDELinkInfoBtn.SetCaption("Copy &DDE link information to clipboard");
    CopyDDELinkInfoBtn.SetBounds(kIndent, 110, 240, 25);
    TCPIPGrpBx.SetCaption("TCP/IP");
    TCPIPGrpBx.SetBounds(kGroupLeft, 162, kGroupWidth, 142);
    Check(TCPRemoteNameChBX, "Name of the r&emote", kIndent, kFirstRow);
    Check(TCPCommandNameChBx, "Name of the c&ommand", kIndent, kFirstRow + kRow);
    Check(TCPCommandsDataChBx, "Commands da&ta values", kIndent, kFirstRow + 2 * kRow);
    Check(TCPActionDescriptionChBx, "Description of the act&ion", kIndent, kFirstRow + 3 * kRow);
    Label(TCPServerPortLbl, "Server port:", kIndent, 110, 70);
    Spin(TCPServerPortEdBx, TCPServerPortUpDwn, 0, 32767, 4040, 84, 110, 56);
}

void TSettingsForm::BindHandlers() {
    OnCreate = Handler(this, &TSettingsForm::FormCreate);

    LaunchChBx.OnClick = Handler(this, &TSettingsForm::LaunchChBxClick);
    LoadChBx.OnClick = Handler(this, &TSettingsForm::LoadChBxClick);
    PlaySndsChBx.OnClick = Handler(this, &TSettingsForm::PlaySndsChBxClick);
    MultipleChBx.OnClick = Handler(this, &TSettingsForm::MultipleChBxClick);
    AdvancedKeyPressChBx.OnClick = Handler(this, &TSettingsForm::AdvancedKeyPressChBxClick);
    LogFileChBx.OnClick = Handler(this, &TSettingsForm::LogFileChBxClick);
    LogFileEdBx.OnChange = Handler(this, &TSettingsForm::LogFileEdBxChange);
    BrowseLogBtn.OnClick = Handler(this, &TSettingsForm::BrowseLogBtnClick);
    PasswordBtn.OnClick = Handler(this, &TSettingsForm::PasswordBtnClick);
    LangCoBx.OnClick = Handler(this, &TSettingsForm::LangCoBxClick);

    SerialBasedChBx.OnClick = Handler(this, &TSettingsForm::SerialBasedChBxClick);
    UIRServerChBx.OnClick = Handler(this, &TSettingsForm::UIRServerChBxClick);
    AverChBx.OnClick = Handler(this, &TSettingsForm::AverChBxClick);
    AverWndBtn.OnClick = Handler(this, &TSettingsForm::AverWndBtnClick);
    BestBuyChBx.OnClick = Handler(this, &TSettingsForm::BestBuyChBxClick);
    CreativeiNFRAChBx.OnClick = Handler(this, &TSettingsForm::CreativeiNFRAChBxClick);
    KeyboardChBx.OnClick = Handler(this, &TSettingsForm::KeyboardChBxClick);
    TCPIPChBX.OnClick = Handler(this, &TSettingsForm::TCPIPChBXClick);
    TCPIPPortEdBx.OnChange = Handler(this, &TSettingsForm::TCPIPPortEdBxChange);
    TCPIPHostBtn.OnClick = Handler(this, &TSettingsForm::TCPIPHostBtnClick);

    PortCoBx.OnClick = Handler(this, &TSettingsForm::PortCoBxClick);
    SpeedCoBx.OnClick = Handler(this, &TSettingsForm::SpeedCoBxClick);
    ParityCoBx.OnClick = Handler(this, &TSettingsForm::ParityCoBxClick);
    DataBitsCoBx.OnClick = Handler(this, &TSettingsForm::DataBitsCoBxClick);
    StopBitsCoBx.OnClick = Handler(this, &TSettingsForm::StopBitsCoBxClick);
    DTRChBx.OnClick = Handler(this, &TSettingsForm::DTRChBxClick);
    RTSChBx.OnClick = Handler(this, &TSettingsForm::RTSChBxClick);

    SkipFirstEdBx.OnChange = Handler(this, &TSettingsForm::SkipFirstEdBxChange);
    ToleranceEdBox.OnChange = Handler(this, &TSettingsForm::ToleranceEdBoxChange);
    LengthEdBx.OnChange = Handler(this, &TSettingsForm::LengthEdBxChange);
    ValueSizeEdBx.OnChange = Handler(this, &TSettingsForm::ValueSizeEdBxChange);
    for (TEdit* edit : {&SkipFirstEdBx, &ToleranceEdBox, &LengthEdBx, &ValueSizeEdBx})
        edit->OnKeyPress = Handler(this, &TSettingsForm::SkipFirstEdBxKeyPress);
    SameLengthChBx.OnClick = Handler(this, &TSettingsForm::SameLengthChBxClick);
    BinaryChBx.OnClick = Handler(this, &TSettingsForm::BinaryChBxClick);
    BinaryEdBx.OnChange = Handler(this, &TSettingsForm::BinaryEdBxChange);

    RemoteChBx.OnClick = Handler(this, &TSettingsForm::RemoteChBxClick);
    CommandChBx.OnClick = Handler(this, &TSettingsForm::CommandChBxClick);
    ActionChBx.OnClick = Handler(this, &TSettingsForm::ActionChBxClick);
    BackgroundCoBx.OnClick = Handler(this, &TSettingsForm::BackgroundCoBxClick);
    ShowTimeEdBx.OnChange = Handler(this, &TSettingsForm::ShowTimeEdBxChange);
    TextFontBtn.OnClick = Handler(this, &TSettingsForm::TextFontBtnClick);
    RepaintChBx.OnClick = Handler(this, &TSettingsForm::RepaintChBxClick);

    RemoteNameChBX.OnClick = Handler(this, &TSettingsForm::RemoteNameChBXClick);
    CommandNameChBx.OnClick = Handler(this, &TSettingsForm::CommandNameChBxClick);
    CommandsDataChBx.OnClick = Handler(this, &TSettingsForm::CommandsDataChBxClick);
    CommandsDataCoBx.OnClick = Handler(this, &TSettingsForm::CommandsDataCoBxClick);
    ActionDescriptionChBx.OnClick = Handler(this, &TSettingsForm::ActionDescriptionChBxClick);
    TCPRemoteNameChBX.OnClick = Handler(this, &TSettingsForm::TCPRemoteNameChBXClick);
    TCPCommandNameChBx.OnClick = Handler(this, &TSettingsForm::TCPCommandNameChBxClick);
    TCPCommandsDataChBx.OnClick = Handler(this, &TSettingsForm::TCPCommandsDataChBxClick);
    TCPActionDescriptionChBx.OnClick = Handler(this, &TSettingsForm::TCPActionDescriptionChBxClick);
    TCPServerPortEdBx.OnChange = Handler(this, &TSettingsForm::TCPServerPortEdBxChange);

    NewSoundBtn.OnClick = Handler(this, &TSettingsForm::NewSoundBtnClick);
    WinSoundsRBtn.OnClick = Handler(this, &TSettingsForm::WinSoundsRBtnClick);
    ExternalFileRBtn.OnClick = Handler(this, &TSettingsForm::WinSoundsRBtnClick);
    SoundsList.OnDblClick = Handler(this, &TSettingsForm::SoundsListDblClick);
    SoundsList.OnKeyDown = Handler(this, &TSettingsForm::SoundsListKeyDown);
    SoundListPopUpMenu.OnPopup = Handler(this, &TSettingsForm::SoundListPopUpMenuPopup);
    DeleteMenu.OnClick = Handler(this, &TSettingsForm::DeleteMenuClick);
    CopyDDELinkInfoBtn.OnClick = Handler(this, &TSettingsForm::CopyDDELinkInfoBtnClick);
}

} // namespace orvane::settings
