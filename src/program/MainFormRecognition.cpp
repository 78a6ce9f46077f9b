// One button press as far as recognition: the serial port's handlers and
// IRTimer hand over to SequenceCapture, ProcessDataSequence to the
// Recognizer, which hands the command it recognises to DispatchCommand
// (MainFormDispatch.cpp).
#include "program/MainForm.h"
#include "settings/SettingsForm.h"

#include <algorithm>

namespace orvane::program {

void TMainForm::DesignComPort() {
    // COM1 at 9600 baud, 8 data bits, no parity, one stop bit, no flow
    // control of any kind, every event watched; the serial origin sets the
    // line from the settings each time it opens the port.
    ComPort.SetPort(input::TPortType::COM1);
    ComPort.SetBaudRate(input::TBaudRate::br9600);
    ComPort.Parity().SetBits(input::TParityBits::prNone);
    ComPort.Parity().SetCheck(false);
    ComPort.Parity().SetReplace(false);
    ComPort.Parity().SetReplaceChar(0);
    ComPort.SetDataBits(input::TDataBits::dbEight);
    ComPort.SetStopBits(input::TStopBits::sbOneStopBit);
    ComPort.SetDiscardNull(false);
    ComPort.SetEventChar(0);
    ComPort.SetEvents(input::TEvents::All());
    ComPort.SetReadBufSize(1024);
    ComPort.SetWriteBufSize(1024);
    input::TFlowControl& flow = ComPort.FlowControl();
    flow.SetOutCtsFlow(false);
    flow.SetOutDsrFlow(false);
    flow.SetControlDtr(input::TDtrFlowControl::dtrDisable);
    flow.SetControlRts(input::TRtsFlowControl::rtsDisable);
    flow.SetXonXoffOut(false);
    flow.SetXonXoffIn(false);
    input::TComTimeouts& timeouts = ComPort.Timeouts();
    timeouts.SetReadInterval(-1);
    timeouts.SetReadTotalMultiplier(0);
    timeouts.SetReadTotalConstant(0);
    timeouts.SetWriteTotalMultiplier(100);
    timeouts.SetWriteTotalConstant(1000);
    ComPort.SetSyncMethod(input::TSyncMethod::smSynchronize);
}

input::SequenceCapture::Links TMainForm::CaptureLinks() {
    return {platform_.clock,
            IRTimer,
            TypematicTimer,
            IncomingSequence,
            SerialInitState,
            CounterFrequency,
            LastEdgeTime,
            TypematicActive,
            [this] { return RecognitionSettingsNow().valueSize; },
            [this] { RepeatLastCommand(); },
            [this] { ProcessDataSequence(); },
            [this](TCommand& sequence) { return ShowSequenceInViewer(sequence); }};
}

input::Recognizer::Links TMainForm::RecognizerLinks() {
    return {IncomingSequence,
            LastCommand,
            TypematicActive,
            LogEnabled,
            TypematicTimer,
            CommandsTree,
            activityFlash_,
            [this] { return RecognitionSettingsNow(); },
            [this]() -> const std::string& {
                static const std::string kNone;
                return settingsForm_ ? settingsForm_->LogFileEdBx.Text() : kNone;
            },
            [this](TCommand& command) {
                const ModelWatch watch = WatchModel();
                DispatchCommand(command);
                return StillHolds(watch, command);
            },
            [this](TCommand& sample) { return TakeLearningSample(sample); }};
}

// Read from the settings dialog's controls at each use, so that a change
// there applies to the next press. Without the dialog, the first-run values.
input::RecognitionSettings TMainForm::RecognitionSettingsNow() const {
    return settingsForm_ ? input::ReadRecognitionSettings(*settingsForm_) : input::RecognitionSettings{};
}

void TMainForm::ComPortRxChar(input::TComPort*, int inQue) { capture_.ReceiveBytes(ComPort, inQue); }

void TMainForm::ComPortRLSD(input::TComPort*) { capture_.CarrierChanged(ComPort); }

void TMainForm::IRTimerTimer(ui::Component*) { capture_.EndSequence(); }

void TMainForm::TypematicTimerTimer(ui::Component*) { recognizer_.EndTypematicWindow(); }

void TMainForm::TrayColorTimerTimer(ui::Component*) { activityFlash_.End(); }

void TMainForm::ProcessDataSequence() {
    recognizer_.Process(Model.get());
}

void TMainForm::ProcessSingleValue(std::int32_t value) {
    IncomingSequence.Clear();
    IncomingSequence.Append(value);
    ProcessDataSequence();
}

void TMainForm::RepeatLastCommand() {
    // The command may have been deleted, or the configuration replaced, since
    // it was recognised: then there is nothing to repeat. Nor is anything
    // dispatched while the origin test viewer is open.
    if (!LastCommand || !Model || ViewerShown()) return;
    const auto& commands = Model->Commands;
    if (std::find(commands.begin(), commands.end(), LastCommand) == commands.end()) return;
    DispatchCommand(*LastCommand);
}

} // namespace orvane::program
