// Automation driver for end-to-end tests: finds a window of the program by its
// title and a control in it by its component name, and acts on it as a user
// would, through the controls' own window messages.
//
//   orvane-driver [--timeout MS] COMMAND WINDOW [CONTROL] [ARGS...]
//
// WINDOW is a window title, exact, or "~part" for a title containing part.
// CONTROL is a component name (without regard to case); the program tags each
// native control with it in the window property "OrvaneName", each form with
// its class name in "OrvaneClass", and each menu item's command identifier in
// the form's property "OrvaneMenu:<item name>".
//
// Commands (print what they read, one item a line):
//   wait WINDOW                        the window exists
//   close WINDOW                       posts WM_CLOSE
//   post WINDOW MESSAGE WPARAM [LPARAM]
//                                      posts a message as the system would send
//                                      it (numbers decimal or 0x hexadecimal:
//                                      post W 0x218 4 is WM_POWERBROADCAST, suspend)
//   class WINDOW                       the form's class name
//   click WINDOW CONTROL               a button (BM_CLICK) or a menu item (WM_COMMAND)
//   settext WINDOW CONTROL TEXT        replaces the text (WM_SETTEXT)
//   type WINDOW CONTROL TEXT           types characters (WM_CHAR each, through the message loop)
//   check WINDOW CONTROL on|off        clicks a check box when its state differs
//   select WINDOW CONTROL TEXT|#N      combo box, list box, list view or tab item,
//                                      or a radio group's button
//   dropdown WINDOW CONTROL            opens a combo box's list and closes it again,
//                                      as a user looking at the choices would
//   setpos WINDOW CONTROL N            an up-down's or track bar's position, as
//                                      its arrows or thumb set it
//   selectnode WINDOW CONTROL A/B/C    a tree node by the texts of its path
//   noderect WINDOW CONTROL A/B/C      screen point "X Y" in the middle of the
//                                      node's label (for mouse actions)
//   middle WINDOW CONTROL              screen point "X Y" in the middle of the control
//   text|checked|enabled|visible WINDOW CONTROL
//   expect WINDOW CONTROL TEXT         waits until the control's text is TEXT
//   position WINDOW CONTROL            an up-down's, track bar's or progress bar's position
//   items WINDOW CONTROL               combo, list box, list view, tab or radio group items
//   selected WINDOW CONTROL            the selected item's text (tree: its path)
//   nodes WINDOW CONTROL               tree nodes: two blanks a level, text, images
//   rows WINDOW CONTROL                list view rows: text and image
//   panels WINDOW CONTROL              status bar panel texts
//   answer WINDOW BUTTON [TEXT]        in a dialog titled WINDOW (message box or
//                                      input box) puts TEXT into its edit, then
//                                      presses the button with that caption
//   dialogtext WINDOW                  the texts of a dialog's static controls
//
// Exit status: 0 done; 1 window or control not found in time, or the action
// failed; 2 bad usage.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

DWORD g_timeoutMs = 10000;

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "orvane-driver: %s\n", message.c_str());
    std::exit(1);
}

[[noreturn]] void Usage() {
    std::fputs("usage: orvane-driver [--timeout MS] COMMAND WINDOW [CONTROL] [ARGS...]\n", stderr);
    std::exit(2);
}

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string WindowText(HWND window) {
    char buffer[4096];
    LRESULT length = SendMessageA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string ClassOf(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof(buffer));
    return buffer;
}

std::string AtomProperty(HWND window, const char* property) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, property)));
    if (!atom) return {};
    char buffer[256] = {};
    GlobalGetAtomNameA(atom, buffer, sizeof(buffer));
    return buffer;
}

