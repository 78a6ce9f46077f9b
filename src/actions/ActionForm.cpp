#include "actions/ActionForm.h"

#include "actions/SystemKeys.h"
#include "core/TextLimits.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace orvane::actions {

using namespace ui;

namespace {

// The window messages a "PostMessage" action can name, with their standard
// numbers in hexadecimal; the executor looks names up here.
constexpr const char* kWindowsMessages[] = {
    "WM_ACTIVATE=0006", "WM_ACTIVATEAPP=001C", "WM_APP=8000", "WM_ASKCBFORMATNAME=030C",
    "WM_CANCELJOURNAL=004B", "WM_CANCELMODE=001F", "WM_CAPTURECHANGED=215", "WM_CHANGECBCHAIN=030D",
    "WM_CHAR=0102", "WM_CHARTOITEM=002F", "WM_CHILDACTIVATE=0022", "WM_CLEAR=0303", "WM_CLOSE=0010",
    "WM_COALESCE_FIRST=0390", "WM_COALESCE_LAST=039F", "WM_COMMAND=0111", "WM_COMPACTING=0041",
    "WM_COMPAREITEM=0039", "WM_CONTEXTMENU=007B", "WM_COPY=0301", "WM_COPYDATA=004A", "WM_CREATE=0001",
    "WM_CTLCOLOR=0019", "WM_CTLCOLORBTN=0135", "WM_CTLCOLORDLG=0136", "WM_CTLCOLOREDIT=0133",
    "WM_CTLCOLORLISTBOX=0134", "WM_CTLCOLORMSGBOX=0132", "WM_CTLCOLORSCROLLBAR=0137", "WM_CTLCOLORSTATIC=0138",
    "WM_CUT=0300", "WM_DDE_ACK=03E4", "WM_DDE_ADVISE=03E2", "WM_DDE_DATA=03E5", "WM_DDE_EXECUTE=03E8",
    "WM_DDE_FIRST=03E0", "WM_DDE_INITIATE=03E0", "WM_DDE_LAST=03E8", "WM_DDE_POKE=03E7", "WM_DDE_REQUEST=03E6",
    "WM_DDE_TERMINATE=03E1", "WM_DDE_UNADVISE=03E3", "WM_DEADCHAR=0103", "WM_DELETEITEM=002D",
    "WM_DESTROY=0002", "WM_DESTROYCLIPBOARD=0307", "WM_DEVICECHANGE=219", "WM_DEVMODECHANGE=001B",
    "WM_DISPLAYCHANGE=007E", "WM_DRAWCLIPBOARD=0308", "WM_DRAWITEM=002B", "WM_DROPFILES=0233",
    "WM_ENABLE=000A", "WM_ENDSESSION=0016", "WM_ENTERIDLE=0121", "WM_ENTERMENULOOP=0211",
    "WM_ENTERSIZEMOVE=0231", "WM_ERASEBKGND=0014", "WM_EXITMENULOOP=0212", "WM_EXITSIZEMOVE=0232",
    "WM_FONTCHANGE=001D", "WM_GETDLGCODE=0087", "WM_GETFONT=0031", "WM_GETHOTKEY=0033", "WM_GETICON=007F",
    "WM_GETMINMAXINFO=0024", "WM_GETTEXT=000D", "WM_GETTEXTLENGTH=000E", "WM_HANDHELDFIRST=358",
    "WM_HANDHELDLAST=35F", "WM_HELP=0053", "WM_HOTKEY=0312", "WM_HSCROLL=0114", "WM_HSCROLLCLIPBOARD=030E",
    "WM_ICONERASEBKGND=0027", "WM_IME_CHAR=0286", "WM_IME_COMPOSITION=010F", "WM_IME_COMPOSITIONFULL=0284",
    "WM_IME_CONTROL=0283", "WM_IME_ENDCOMPOSITION=010E", "WM_IME_KEYDOWN=0290", "WM_IME_KEYLAST=010F",
    "WM_IME_KEYUP=0291", "WM_IME_NOTIFY=0282", "WM_IME_SELECT=0285", "WM_IME_SETCONTEXT=0281",
    "WM_IME_STARTCOMPOSITION=010D", "WM_INITDIALOG=0110", "WM_INITMENU=0116", "WM_INITMENUPOPUP=0117",
    "WM_INPUTLANGCHANGE=0051", "WM_INPUTLANGCHANGEREQUEST=0050", "WM_KEYDOWN=0100", "WM_KEYFIRST=0100",
    "WM_KEYLAST=0108", "WM_KEYUP=0101", "WM_KILLFOCUS=0008", "WM_LBUTTONDBLCLK=0203", "WM_LBUTTONDOWN=0201",
    "WM_LBUTTONUP=0202", "WM_MBUTTONDBLCLK=0209", "WM_MBUTTONDOWN=0207", "WM_MBUTTONUP=0208",
    "WM_MDIACTIVATE=0222", "WM_MDICASCADE=0227", "WM_MDICREATE=0220", "WM_MDIDESTROY=0221",
    "WM_MDIGETACTIVE=0229", "WM_MDIICONARRANGE=0228", "WM_MDIMAXIMIZE=0225", "WM_MDINEXT=0224",
    "WM_MDIREFRESHMENU=0234", "WM_MDIRESTORE=0223", "WM_MDISETMENU=0230", "WM_MDITILE=0226",
    "WM_MEASUREITEM=002C", "WM_MENUCHAR=0120", "WM_MENUSELECT=011F", "WM_MOUSEACTIVATE=0021",
    "WM_MOUSEFIRST=0200", "WM_MOUSEHOVER=02A1", "WM_MOUSELAST=020A", "WM_MOUSELEAVE=02A3", "WM_MOUSEMOVE=0200",
    "WM_MOUSEWHEEL=020A", "WM_MOVE=0003", "WM_MOVING=216", "WM_NCACTIVATE=0086", "WM_NCCALCSIZE=0083",
    "WM_NCCREATE=0081", "WM_NCDESTROY=0082", "WM_NCHITTEST=0084", "WM_NCLBUTTONDBLCLK=00A3",
    "WM_NCLBUTTONDOWN=00A1", "WM_NCLBUTTONUP=00A2", "WM_NCMBUTTONDBLCLK=00A9", "WM_NCMBUTTONDOWN=00A7",
    "WM_NCMBUTTONUP=00A8", "WM_NCMOUSEMOVE=00A0", "WM_NCPAINT=0085", "WM_NCRBUTTONDBLCLK=00A6",
    "WM_NCRBUTTONDOWN=00A4", "WM_NCRBUTTONUP=00A5", "WM_NEXTDLGCTL=0028", "WM_NEXTMENU=0213", "WM_NOTIFY=004E",
    "WM_NOTIFYFORMAT=0055", "WM_NULL=0000", "WM_PAINT=000F", "WM_PAINTCLIPBOARD=0309", "WM_PAINTICON=0026",
    "WM_PALETTECHANGED=0311", "WM_PALETTEISCHANGING=0310", "WM_PARENTNOTIFY=0210", "WM_PASTE=0302",
    "WM_PENWINFIRST=0380", "WM_PENWINLAST=038F", "WM_POWER=0048", "WM_POWERBROADCAST=218", "WM_PRINT=317",
    "WM_PRINTCLIENT=318", "WM_QUERYDRAGICON=0037", "WM_QUERYENDSESSION=0011", "WM_QUERYNEWPALETTE=030F",
    "WM_QUERYOPEN=0013", "WM_QUEUESYNC=0023", "WM_QUIT=0012", "WM_RBUTTONDBLCLK=0206", "WM_RBUTTONDOWN=0204",
    "WM_RBUTTONUP=0205", "WM_RENDERALLFORMATS=0306", "WM_RENDERFORMAT=0305", "WM_SETCURSOR=0020",
    "WM_SETFOCUS=0007", "WM_SETFONT=0030", "WM_SETHOTKEY=0032", "WM_SETICON=0080", "WM_SETREDRAW=000B",
    "WM_SETTEXT=000C", "WM_SETTINGCHANGE=001A", "WM_SHOWWINDOW=0018", "WM_SIZE=0005", "WM_SIZECLIPBOARD=030B",
    "WM_SIZING=214", "WM_SPOOLERSTATUS=002A", "WM_STYLECHANGED=007D", "WM_STYLECHANGING=007C",
    "WM_SYSCHAR=0106", "WM_SYSCOLORCHANGE=0015", "WM_SYSCOMMAND=0112", "WM_SYSDEADCHAR=0107",
    "WM_SYSKEYDOWN=0104", "WM_SYSKEYUP=0105", "WM_SYSTEMERROR=0017", "WM_TCARD=0052", "WM_TIMECHANGE=001E",
    "WM_TIMER=0113", "WM_UNDO=0304", "WM_USER=0400", "WM_USERCHANGED=0054", "WM_VKEYTOITEM=002E",
    "WM_VSCROLL=0115", "WM_VSCROLLCLIPBOARD=030A", "WM_WINDOWPOSCHANGED=0047", "WM_WINDOWPOSCHANGING=0046",
    "WM_WININICHANGE=001A",
};

// Closed height of a combo box whose items are drawn 18 pixels high.
constexpr int kOwnerDrawnComboHeight = 24;

template <class T>
void Place(T& control, const char* caption, int left, int top, int width, int height) {
    control.SetCaption(caption);
    control.SetBounds(left, top, width, height);
}

void MakeList(TComboBox& box, ComboStyle style, std::initializer_list<const char*> items) {
    box.SetStyle(style);
    std::vector<std::string> texts(items.begin(), items.end());
    box.Items.Assign(std::move(texts));
}

void DisableAll(std::initializer_list<Control*> controls) {
    for (Control* control : controls) control->SetEnabled(false);
}

// The eight directions of a relative move, in the list's order: up, up-left,
// up-right, left, right, down, down-left, down-right. Each is the upward or
// the up-left arrow turned or mirrored.
void DrawArrows(TImageList& arrows) {
    using Rows = std::vector<std::string>;
    const Rows up = {
        ".......##.......", "......####......", ".....######.....", "....########....",
        "...##########...", "..############..", "......####......", "......####......",
        "......####......", "......####......", "......####......", "......####......",
        "......####......", "......####......", "................", "................",
    };
    const Rows upLeft = {
        "................", ".########.......", ".#######........", ".######.........",
        ".#######........", ".########.......", ".###.#####......", ".##...#####.....",
        ".#.....#####....", ".......######...", "........#####...", ".........####...",
        "..........##....", "................", "................", "................",
    };
    auto mirror = [](Rows rows) {
        for (std::string& row : rows) row.assign(row.rbegin(), row.rend());
        return rows;
    };
    auto flip = [](Rows rows) { return Rows(rows.rbegin(), rows.rend()); };
    auto turn = [](const Rows& rows) {
        Rows turned(rows.size(), std::string(rows.size(), '.'));
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows.size(); ++x) turned[x][y] = rows[y][x];
        return turned;
    };
    arrows.SetSize(16, 16);
    arrows.SetCount(8);
    arrows.SetPalette({{'#', 0x800000}});
    const Rows pictures[] = {up,         upLeft, mirror(upLeft),       turn(up),
                             mirror(turn(up)), flip(up), flip(upLeft), flip(mirror(upLeft))};
    for (int index = 0; index < 8; ++index) arrows.SetPicture(index, pictures[index]);
}

