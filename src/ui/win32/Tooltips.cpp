#include "ui/win32/Tooltips.h"

namespace orvane::ui::win32 {
namespace {

const char kTipProperty[] = "OrvaneToolTip";
// Set on a window that has at least one tool, so that only those relay.
const char kHasTipProperty[] = "OrvaneHasTip";

HWND Root(HWND window) { return GetAncestor(window, GA_ROOT); }

HWND TipWindow(HWND window, bool create) {
    HWND root = Root(window);
    if (!root) return nullptr;
    auto tip = static_cast<HWND>(GetPropA(root, kTipProperty));
    if (tip && IsWindow(tip)) return tip;
    if (!create) return nullptr;
    // Owned by the top-level window, so destroyed with it.
    tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
    if (!tip) return nullptr;
    // Long texts (a status panel's whole list) wrap instead of leaving the screen.
    SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 600);
    SetPropA(root, kTipProperty, tip);
    return tip;
}

TTTOOLINFOA Tool(HWND window, UINT_PTR id, UINT flags) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = flags;
    tool.hwnd = window;
    tool.uId = id;
    return tool;
}

void Put(HWND window, TTTOOLINFOA& tool, const std::string& text) {
    HWND tip = TipWindow(window, !text.empty());
    if (!tip) return;
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty()) return;
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SetPropA(window, kHasTipProperty, reinterpret_cast<HANDLE>(1));
}

} // namespace

void SetWindowTip(HWND window, const std::string& text) {
    TTTOOLINFOA tool = Tool(GetParent(window) ? GetParent(window) : window, reinterpret_cast<UINT_PTR>(window),
                            TTF_IDISHWND);
    Put(window, tool, text);
}

void SetAreaTip(HWND window, UINT id, const RECT& area, const std::string& text) {
    TTTOOLINFOA tool = Tool(window, id, 0);
    tool.rect = area;
    Put(window, tool, text);
}

void RelayToTip(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!GetPropA(window, kHasTipProperty)) return;
    HWND tip = TipWindow(window, false);
    if (!tip) return;
    MSG relayed{window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&relayed.pt);
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

HWND TipWindowFor(HWND window) { return TipWindow(window, false); }

} // namespace orvane::ui::win32