// Window enumeration with a predicate; the callbacks must be stdcall functions.
using Predicate = std::function<bool(HWND)>;
struct Search {
    const Predicate* test;
    HWND found;
};
BOOL CALLBACK TestWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if ((*search->test)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
HWND FirstTopLevel(const Predicate& test) {
    Search search{&test, nullptr};
    EnumWindows(TestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
HWND FirstChild(HWND parent, const Predicate& test) {
    Search search{&test, nullptr};
    EnumChildWindows(parent, TestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool TitleMatches(HWND window, const std::string& wanted) {
    std::string title = WindowText(window);
    if (!wanted.empty() && wanted[0] == '~') return title.find(wanted.substr(1)) != std::string::npos;
    return title == wanted;
}

// Polls until found() returns a window or the timeout passes.
template <typename Finder>
HWND WaitFor(Finder found, const std::string& what) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = found()) return window;
        if (GetTickCount() - start >= g_timeoutMs) Fail(what + " not found");
        Sleep(50);
    }
}

HWND FindTopLevel(const std::string& title) {
    return WaitFor(
        [&] { return FirstTopLevel([&](HWND w) { return IsWindowVisible(w) && TitleMatches(w, title); }); },
        "window \"" + title + "\"");
}

HWND FindControl(HWND form, const std::string& name) {
    return WaitFor(
        [&] { return FirstChild(form, [&](HWND w) { return SameText(AtomProperty(w, "OrvaneName"), name); }); },
        "control \"" + name + "\"");
}

// Memory in the program's process, for the control messages that take pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (!process_) Fail("cannot open the program's process");
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (!address_) Fail("cannot allocate memory in the program's process");
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void Write(const void* data, std::size_t size, std::size_t offset = 0) {
        WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) {
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }
    char* At(std::size_t offset = 0) { return static_cast<char*>(address_) + offset; }
    LPARAM Param(std::size_t offset = 0) { return reinterpret_cast<LPARAM>(At(offset)); }
    std::size_t Size() const { return size_; }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_;
};

constexpr std::size_t kTextSize = 1024;

// ----- list-like controls ------------------------------------------------------

enum class Kind { Combo, ListBox, ListView, Tab, Tree, UpDown, TrackBar, Progress, StatusBar, Button, Other };

Kind KindOf(HWND control) {
    std::string cls = ClassOf(control);
    if (SameText(cls, WC_COMBOBOXA)) return Kind::Combo;
    if (SameText(cls, "ListBox")) return Kind::ListBox;
    if (SameText(cls, WC_LISTVIEWA)) return Kind::ListView;
    if (SameText(cls, WC_TABCONTROLA)) return Kind::Tab;
    if (SameText(cls, WC_TREEVIEWA)) return Kind::Tree;
    if (SameText(cls, UPDOWN_CLASSA)) return Kind::UpDown;
    if (SameText(cls, TRACKBAR_CLASSA)) return Kind::TrackBar;
    if (SameText(cls, PROGRESS_CLASSA)) return Kind::Progress;
    if (SameText(cls, STATUSCLASSNAMEA)) return Kind::StatusBar;
    if (SameText(cls, "Button")) return Kind::Button;
    return Kind::Other;
}

std::string ListViewItemText(HWND control, int index) {
    RemoteBuffer remote(control, sizeof(LVITEMA) + kTextSize);
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = remote.At(sizeof(LVITEMA));
    item.cchTextMax = kTextSize;
    remote.Write(&item, sizeof(item));
    SendMessageA(control, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), remote.Param());
    char text[kTextSize] = {};
    remote.Read(text, kTextSize - 1, sizeof(LVITEMA));
    return text;
}

int ListViewItemImage(HWND control, int index) {
    RemoteBuffer remote(control, sizeof(LVITEMA));
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    remote.Write(&item, sizeof(item));
    SendMessageA(control, LVM_GETITEMA, 0, remote.Param());
    remote.Read(&item, sizeof(item));
    return item.iImage;
}

std::string TabText(HWND control, int index) {
    RemoteBuffer remote(control, sizeof(TCITEMA) + kTextSize);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote.At(sizeof(TCITEMA));
    item.cchTextMax = kTextSize;
    remote.Write(&item, sizeof(item));
    SendMessageA(control, TCM_GETITEMA, static_cast<WPARAM>(index), remote.Param());
    char text[kTextSize] = {};
    remote.Read(text, kTextSize - 1, sizeof(TCITEMA));
    return text;
}

// A radio group is a group box holding its radio buttons.
std::vector<HWND> RadioButtons(HWND group) {
    std::vector<HWND> buttons;
    for (HWND b = FindWindowExA(group, nullptr, "Button", nullptr); b; b = FindWindowExA(group, b, "Button", nullptr))
        buttons.push_back(b);
    return buttons;
}