// The lines of a text file: CR LF, LF or CR end a line, as a list loaded from
// a file splits them.
std::vector<std::string> LinesOf(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

} // namespace

TActionForm::TActionForm(Application& app, ActionFormServices services)
    : TForm(app, "ActionForm"), services_(services), windows_(services.windows) {
    SetCaption("Action setup");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(368, 327);
    SetKeyPreview(true);

    Place(ActionTypeLbl, "&Action type:", 8, 13, 76, 13);
    MakeList(ActionTypeCoBx, ComboStyle::OwnerDrawFixed,
             {"Tap key", "Mouse move", "Execute program", "PostMessage", "Volume control", "Miscellaneous"});
    ActionTypeCoBx.SetItemHeight(18);
    ActionTypeCoBx.SetBounds(88, 8, 180, kOwnerDrawnComboHeight);

    Place(DetailsGrpBx, "Details", 8, 38, 352, 154);
    // The pages lie on top of each other; only the chosen type's is shown.
    for (TPanel* page : {&TapKeyPanel, &MouseMovePanel, &ExecuteProgramPanel, &PostMessagePanel, &SoundPanel,
                         &EspecialPanel}) {
        page->SetBounds(8, 16, 336, 132);
        page->SetVisible(page == &TapKeyPanel);
    }
    BuildTapKeyPanel();
    BuildMouseMovePanel();
    BuildExecuteProgramPanel();
    BuildPostMessagePanel();
    BuildSoundPanel();
    BuildEspecialPanel();
    BuildOptions();

    Place(AcceptBtn, "&Accept", 123, 294, 75, 25);
    AcceptBtn.SetDefault(true);
    Place(CancelBtn, "&Cancel", 204, 294, 75, 25);
    CancelBtn.SetCancel(true);
    CancelBtn.SetModalResult(mrCancel);
    Place(HelpBtn, "&Help", 285, 294, 75, 25);

    DrawArrows(ArrowsImgList);
    CursorPosTimer.SetEnabled(false);
    CursorPosTimer.SetInterval(100);
    OpenDialog.Filter = "Executable files (*.exe; *.com; *.bat)|*.exe; *.com; *.bat|All files (*.*)|*.*";

    OnCreate = Handler(this, &TActionForm::FormCreate);
    Lang.OnAfterTranslation = Handler(this, &TActionForm::LangAfterTranslation);
    ActionTypeCoBx.OnClick = Handler(this, &TActionForm::ActionTypeCoBxClick);
    for (TRadioButton* option : {&SystemKeyRBtn, &ParticularKeyRBtn, &ClickRBtn, &RelativeMoveRBtn, &AbsoluteMoveRBtn,
                                 &WinMsgRBtn, &UserMsgRBtn, &VolumeRBtn, &MuteRBtn, &ShutDownRBtn, &WindowStateRBtn,
                                 &OSDRBtn})
        option->OnClick = Handler(this, &TActionForm::OptionRBtnClick);
    TryFirstChBx.OnClick = Handler(this, &TActionForm::TryFirstChBxClick);
    ActionTypeCoBx.OnDrawItem = Handler(this, &TActionForm::ActionTypeCoBxDrawItem);
    RelativeMoveCoBx.OnDrawItem = Handler(this, &TActionForm::RelativeMoveCoBxDrawItem);
    CursorPosTimer.OnTimer = Handler(this, &TActionForm::CursorPosTimerTimer);
    OnKeyDown = Handler(this, &TActionForm::FormKeyDown);
    BrowseBtn.OnClick = Handler(this, &TActionForm::BrowseBtnClick);
    FileNameEdBx.OnChange = Handler(this, &TActionForm::FileNameEdBxChange);
    for (TComboBox* windowList : {&DestinationWndCoBx, &TryFirstCoBx}) {
        windowList->OnDropDown = Handler(this, &TActionForm::WindowListDropDown);
        windowList->OnExit = Handler(this, &TActionForm::WindowListExit);
    }
    UserMsgCoBx.OnClick = Handler(this, &TActionForm::UserMsgCoBxClick);
    wParamEdBx.OnKeyPress = Handler(this, &TActionForm::HexEdBxKeyPress);
    lParamEdBx.OnKeyPress = Handler(this, &TActionForm::HexEdBxKeyPress);
    AcceptBtn.OnClick = Handler(this, &TActionForm::AcceptBtnClick);
}

