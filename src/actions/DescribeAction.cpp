#include "actions/DescribeAction.h"

#include "actions/ActionText.h"
#include "actions/SystemKeys.h"
#include "core/Text.h"

namespace orvane::actions {

namespace {

std::string ItemText(const ui::TComboBox& box, int index) {
    return index >= 0 && index < box.Items.Count() ? box.Items[index] : std::string();
}

// A caption as it reads inside a sentence: without its accelerator mark and
// its colon.
std::string Stripped(std::string caption) {
    if (auto at = caption.find('&'); at != std::string::npos) caption.erase(at, 1);
    if (auto at = caption.find(':'); at != std::string::npos) caption.erase(at, 1);
    return caption;
}

// What follows the last folder or drive separator.
std::string FileNameOf(const std::string& path) {
    const std::size_t at = path.find_last_of("\\:");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string Caption(ActionType type, const std::string& text, const TActionForm& editor,
                    platform::WindowSystem& windows) {
    switch (type) {
    case ActionType::SendKeys: {
        const SendKeysFields f = ReadSendKeys(text);
        std::string caption;
        if (f.alt == 'A') caption += "Alt+";
        if (f.ctrl == 'C') caption += "Ctrl+";
        if (f.shift == 'S') caption += "Shift+";
        return caption + (f.keyKind == 'E' ? SystemKeyName(windows, FieldInteger(f.key)) : f.key);
    }
    case ActionType::MouseControl: {
        const MouseFields f = ReadMouseControl(text);
        std::string caption;
        // Each part present replaces the caption, as each would run in turn.
        if (f.click)
            caption = ItemText(editor.ClickTypeCoBx, FieldInteger(f.button)) + " " +
                      LowerCase(Stripped(f.doubleClick == 'Y' ? editor.DoubleClickChBtn.Caption()
                                                              : editor.ClickRBtn.Caption()));
        if (f.relMove)
            caption = ItemText(editor.RelativeMoveCoBx, FieldInteger(f.direction)) + " (" +
                      std::to_string(FieldInteger(f.accel)) + ")";
        if (f.absMove)
            caption = "x: " + std::to_string(FieldInteger(f.x)) + ", y: " + std::to_string(FieldInteger(f.y));
        return caption;
    }
    case ActionType::ExecuteProgram: {
        const ProgramFields f = ReadExecuteProgram(text);
        return FileNameOf(f.file) + " " + f.params;
    }
    case ActionType::PostMessage: {
        const MessageFields f = ReadPostMessage(text);
        return f.message + ", " + f.wParam + ", " + f.lParam;
    }
    case ActionType::Mixer: {
        const MixerFields f = ReadMixer(text);
        const int volume = FieldInteger(f.volume);
        if (volume == 3) return f.line + ", " + LowerCase(Stripped(editor.MuteRBtn.Caption()));
        return f.line + ", " +
               LowerCase(Stripped(editor.VolumeRBtn.Caption()) + " " + ItemText(editor.VolumeCoBx, volume)) + ", " +
               std::to_string(FieldInteger(f.increment));
    }
    case ActionType::Shutdown:
        return ItemText(editor.ShutDownCoBx, FieldInteger(ReadShutdown(text).value));
    case ActionType::WindowState:
        return ItemText(editor.WindowStateCoBx, FieldInteger(ReadWindowState(text).value));
    case ActionType::OSD:
        return ReadOSD(text).value;
    }
    return {};
}

} // namespace

void DescribeAction(const std::string& text, ui::TListItem& item, const TActionForm& editor,
                    platform::WindowSystem& windows) {
    for (ActionType type : TypesIn(text, kDescribeOrder)) {
        item.SetImageIndex(TypeImage(type));
        item.SetCaption(Caption(type, text, editor, windows));
    }
}

} // namespace orvane::actions