std::vector<std::string> Items(HWND control) {
    std::vector<std::string> items;
    switch (KindOf(control)) {
    case Kind::Combo:
    case Kind::ListBox: {
        const bool combo = KindOf(control) == Kind::Combo;
        int count = static_cast<int>(SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        // Asked in ANSI from another process, Wine hands back the item's
        // Unicode text; asked in Unicode, it answers right.
        for (int i = 0; i < count; ++i) {
            int length = static_cast<int>(SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0));
            std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
            SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
            char text[kTextSize] = {};
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof(text) - 1, nullptr, nullptr);
            items.push_back(text);
        }
        break;
    }
    case Kind::Button:
        for (HWND button : RadioButtons(control)) items.push_back(WindowText(button));
        break;
    case Kind::ListView: {
        int count = static_cast<int>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) items.push_back(ListViewItemText(control, i));
        break;
    }
    case Kind::Tab: {
        int count = static_cast<int>(SendMessageA(control, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) items.push_back(TabText(control, i));
        break;
    }
    default:
        Fail("the control has no items");
    }
    return items;
}

int IndexOf(HWND control, const std::string& wanted) {
    if (wanted.size() > 1 && wanted[0] == '#') return std::atoi(wanted.c_str() + 1);
    auto items = Items(control);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == wanted) return static_cast<int>(i);
    Fail("no item \"" + wanted + "\"");
}

// Tells the parent what the control would have told it after a user's choice.
void NotifyParentCommand(HWND control, WORD code) {
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void Select(HWND control, const std::string& wanted) {
    int index = IndexOf(control, wanted);
    switch (KindOf(control)) {
    case Kind::Combo:
        SendMessageA(control, CB_SETCURSEL, index, 0);
        NotifyParentCommand(control, CBN_SELCHANGE);
        break;
    case Kind::ListBox:
        SendMessageA(control, LB_SETCURSEL, index, 0);
        NotifyParentCommand(control, LBN_SELCHANGE);
        break;
    case Kind::ListView: {
        // LVM_SETITEMSTATE notifies the parent itself (LVN_ITEMCHANGED).
        RemoteBuffer remote(control, sizeof(LVITEMA));
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        remote.Write(&item, sizeof(item));
        SendMessageA(control, LVM_SETITEMSTATE, static_cast<WPARAM>(index), remote.Param());
        break;
    }
    case Kind::Button: {
        auto buttons = RadioButtons(control);
        if (index < 0 || index >= static_cast<int>(buttons.size())) Fail("no such radio button");
        SendMessageA(buttons[static_cast<std::size_t>(index)], BM_CLICK, 0, 0);
        break;
    }
    case Kind::Tab:
        // The tab control tells its parent itself (TCN_SELCHANGING, TCN_SELCHANGE):
        // Wine does not pass WM_NOTIFY between processes.
        SendMessageA(control, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
        break;
    default:
        Fail("the control has no items to select");
    }
}

std::string Selected(HWND control);

// ----- tree view ------------------------------------------------------------------

struct NodeInfo {
    std::string text;
    int image = -1;
    int selectedImage = -1;
};

NodeInfo Node(HWND tree, HTREEITEM node) {
    RemoteBuffer remote(tree, sizeof(TVITEMA) + kTextSize);
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = remote.At(sizeof(TVITEMA));
    item.cchTextMax = kTextSize;
    remote.Write(&item, sizeof(item));
    SendMessageA(tree, TVM_GETITEMA, 0, remote.Param());
    remote.Read(&item, sizeof(item));
    char text[kTextSize] = {};
    remote.Read(text, kTextSize - 1, sizeof(TVITEMA));
    return {text, item.iImage, item.iSelectedImage};
}

HTREEITEM Next(HWND tree, HTREEITEM node, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node)));
}

void ListNodes(HWND tree, HTREEITEM node, int level) {
    for (; node; node = Next(tree, node, TVGN_NEXT)) {
        NodeInfo info = Node(tree, node);
        std::printf("%s%s [image %d selected %d]\n", std::string(2 * level, ' ').c_str(), info.text.c_str(),
                    info.image, info.selectedImage);
        ListNodes(tree, Next(tree, node, TVGN_CHILD), level + 1);
    }
}

HTREEITEM FindNode(HWND tree, const std::string& path) {
    HTREEITEM level = Next(tree, nullptr, TVGN_ROOT);
    HTREEITEM found = nullptr;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        found = nullptr;
        for (HTREEITEM node = level; node; node = Next(tree, node, TVGN_NEXT))
            if (Node(tree, node).text == part) {
                found = node;
                break;
            }
        if (!found) Fail("no tree node \"" + path + "\"");
        if (end == std::string::npos) break;
        level = Next(tree, found, TVGN_CHILD);
        start = end + 1;
    }
    return found;
}