void TActionForm::FormCreate(Component*) {
    std::vector<std::string> names;
    for (const std::string& line : WinMsgListBox.Items.Items()) names.push_back(MessageName(line));
    WinMsgCoBx.Items.Assign(std::move(names));

    LoadUserMessages();

    // In the system's language, never translated.
    std::vector<std::string> keys;
    for (int index = 0; index < kSystemKeyCount; ++index) keys.push_back(SystemKeyName(windows_, index));
    SystemKeysCoBx.Items.Assign(std::move(keys));

    ListMixerLines();

    if (services_.screen) {
        const platform::ScreenSize screen = services_.screen->Resolution();
        XPosUpDown.SetMax(screen.width);
        YPosUpDown.SetMax(screen.height);
    }
    LangAfterTranslation(nullptr);
}

// A missing file is an empty list; so is one too large to be a list of
// messages or one that cannot be read.
void TActionForm::LoadUserMessages() {
    if (!services_.files) return;
    const std::string path = services_.programFolder + kUserMessageFile;
    if (!services_.files->FileExists(path)) return;
    const auto read = services_.files->Read(path);
    if (read.error || read.value.size() > kMaxUserMessageFileSize) return;
    std::vector<std::string> lines = LinesOf(read.value);
    std::vector<std::string> names;
    for (const std::string& line : lines) names.push_back(MessageName(line));
    UserMsgListBox.Items.Assign(std::move(lines));
    UserMsgCoBx.Items.Assign(std::move(names));
}

