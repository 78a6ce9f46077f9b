#include "ui/win32/Win32Dialogs.h"

#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Edits.h"
#include "ui/Form.h"
#include "ui/Panels.h"
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include "ui/win32/SystemHeaders.h"

#include <vector>

namespace orvane::ui::win32 {
namespace {

HWND WindowOf(TForm* form) {
    auto* peer = form ? dynamic_cast<WindowPeer*>(form->Peer()) : nullptr;
    return peer ? peer->Handle() : nullptr;
}

// The text prompt: a caption, a prompt and a text box with OK and Cancel.
class TInputQueryForm : public TForm {
public:
    TInputQueryForm(Application& app, const std::string& caption, const std::string& prompt, const std::string& text)
        : TForm(app, "InputQueryForm") {
        SetCaption(caption);
        SetBorderStyle(FormBorderStyle::Dialog);
        SetPosition(FormPosition::ScreenCenter);
        SetClientSize(260, 90);
        PromptLbl.SetBounds(8, 8, 244, 16);
        PromptLbl.SetCaption(prompt);
        ValueEdBx.SetBounds(8, 26, 244, 21);
        ValueEdBx.SetText(text);
        ValueEdBx.SelectAll();
        OkBtn.SetBounds(96, 58, 75, 25);
        OkBtn.SetCaption("OK");
        OkBtn.SetModalResult(mrOk);
        OkBtn.SetDefault(true);
        CancelBtn.SetBounds(177, 58, 75, 25);
        CancelBtn.SetCaption("Cancel");
        CancelBtn.SetModalResult(mrCancel);
        CancelBtn.SetCancel(true);
        SetActiveControl(&ValueEdBx);
    }
    TLabel PromptLbl{*this, "PromptLbl"};
    TEdit ValueEdBx{*this, "ValueEdBx"};
    TButton OkBtn{*this, "OkBtn"};
    TButton CancelBtn{*this, "CancelBtn"};
};

// "Text files|*.txt|All|*.*" as the dialog wants it: pairs separated by zeros.
std::vector<char> FilterOf(const std::string& filter) {
    std::vector<char> result(filter.begin(), filter.end());
    for (char& c : result)
        if (c == '|') c = '\0';
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

struct Walk {
    HWND modal;
    std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableOther(HWND window, LPARAM param) {
    auto* walk = reinterpret_cast<Walk*>(param);
    if (window != walk->modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        walk->disabled->push_back(window);
    }
    return TRUE;
}

} // namespace

int Win32Dialogs::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    HWND owner = ui_ ? WindowOf(ui_->App().ActiveForm()) : nullptr;
    if (!owner && ui_) owner = ui_->MainWindow();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags | MB_TASKMODAL);
}

bool Win32Dialogs::InputQuery(const std::string& caption, const std::string& prompt, std::string& text) {
    if (!ui_) return false;
    TInputQueryForm form(ui_->App(), caption, prompt, text);
    ui_->Realise(form);
    if (form.ShowModal() != mrOk) return false;
    text = form.ValueEdBx.Text();
    return true;
}

bool Win32Dialogs::FileDialog(FileDialogRequest& request, bool save) {
    std::vector<char> filter = FilterOf(request.filter);
    std::vector<char> file(MAX_PATH * 4, '\0');
    request.fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = ui_ ? WindowOf(ui_->App().ActiveForm()) : nullptr;
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrDefExt = request.defaultExt.empty() ? nullptr : request.defaultExt.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | (save ? 0 : OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return false;
    request.fileName = file.data();
    return true;
}

bool Win32Dialogs::OpenFile(FileDialogRequest& request) { return FileDialog(request, false); }

bool Win32Dialogs::SaveFile(FileDialogRequest& request) { return FileDialog(request, true); }

bool Win32Dialogs::ChooseFont(TFont& font) {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    LOGFONTA logFont{};
    logFont.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
    logFont.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (font.style & fsItalic) != 0;
    logFont.lfUnderline = (font.style & fsUnderline) != 0;
    logFont.lfStrikeOut = (font.style & fsStrikeOut) != 0;
    logFont.lfCharSet = DEFAULT_CHARSET;
    font.name.copy(logFont.lfFaceName, LF_FACESIZE - 1);

    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = ui_ ? WindowOf(ui_->App().ActiveForm()) : nullptr;
    dialog.lpLogFont = &logFont;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    // System colours carry the high bit; the dialog wants a plain colour.
    dialog.rgbColors = (font.color & 0x80000000u) ? GetSysColor(static_cast<int>(font.color & 0xFF)) : font.color;
    if (!ChooseFontA(&dialog)) return false;

    font.name = logFont.lfFaceName;
    font.size = dialog.iPointSize / 10;
    font.color = dialog.rgbColors;
    font.style = 0;
    if (logFont.lfWeight >= FW_BOLD) font.style |= fsBold;
    if (logFont.lfItalic) font.style |= fsItalic;
    if (logFont.lfUnderline) font.style |= fsUnderline;
    if (logFont.lfStrikeOut) font.style |= fsStrikeOut;
    return true;
}

void Win32Dialogs::WaitModal(TForm& form) {
    if (!ui_) return;
    HWND modal = WindowOf(&form);
    // Every other window of the program is disabled while the form is up.
    std::vector<HWND> disabled;
    const DWORD thread = GetCurrentThreadId();
    Walk walk{modal, &disabled};
    EnumThreadWindows(thread, DisableOther, reinterpret_cast<LPARAM>(&walk));
    ui_->RunUntil([&] { return form.ModalResult() != mrNone || !form.Visible(); });
    for (HWND window : disabled) EnableWindow(window, TRUE);
}

} // namespace orvane::ui::win32