std::string NodePath(HWND tree, HTREEITEM node) {
    std::string path;
    for (; node; node = Next(tree, node, TVGN_PARENT)) path = Node(tree, node).text + (path.empty() ? "" : "/" + path);
    return path;
}

// ----- status bar -------------------------------------------------------------------

void ListPanels(HWND bar) {
    int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    RemoteBuffer remote(bar, kTextSize);
    for (int i = 0; i < count; ++i) {
        int length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, i, 0));
        if (length >= static_cast<int>(kTextSize)) length = kTextSize - 1;
        SendMessageA(bar, SB_GETTEXTA, i, remote.Param());
        std::string text(static_cast<std::size_t>(length), '\0');
        remote.Read(text.data(), text.size());
        std::printf("%s\n", text.c_str());
    }
}

std::string Selected(HWND control) {
    switch (KindOf(control)) {
    case Kind::Combo: {
        int index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        return index < 0 ? WindowText(control) : Items(control)[index];
    }
    case Kind::ListBox: {
        int index = static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
        return index < 0 ? std::string() : Items(control)[index];
    }
    case Kind::Button:
        for (HWND button : RadioButtons(control))
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) return WindowText(button);
        return {};
    case Kind::ListView: {
        int index = static_cast<int>(SendMessageA(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        return index < 0 ? std::string() : ListViewItemText(control, index);
    }
    case Kind::Tab: {
        int index = static_cast<int>(SendMessageA(control, TCM_GETCURSEL, 0, 0));
        return index < 0 ? std::string() : TabText(control, index);
    }
    case Kind::Tree:
        return NodePath(control, Next(control, nullptr, TVGN_CARET));
    default:
        Fail("the control has no selection");
    }
}

// ----- dialogs ----------------------------------------------------------------------

std::string WithoutAmpersands(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

void Answer(HWND dialog, const std::string& button, const char* text) {
    if (text) {
        HWND edit = FirstChild(dialog, [](HWND w) { return SameText(ClassOf(w), "Edit"); });
        if (!edit) Fail("the dialog has no text box");
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    HWND target = FirstChild(dialog, [&](HWND w) {
        return SameText(ClassOf(w), "Button") && SameText(WithoutAmpersands(WindowText(w)), button);
    });
    if (!target) Fail("the dialog has no button \"" + button + "\"");
    PostMessageA(target, BM_CLICK, 0, 0);
}

void Print(const std::string& text) { std::printf("%s\n", text.c_str()); }

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--timeout") {
        g_timeoutMs = static_cast<DWORD>(std::strtoul(args[1].c_str(), nullptr, 10));
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) Usage();
    const std::string& command = args[0];
    const std::string& title = args[1];
    auto arg = [&](std::size_t i) -> const std::string& {
        if (args.size() <= i) Usage();
        return args[i];
    };

    if (command == "wait") {
        FindTopLevel(title);
        return 0;
    }
    HWND form = FindTopLevel(title);
    if (command == "close") {
        PostMessageA(form, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "post") {
        const auto number = [&](std::size_t i) { return std::strtoul(arg(i).c_str(), nullptr, 0); };
        const LPARAM lParam = args.size() > 4 ? static_cast<LPARAM>(number(4)) : 0;
        if (!PostMessageA(form, static_cast<UINT>(number(2)), static_cast<WPARAM>(number(3)), lParam))
            Fail("the message could not be posted");
        return 0;
    }
    if (command == "class") {
        Print(AtomProperty(form, "OrvaneClass"));
        return 0;
    }
    if (command == "answer") {
        Answer(form, arg(2), args.size() > 3 ? args[3].c_str() : nullptr);
        return 0;
    }
    if (command == "dialogtext") {
        FirstChild(form, [](HWND w) {
            if (SameText(ClassOf(w), "Static") && IsWindowVisible(w) && !WindowText(w).empty()) Print(WindowText(w));
            return false;
        });
        return 0;
    }
    if (command == "click") {
        // A menu item is no window: its command identifier is kept on the form.
        std::string menuProperty = "OrvaneMenu:" + arg(2);
        if (HANDLE id = GetPropA(form, menuProperty.c_str())) {
            PostMessageA(form, WM_COMMAND, MAKEWPARAM(reinterpret_cast<UINT_PTR>(id), 0), 0);
            return 0;
        }
    }

    HWND control = FindControl(form, arg(2));
    if (command == "click") {
        if (!IsWindowEnabled(control)) Fail("the control is disabled");
        // Posted, so that a handler which opens a modal dialog does not hold us.
        PostMessageA(control, BM_CLICK, 0, 0);
    } else if (command == "settext") {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(arg(3).c_str()));
    } else if (command == "type") {
        // Posted, so that each key passes the program's message loop and its
        // key filters, as typed keys do.
        for (unsigned char c : arg(3)) PostMessageA(control, WM_CHAR, c, 1);
    } else if (command == "check") {
        bool want = arg(3) == "on";
        bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (want != checked) SendMessageA(control, BM_CLICK, 0, 0);
    } else if (command == "select") {
        Select(control, arg(3));
    } else if (command == "dropdown") {
        if (KindOf(control) != Kind::Combo) Fail("not a combo box");
        // The box tells its parent (CBN_DROPDOWN) before the list shows.
        SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
    } else if (command == "setpos" && KindOf(control) == Kind::TrackBar) {
        int position = std::atoi(arg(3).c_str());
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        const bool vertical = (GetWindowLongA(control, GWL_STYLE) & TBS_VERT) != 0;
        SendMessageA(GetParent(control), vertical ? WM_VSCROLL : WM_HSCROLL,
                     MAKEWPARAM(TB_THUMBPOSITION, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(control));
        SendMessageA(GetParent(control), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(control));
    } else if (command == "setpos") {
        int position = std::atoi(arg(3).c_str());
        SendMessageA(control, UDM_SETPOS32, 0, position);
        const bool horizontal = (GetWindowLongA(control, GWL_STYLE) & UDS_HORZ) != 0;
        SendMessageA(GetParent(control), horizontal ? WM_HSCROLL : WM_VSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(control));
        SendMessageA(GetParent(control), horizontal ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0),
                     reinterpret_cast<LPARAM>(control));
    } else if (command == "noderect") {
        // TVM_GETITEMRECT takes the item in the rectangle it fills.
        RemoteBuffer remote(control, sizeof(RECT));
        HTREEITEM node = FindNode(control, arg(3));
        remote.Write(&node, sizeof(node));
        if (!SendMessageA(control, TVM_GETITEMRECT, TRUE, remote.Param())) Fail("the node is not shown");
        RECT r;
        remote.Read(&r, sizeof(r));
        POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(control, &middle);
        std::printf("%ld %ld\n", middle.x, middle.y);
    } else if (command == "middle") {
        RECT r;
        GetWindowRect(control, &r);
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    } else if (command == "selectnode") {
        HTREEITEM node = FindNode(control, arg(3));
        SendMessageA(control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    } else if (command == "text") {
        Print(WindowText(control));
    } else if (command == "expect") {
        // Actions are posted: the program may not have run them yet.
        const std::string wanted = arg(3);
        const DWORD start = GetTickCount();
        while (WindowText(control) != wanted) {
            if (GetTickCount() - start >= g_timeoutMs)
                Fail("text is \"" + WindowText(control) + "\", expected \"" + wanted + "\"");
            Sleep(50);
        }
    } else if (command == "checked") {
        Print(SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0");
    } else if (command == "enabled") {
        Print(IsWindowEnabled(control) ? "1" : "0");
    } else if (command == "visible") {
        Print(IsWindowVisible(control) ? "1" : "0");
    } else if (command == "position") {
        const UINT get = KindOf(control) == Kind::TrackBar ? TBM_GETPOS
                         : KindOf(control) == Kind::Progress ? PBM_GETPOS
                                                              : UDM_GETPOS32;
        Print(std::to_string(static_cast<int>(SendMessageA(control, get, 0, 0))));
    } else if (command == "items") {
        for (const auto& item : Items(control)) Print(item);
    } else if (command == "selected") {
        Print(Selected(control));
    } else if (command == "rows") {
        if (KindOf(control) != Kind::ListView) Fail("the control is no list view");
        const int count = static_cast<int>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            std::printf("%s [image %d]\n", ListViewItemText(control, i).c_str(), ListViewItemImage(control, i));
    } else if (command == "nodes") {
        ListNodes(control, Next(control, nullptr, TVGN_ROOT), 0);
    } else if (command == "panels") {
        ListPanels(control);
    } else {
        Usage();
    }
    return 0;
}