// The lines the volume actions can name, master first; for each, the slots of
// its volume and (or -1) mute controls, at the line's index.
void TActionForm::ListMixerLines() {
    TMidiMixer* mixer = services_.mixer;
    if (!mixer) return;
    mixer->SetActive(true);
    if (!mixer->Active()) return;
    std::vector<std::string> lines;
    std::vector<int> volumeSlots, muteSlots;
    for (unsigned slot : {2u, 0u, 12u, 6u, 10u, 14u, 16u, 18u}) {
        if (!mixer->HasControl(slot)) continue;
        lines.push_back(core::FileText(mixer->ControlName(slot)));
        volumeSlots.push_back(static_cast<int>(slot));
        muteSlots.push_back(mixer->HasControl(slot + 1) ? static_cast<int>(slot + 1) : -1);
    }
    if (services_.mixerVolumeSlots) *services_.mixerVolumeSlots = volumeSlots;
    if (services_.mixerMuteSlots) *services_.mixerMuteSlots = muteSlots;
    if (lines.empty()) return;
    MixerLineCoBx.Items.Assign(std::move(lines));
    MixerLineCoBx.SetItemIndex(0);
    VolumeCoBx.SetItemIndex(0);
    for (Control* c : std::initializer_list<Control*>{&VolumeRBtn, &VolumeCoBx, &VolIncrementBar, &MuteRBtn})
        c->SetEnabled(true);
}

