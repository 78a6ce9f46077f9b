// The action editor's two ways with a description: writing one from the
// visible page, and setting the controls from one.
#include "actions/ActionForm.h"
#include "actions/ActionText.h"
#include "core/Text.h"

#include <string>

namespace orvane::actions {

using namespace ui;

namespace {

const char* YesNo(bool yes) { return yes ? "Y" : "N"; }

// The entry index of each type's page in ActionTypeCoBx.
constexpr int kTapKeyType = 0;
constexpr int kMouseMoveType = 1;
constexpr int kExecuteProgramType = 2;
constexpr int kPostMessageType = 3;
constexpr int kVolumeType = 4;
constexpr int kMiscellaneousType = 5;

// The volume field: "0" up, "1" down, "3" toggle mute.
constexpr int kToggleMute = 3;

} // namespace

std::string TActionForm::BuildActionDescription() const {
    const std::string delay = "Delay:" + std::to_string(DelayUpDwn.Position());
    const std::string toWindow =
        "DestWnd:" + DestinationWndCoBx.Text() + "KeepActive:" + YesNo(KeepActiveChBx.Checked());

    if (TapKeyPanel.Visible()) {
        std::string text = TypeTag(ActionType::SendKeys) + "NNNN";
        const std::size_t flags = text.size() - 4;
        if (SystemKeyRBtn.Checked()) {
            text[flags + 3] = 'E';
            text += std::to_string(SystemKeysCoBx.ItemIndex());
        } else {
            text += ParticularKeyEdBx.Text();
        }
        if (AltKeyChBx.Checked()) text[flags] = 'A';
        if (CtrlKeyChBx.Checked()) text[flags + 1] = 'C';
        if (ShiftKeyChBx.Checked()) text[flags + 2] = 'S';
        return text + delay + toWindow;
    }
    if (MouseMovePanel.Visible()) {
        std::string text = TypeTag(ActionType::MouseControl);
        if (ClickRBtn.Checked()) {
            text += "Click:" + std::to_string(ClickTypeCoBx.ItemIndex()) + "N";
            if (DoubleClickChBtn.Checked()) text.back() = 'Y';
        } else if (RelativeMoveRBtn.Checked()) {
            text += "RelMove:" + std::to_string(RelativeMoveCoBx.ItemIndex()) + "Accel:" +
                    std::to_string(AccelBar.Position());
        } else if (AbsoluteMoveRBtn.Checked()) {
            text += "AbsMove:X" + XPositionEdBx.Text() + "Y" + YPositionEdBx.Text();
        }
        return text + delay;
    }
    if (ExecuteProgramPanel.Visible()) {
        return TypeTag(ActionType::ExecuteProgram) + "Try:" + (TryFirstChBx.Checked() ? TryFirstCoBx.Text() : "") +
               "Filename:" + FileNameEdBx.Text() + "Params:" + ParamsEdBx.Text() + "Suspend:" +
               YesNo(EnterSuspendModeChBx.Checked()) + delay;
    }
    if (PostMessagePanel.Visible()) {
        return TypeTag(ActionType::PostMessage) + (WinMsgRBtn.Checked() ? WinMsgCoBx.Text() : UserMsgCoBx.Text()) +
               "wParam:" + wParamEdBx.Text() + "lParam:" + lParamEdBx.Text() + delay + toWindow;
    }
    if (SoundPanel.Visible()) {
        const int volume = VolumeRBtn.Checked() ? VolumeCoBx.ItemIndex() : kToggleMute;
        return TypeTag(ActionType::Mixer) + MixerLineCoBx.Text() + "Volume:" + std::to_string(volume) +
               "Increment:" + std::to_string(VolIncrementBar.Position()) + delay;
    }
    if (EspecialPanel.Visible()) {
        if (ShutDownRBtn.Checked())
            return TypeTag(ActionType::Shutdown) + std::to_string(ShutDownCoBx.ItemIndex()) + delay;
        if (WindowStateRBtn.Checked())
            return TypeTag(ActionType::WindowState) + std::to_string(WindowStateCoBx.ItemIndex()) + delay;
        if (OSDRBtn.Checked()) return TypeTag(ActionType::OSD) + OSDCoBx.Text() + delay;
        return delay;
    }
    return {};
}

void TActionForm::LoadActionDescription(const std::string& text) {
    // A text with several tags is loaded branch after branch; the last wins
    // where they set the same control.
    for (ActionType type : TypesIn(text, kLoadOrder)) {
        switch (type) {
        case ActionType::Shutdown:
        case ActionType::WindowState:
        case ActionType::OSD: {
            const PlainFields f = type == ActionType::Shutdown      ? ReadShutdown(text)
                                  : type == ActionType::WindowState ? ReadWindowState(text)
                                                                    : ReadOSD(text);
            if (type == ActionType::Shutdown) {
                ShutDownRBtn.SetChecked(true);
                ShutDownCoBx.SetItemIndex(FieldInteger(f.value));
            } else if (type == ActionType::WindowState) {
                WindowStateRBtn.SetChecked(true);
                WindowStateCoBx.SetItemIndex(FieldInteger(f.value));
            } else {
                OSDRBtn.SetChecked(true);
                OSDCoBx.SetText(f.value);
            }
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            SelectType(kMiscellaneousType);
            break;
        }
        case ActionType::Mixer: {
            const MixerFields f = ReadMixer(text);
            MixerLineCoBx.SetText(f.line);
            const int volume = FieldInteger(f.volume);
            if (volume == 0 || volume == 1) {
                VolumeRBtn.SetChecked(true);
                VolumeCoBx.SetItemIndex(volume);
                VolIncrementBar.SetPosition(FieldInteger(f.increment));
            } else if (volume == kToggleMute) {
                MuteRBtn.SetChecked(true);
            }
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            SelectType(kVolumeType);
            break;
        }
        case ActionType::PostMessage: {
            const MessageFields f = ReadPostMessage(text);
            const int windowsMessage = WinMsgCoBx.Items.IndexOf(f.message);
            if (windowsMessage >= 0) {
                WinMsgRBtn.SetChecked(true);
                WinMsgCoBx.SetItemIndex(windowsMessage);
            } else {
                UserMsgRBtn.SetChecked(true);
                UserMsgCoBx.SetText(f.message);
                const int userMessage = UserMsgCoBx.Items.IndexOf(f.message);
                if (userMessage >= 0) UserMsgCoBx.SetItemIndex(userMessage);
            }
            wParamEdBx.SetText(f.wParam);
            lParamEdBx.SetText(f.lParam);
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            DestinationWndCoBx.SetText(f.window);
            KeepActiveChBx.SetChecked(f.keepActive == 'Y');
            SelectType(kPostMessageType);
            break;
        }
        case ActionType::ExecuteProgram: {
            const ProgramFields f = ReadExecuteProgram(text);
            TryFirstCoBx.SetText(f.tryFirst);
            TryFirstChBx.SetChecked(!f.tryFirst.empty());
            TryFirstChBxClick(&TryFirstChBx);
            FileNameEdBx.SetText(f.file);
            ParamsEdBx.SetText(f.params);
            EnterSuspendModeChBx.SetChecked(f.suspend == 'Y');
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            SelectType(kExecuteProgramType);
            break;
        }
        case ActionType::MouseControl: {
            const MouseFields f = ReadMouseControl(text);
            if (f.click) {
                ClickRBtn.SetChecked(true);
                ClickTypeCoBx.SetItemIndex(FieldInteger(f.button));
                DoubleClickChBtn.SetChecked(f.doubleClick == 'Y');
            }
            if (f.relMove) {
                RelativeMoveRBtn.SetChecked(true);
                RelativeMoveCoBx.SetItemIndex(FieldInteger(f.direction));
                AccelBar.SetPosition(FieldInteger(f.accel));
            }
            if (f.absMove) {
                AbsoluteMoveRBtn.SetChecked(true);
                XPosUpDown.SetPosition(FieldInteger(f.x));
                YPosUpDown.SetPosition(FieldInteger(f.y));
            }
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            SelectType(kMouseMoveType);
            break;
        }
        case ActionType::SendKeys: {
            const SendKeysFields f = ReadSendKeys(text);
            AltKeyChBx.SetChecked(f.alt == 'A');
            CtrlKeyChBx.SetChecked(f.ctrl == 'C');
            ShiftKeyChBx.SetChecked(f.shift == 'S');
            if (f.keyKind == 'E') {
                SystemKeyRBtn.SetChecked(true);
                SystemKeysCoBx.SetItemIndex(FieldInteger(f.key));
            } else {
                ParticularKeyRBtn.SetChecked(true);
                ParticularKeyEdBx.SetText(f.key);
            }
            DelayUpDwn.SetPosition(FieldInteger(f.delay));
            DestinationWndCoBx.SetText(f.window);
            KeepActiveChBx.SetChecked(f.keepActive == 'Y');
            SelectType(kTapKeyType);
            break;
        }
        }
    }
}

} // namespace orvane::actions