TPanel* TActionForm::PageOf(int type) {
    TPanel* pages[] = {&TapKeyPanel, &MouseMovePanel, &ExecuteProgramPanel, &PostMessagePanel, &SoundPanel,
                       &EspecialPanel};
    return type >= 0 && type < static_cast<int>(std::size(pages)) ? pages[type] : nullptr;
}

void TActionForm::SelectType(int type) {
    ActionTypeCoBx.SetItemIndex(type);
    ActionTypeCoBxClick(nullptr);
}

void TActionForm::BuildTapKeyPanel() {
    Place(SystemKeyRBtn, "&System key:", 6, 8, 130, 17);
    SystemKeyRBtn.SetChecked(true);
    // Filled at start with the key names the system gives.
    SystemKeysCoBx.SetStyle(ComboStyle::DropDownList);
    SystemKeysCoBx.SetBounds(140, 6, 190, 21);
    Place(ParticularKeyRBtn, "&Particular key(s):", 6, 35, 130, 17);
    ParticularKeyEdBx.SetBounds(140, 33, 190, 21);
    ParticularKeyEdBx.SetEnabled(false);

    Place(ModifyiersGrpBx, "Modifyers", 6, 64, 324, 48);
    Place(AltKeyChBx, "+&Alt", 12, 20, 70, 17);
    Place(CtrlKeyChBx, "+&Ctrl", 112, 20, 70, 17);
    Place(ShiftKeyChBx, "+&Shift", 212, 20, 70, 17);
}

void TActionForm::BuildMouseMovePanel() {
    Place(ClickRBtn, "Button &click:", 6, 8, 100, 17);
    ClickRBtn.SetChecked(true);
    MakeList(ClickTypeCoBx, ComboStyle::DropDownList,
             {"Left", "Middle", "Right", "Left down", "Left up", "Middle down", "Middle up", "Right down",
              "Right up"});
    ClickTypeCoBx.SetBounds(110, 6, 104, 21);
    Place(DoubleClickChBtn, "&Double click", 222, 8, 100, 17);

    Place(RelativeMoveRBtn, "&Relative cursor movement:", 6, 36, 172, 17);
    MakeList(RelativeMoveCoBx, ComboStyle::OwnerDrawFixed,
             {"Up", "Up-Left", "Up-Right", "Left", "Right", "Down", "Down-Left", "Down-Right"});
    RelativeMoveCoBx.SetItemHeight(18);
    RelativeMoveCoBx.SetBounds(182, 33, 148, kOwnerDrawnComboHeight);
    Place(AccelerationLbl, "Acceleration:", 24, 67, 80, 13);
    AccelBar.SetMin(1);
    AccelBar.SetMax(10);
    AccelBar.SetLineSize(2);
    AccelBar.SetPosition(5);
    AccelBar.SetBounds(106, 61, 180, 26);
    Place(MaxLbl, "Max.", 290, 67, 30, 13);

    Place(AbsoluteMoveRBtn, "A&bsolute cursor movement (x, y):", 6, 93, 212, 17);
    XPositionEdBx.SetBounds(220, 91, 40, 21);
    XPosUpDown.SetBounds(260, 91, 15, 21);
    XPosUpDown.SetAssociate(&XPositionEdBx);
    YPositionEdBx.SetBounds(278, 91, 40, 21);
    YPosUpDown.SetBounds(318, 91, 15, 21);
    YPosUpDown.SetAssociate(&YPositionEdBx);
    // The live cursor position, written while this page is shown.
    XPosInfoLbl.SetBounds(220, 115, 55, 13);
    YPosInfoLbl.SetBounds(278, 115, 55, 13);

    DisableAll({&RelativeMoveCoBx, &AccelerationLbl, &AccelBar, &MaxLbl, &XPositionEdBx, &XPosUpDown,
                &YPositionEdBx, &YPosUpDown});
}

void TActionForm::BuildExecuteProgramPanel() {
    Place(ExeNameLbl, "Executable:", 6, 10, 70, 13);
    FileNameEdBx.SetBounds(80, 6, 218, 21);
    Place(BrowseBtn, "...", 302, 6, 28, 21);
    Place(ParamsLbl, "Parameters:", 6, 37, 70, 13);
    ParamsEdBx.SetBounds(80, 33, 250, 21);
    Place(EnterSuspendModeChBx, "&Enter in suspend mode till application closes", 6, 62, 300, 17);
    Place(TryFirstChBx, "Try first to activate the window:", 6, 85, 220, 17);
    TryFirstCoBx.SetStyle(ComboStyle::DropDown);
    TryFirstCoBx.SetBounds(24, 106, 306, 21);
    TryFirstCoBx.SetEnabled(false);
    TryFirstCoBx.SetColor(clBtnFace);
}

void TActionForm::BuildPostMessagePanel() {
    Place(WinMsgRBtn, "&Windows message:", 6, 8, 120, 17);
    WinMsgRBtn.SetChecked(true);
    WinMsgCoBx.SetStyle(ComboStyle::DropDownList);
    WinMsgCoBx.SetDropDownCount(16);
    WinMsgCoBx.SetBounds(130, 6, 200, 21);
    Place(UserMsgRBtn, "&User defined:", 6, 35, 120, 17);
    UserMsgCoBx.SetStyle(ComboStyle::DropDown);
    UserMsgCoBx.SetBounds(130, 33, 200, 21);
    UserMsgCoBx.SetEnabled(false);

    Place(ParamsGrpBx, "Parameters", 6, 64, 324, 48);
    Place(wParamLbl, "wParam:", 12, 23, 48, 13);
    wParamEdBx.SetBounds(62, 19, 90, 21);
    wParamEdBx.SetText("0");
    Place(lParamLbl, "lParam:", 172, 23, 48, 13);
    lParamEdBx.SetBounds(222, 19, 90, 21);
    lParamEdBx.SetText("0");

    // Lookup tables, never shown.
    WinMsgListBox.SetSorted(true);
    for (const char* line : kWindowsMessages) WinMsgListBox.Items.Add(line);
    WinMsgListBox.SetBounds(6, 116, 60, 12);
    WinMsgListBox.SetVisible(false);
    UserMsgListBox.SetBounds(70, 116, 60, 12);
    UserMsgListBox.SetVisible(false);
}

void TActionForm::BuildSoundPanel() {
    Place(MixerLineLbl, "Mixer line:", 6, 10, 70, 13);
    // Filled at start with the lines the mixer has.
    MixerLineCoBx.SetStyle(ComboStyle::DropDownList);
    MixerLineCoBx.SetBounds(80, 6, 250, 21);
    Place(VolumeRBtn, "&Volume:", 6, 37, 70, 17);
    VolumeRBtn.SetChecked(true);
    MakeList(VolumeCoBx, ComboStyle::DropDownList, {"Up", "Down"});
    VolumeCoBx.SetBounds(80, 35, 100, 21);
    Place(IncrementLbl, "Increment:", 24, 70, 62, 13);
    VolIncrementBar.SetMin(1);
    VolIncrementBar.SetMax(10);
    VolIncrementBar.SetPosition(5);
    VolIncrementBar.SetBounds(88, 64, 198, 26);
    Place(MaxIncrementLbl, "Max.", 290, 70, 30, 13);
    Place(MuteRBtn, "&Toggle mute", 6, 100, 100, 17);

    // Nothing to set until the mixer has a line.
    DisableAll({&VolumeRBtn, &VolumeCoBx, &IncrementLbl, &VolIncrementBar, &MaxIncrementLbl, &MuteRBtn});
}

void TActionForm::BuildEspecialPanel() {
    Place(ShutDownRBtn, "&Shutdown system:", 6, 8, 130, 17);
    ShutDownRBtn.SetChecked(true);
    MakeList(ShutDownCoBx, ComboStyle::DropDownList, {"Log off", "Reboot", "Shutdown", "Suspend", "Hibernate"});
    ShutDownCoBx.SetBounds(140, 6, 190, 21);
    Place(WindowStateRBtn, "&Window state:", 6, 35, 130, 17);
    MakeList(WindowStateCoBx, ComboStyle::DropDownList, {"Minimize", "Maximize", "Restore", "Close"});
    WindowStateCoBx.SetBounds(140, 33, 190, 21);
    Place(OSDRBtn, "&On Screen Display:", 6, 62, 130, 17);
    MakeList(OSDCoBx, ComboStyle::DropDown, {"Current time", "Current date"});
    OSDCoBx.SetBounds(140, 60, 190, 21);

    DisableAll({&WindowStateCoBx, &OSDCoBx});
}

void TActionForm::BuildOptions() {
    Place(OptionsGrpBx, "Options", 8, 198, 352, 88);
    Place(DelayTimeLbl, "Delay time before the next action occurs:", 10, 22, 248, 13);
    DelayEdBx.SetBounds(262, 18, 64, 21);
    DelayUpDwn.SetBounds(326, 18, 16, 21);
    DelayUpDwn.SetMax(32767);
    DelayUpDwn.SetIncrement(250);
    DelayUpDwn.SetThousands(false);
    DelayUpDwn.SetAssociate(&DelayEdBx);
    Place(DestinationWndLbl, "Destination window:", 10, 46, 116, 13);
    DestinationWndCoBx.SetStyle(ComboStyle::DropDown);
    DestinationWndCoBx.SetBounds(130, 42, 212, 21);
    DestinationWndCoBx.SetColor(clWindow);
    Place(KeepActiveChBx, "&Keep active", 130, 66, 100, 17);
}

} // namespace orvane::actions
