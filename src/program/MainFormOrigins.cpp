// The origins of remote codes switched on and off as one unit, each origin's
// own start and stop, and the serial receiver's start-up handshake.
#include "core/Exception.h"
#include "program/MainForm.h"
#include "input/AVerForm.h"
#include "input/TestOriginForm.h"
#include "settings/SettingsForm.h"

#include <exception>
#include <utility>

namespace orvane::program {

namespace {

// A caption without its first "&" and its first ":".
std::string Cleaned(std::string caption) {
    if (auto amp = caption.find('&'); amp != std::string::npos) caption.erase(amp, 1);
    if (auto colon = caption.find(':'); colon != std::string::npos) caption.erase(colon, 1);
    return caption;
}

// The list's item as the component's value of the same order; a list with no
// valid choice leaves the component's value as it is.
template <typename Value>
Value Chosen(const ui::TComboBox& list, Value last, Value current) {
    const int index = list.ItemIndex();
    return index >= 0 && index <= static_cast<int>(last) ? static_cast<Value>(index) : current;
}

constexpr std::int32_t kTVParamQuery = 17;
// More than any reason the hook library gives.
constexpr std::size_t kMaxHookErrorText = 255;

} // namespace

void TMainForm::AttachOriginWindows(input::TAVerForm& aver, input::TTestOriginForm& viewer) {
    averForm_ = &aver;
    viewer_ = &viewer;
    viewer.CheckedOrigins = [this] {
        std::vector<std::string> captions;
        for (const OriginSlot& slot : OriginSlots())
            if (slot.box->Checked()) captions.push_back(Cleaned(slot.box->GetTextProperty("Caption")));
        return captions;
    };
    viewer.RunOnly = [this](const std::string& caption) { RunOnlyOrigin(caption); };
    viewer.SwitchOriginsOn = [this] {
        // Checked by the click, whatever it shows now.
        EnableOriginMenu.SetChecked(false);
        EnableOriginMenuClick(nullptr);
    };
    aver.OnRemoteCode = [this](std::int32_t code) { AVerRemoteCode(code); };
}

// ---- Switching as one unit ----

std::array<TMainForm::OriginSlot, TMainForm::kOriginCount> TMainForm::OriginSlots() {
    settings::TSettingsForm& f = *settingsForm_;
    return {{{&f.SerialBasedChBx, &TMainForm::SerialOrigin},
             {&f.UIRServerChBx, &TMainForm::UIRServerOrigin},
             {&f.AverChBx, &TMainForm::AVerOrigin},
             {&f.BestBuyChBx, &TMainForm::BestBuyOrigin},
             {&f.CreativeiNFRAChBx, &TMainForm::CreativeOrigin},
             {&f.KeyboardChBx, &TMainForm::KeyboardOrigin},
             {&f.TCPIPChBX, &TMainForm::TCPIPOrigin}}};
}

void TMainForm::EnableOriginMenuClick(ui::Component*) {
    EnableOriginMenu.SetChecked(!EnableOriginMenu.Checked());
    WriteSettingBool("Origin enabled", EnableOriginMenu.Checked());
    SwitchOrigins(EnableOriginMenu.Checked());
}

bool TMainForm::SwitchOrigins(bool on) {
    CancelResume();
    originsLost_ = false;
    bool ok = true;
    originFailure_ = nullptr;
    IncomingSequence.Clear();
    const auto slots = OriginSlots();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const OriginSlot& slot = slots[i];
        if (on) {
            if (!slot.box->Checked()) continue;
            // The TV application's window is renamed whatever failed before it.
            const bool always = slot.routine == &TMainForm::AVerOrigin;
            if (!ok && !always) continue;
            bool started = false;
            bool raised = false;
            try {
                started = (this->*slot.routine)(true);
            } catch (const std::exception&) {
                // A start that raised is a failed start; its error is shown below.
                NoteOriginFailure();
                raised = true;
            }
            originRunning_[i] = started;
            if (!always || raised) ok = ok && started;
        } else if (originRunning_[i]) {
            // Stopped even when its box was cleared since it started, and
            // whatever the ones before it raised.
            originRunning_[i] = false;
            try {
                (this->*slot.routine)(false);
            } catch (const std::exception&) {
                NoteOriginFailure();
            }
        }
    }
    if (on && ok) {
        EnableOriginMenu.SetChecked(true);
        StatBar.SetPanelText(kOriginsPanel, OriginsStatusText());
    } else {
        EnableOriginMenu.SetChecked(false);
        StatBar.SetPanelText(kOriginsPanel, "");
    }
    // Once, after everything is switched and shows its state.
    ShowOriginFailure();
    return ok;
}

void TMainForm::ShowOriginFailure() {
    if (!originFailure_) return;
    const std::exception_ptr failure = std::exchange(originFailure_, nullptr);
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        App().HandleException(error);
    }
}

void TMainForm::NoteOriginFailure() {
    if (!originFailure_) originFailure_ = std::current_exception();
}

std::string TMainForm::OriginsStatusText() {
    std::string text = Cleaned(EnableOriginMenu.Caption()) + ": ";
    bool first = true;
    for (const OriginSlot& slot : OriginSlots()) {
        if (!slot.box->Checked()) continue;
        if (!first) text += ", ";
        text += Cleaned(slot.box->GetTextProperty("Caption"));
        first = false;
    }
    return text;
}

void TMainForm::InitializationFailed(const std::string& text) {
    App().MessageBox(Translate(text), Translate("Initialization result"), ui::mb::Ok | ui::mb::IconWarning);
}

// ---- Serial receiver ----

bool TMainForm::SerialOrigin(bool on) {
    // A handshake cut short would otherwise go on talking to a closed port
    // and leave the hourglass up; ended first, as the close may raise.
    if (UIRTimer.Enabled() || SerialInitState < 3) EndHandshake();
    if (!on) {
        ComPort.ClosePort();
        return true;
    }
    // A port still open from the last start is closed before the settings
    // change. A close that raises has closed it all the same: the start goes
    // on and the failure is shown afterwards.
    try {
        ComPort.ClosePort();
    } catch (const std::exception&) {
        NoteOriginFailure();
    }
    const settings::TSettingsForm& f = *settingsForm_;
    ComPort.SetPort(Chosen(f.PortCoBx, input::TPortType::COM8, ComPort.Port()));
    ComPort.SetBaudRate(Chosen(f.SpeedCoBx, input::TBaudRate::br115200, ComPort.BaudRate()));
    ComPort.Parity().SetBits(Chosen(f.ParityCoBx, input::TParityBits::prSpace, ComPort.Parity().Bits()));
    ComPort.SetDataBits(Chosen(f.DataBitsCoBx, input::TDataBits::dbEight, ComPort.DataBits()));
    ComPort.SetStopBits(Chosen(f.StopBitsCoBx, input::TStopBits::sbTwoStopBits, ComPort.StopBits()));
    if (!ComPort.OpenPort()) {
        InitializationFailed(Translate("Cannot open serial port COM") +
                             std::to_string(static_cast<int>(ComPort.Port()) + 1));
        return false;
    }
    App().SetCursor(ui::Cursor::HourGlass);
    ComPort.SetDtrLine(false);
    // Only a reset: a port whose driver has no RTS (many adapters, virtual
    // ports) must still work with a receiver that does not need it. Raising
    // RTS when the settings ask for it does report the failure.
    try {
        ComPort.SetRtsLine(false);
    } catch (const EComPort&) {
    }
    SerialInitState = 0;
    UIRTimer.SetInterval(300);
    UIRTimer.SetEnabled(true);
    return true;
}

// Lines low for 300 ms, lines up for 300 ms, "I", 100 ms, "R": the receiver
// is ready. One step per tick.
void TMainForm::UIRTimerTimer(ui::Component*) {
    UIRTimer.SetEnabled(false);
    try {
        HandshakeStep();
    } catch (...) {
        // The greeting is abandoned; the hourglass must not outlive it.
        EndHandshake();
        throw;
    }
}

void TMainForm::HandshakeStep() {
    switch (SerialInitState) {
    case 0:
        if (settingsForm_->DTRChBx.Checked()) ComPort.SetDtrLine(true);
        if (settingsForm_->RTSChBx.Checked()) ComPort.SetRtsLine(true);
        SerialInitState = 1;
        UIRTimer.SetInterval(300);
        UIRTimer.SetEnabled(true);
        break;
    case 1:
        ComPort.WriteText("I", true);
        SerialInitState = 2;
        UIRTimer.SetInterval(100);
        UIRTimer.SetEnabled(true);
        break;
    case 2:
        ComPort.WriteText("R", true);
        SerialInitState = 3;
        App().SetCursor(ui::Cursor::Default);
        break;
    default:
        break;
    }
}

void TMainForm::EndHandshake() {
    UIRTimer.SetEnabled(false);
    App().SetCursor(ui::Cursor::Default);
}

void TMainForm::ComPortDeviceFailure(input::TComPort*) {
    // The greeting, if it was under way, has nobody to greet.
    if (UIRTimer.Enabled() || SerialInitState < 3) EndHandshake();
    OriginLost(&TMainForm::SerialOrigin);
}

// ---- Origins that start nothing ----

bool TMainForm::UIRServerOrigin(bool) { return true; }
bool TMainForm::CreativeOrigin(bool) { return true; }

// ---- AVerMedia TV remote: the TV application finds our window by title ----


bool TMainForm::AVerOrigin(bool on) {
    if (averForm_)
        averForm_->SetCaption(on ? ReadSettingString("AVerMedia window") : input::TAVerForm::kIdleCaption);
    return true;
}

// ---- BestBuy EasyTV: "grappler.dll" polled every 50 ms ----

bool TMainForm::BestBuyOrigin(bool on) {
    if (!on) {
        BestBuyTimer.SetEnabled(false);
        getTVParam_ = 0;
        grappler_.reset();
        return true;
    }
    if (!grappler_) {
        grappler_ = platform_.libraries.Load("grappler.dll");
        if (!grappler_) {
            InitializationFailed("Cannot load GRAPPLER.DLL");
            return false;
        }
    }
    if (!getTVParam_) {
        getTVParam_ = grappler_->Find("GetTVParam");
        if (!getTVParam_) {
            InitializationFailed("Cannot link with GRAPPLER.DLL");
            return false;
        }
    }
    BestBuyTimer.SetEnabled(true);
    return true;
}

void TMainForm::BestBuyTimerTimer(ui::Component*) {
    BestBuyTimer.SetEnabled(false);
    // The next poll comes whatever this one does, as long as the origin is
    // on (an action run by this press may switch it off).
    const auto rearm = [this] {
        if (grappler_ && getTVParam_) BestBuyTimer.SetEnabled(true);
    };
    try {
        if (grappler_ && getTVParam_) {
            const std::int32_t code = input::TVCardCode(grappler_->CallWithInteger(getTVParam_, kTVParamQuery));
            if (ViewerShown())
                ViewerLine(input::TVCardViewerLine(code));
            else
                ProcessSingleValue(code);
        }
    } catch (...) {
        rearm();
        throw;
    }
    rearm();
}

// ---- Keyboard trapping: the hook library carried inside the program ----

bool TMainForm::KeyboardOrigin(bool on) {
    if (!on) {
        if (keyHookStop_) keyHook_->CallWithoutArguments(keyHookStop_);
        return true;
    }
    if (!keyHook_) {
        // Loaded only as written: another program's library would run here.
        keyHook_ = platform_.libraries.Load(KeyHookFileSrc.IntactFileName());
        if (!keyHook_) {
            InitializationFailed("Cannot load KEYHOOK.DLL");
            return false;
        }
    }
    if (!keyHookStart_) keyHookStart_ = keyHook_->Find("KeyHook_Start");
    if (!keyHookStop_) keyHookStop_ = keyHook_->Find("KeyHook_Stop");
    if (!keyHookStart_) {
        InitializationFailed("Cannot link with KEYHOOK.DLL");
        return false;
    }
    if (keyHookStop_) keyHook_->CallWithoutArguments(keyHookStop_);
    if (!keyHook_->CallWithWindow(keyHookStart_, Handle())) {
        // The library runs inside other programs too, so it shows nothing
        // itself; it keeps the reason for us.
        if (!keyHookErrorText_) keyHookErrorText_ = keyHook_->Find("KeyHook_ErrorText");
        const std::string reason = keyHookErrorText_ ? keyHook_->CallForText(keyHookErrorText_, kMaxHookErrorText) : "";
        InitializationFailed(reason.empty() ? "Cannot start KEYHOOK.DLL" : reason);
        return false;
    }
    return true;
}

void TMainForm::KeyHookMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    const auto keystrokeData = static_cast<std::int32_t>(lParam);
    if (!input::IsKeyPress(keystrokeData)) return;
    const auto virtualKey = static_cast<std::int32_t>(wParam);
    if (!ViewerShown()) return ProcessSingleValue(virtualKey);
    const input::DataFormat format = ViewerFormat();
    // The system is asked for the key's name only when it is shown.
    const std::string name = format == input::DataFormat::Ascii ? platform_.windows.KeyName(keystrokeData) : "";
    ViewerLine(input::KeyViewerLine(format, virtualKey, name));
}

// ---- AVerMedia remote ----

void TMainForm::AVerRemoteCode(std::int32_t code) {
    if (ViewerShown())
        ViewerLine(input::TVViewerLine(ViewerFormat(), code));
    else
        ProcessSingleValue(code);
}

// ---- The origin test viewer ----

void TMainForm::TestOriginMenuClick(ui::Component*) {
    SwitchOrigins(false);
    viewer_->ShowModal();
}

void TMainForm::RunOnlyOrigin(const std::string& caption) {
    CancelResume();
    originFailure_ = nullptr;
    IncomingSequence.Clear();
    const auto slots = OriginSlots();
    // Each stopped before the next starts, so the previous choice delivers
    // nothing once another is chosen.
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const OriginSlot& slot = slots[i];
        if (caption == Cleaned(slot.box->GetTextProperty("Caption"))) continue;
        originRunning_[i] = false;
        try {
            (this->*slot.routine)(false);
        } catch (const std::exception&) {
            NoteOriginFailure();
        }
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const OriginSlot& slot = slots[i];
        if (caption.empty() || caption != Cleaned(slot.box->GetTextProperty("Caption"))) continue;
        try {
            originRunning_[i] = (this->*slot.routine)(true);
        } catch (const std::exception&) {
            originRunning_[i] = false;
            NoteOriginFailure();
        }
    }
    ShowOriginFailure();
}

bool TMainForm::ViewerShown() const { return viewer_ && viewer_->Visible(); }

input::DataFormat TMainForm::ViewerFormat() const {
    const int index = viewer_ ? viewer_->DataFormatCoBx.ItemIndex() : 0;
    return index >= 0 && index <= 2 ? static_cast<input::DataFormat>(index) : input::DataFormat::Decimal;
}

void TMainForm::ViewerLine(const std::string& line) { viewer_->Memo.Lines.Add(line); }

bool TMainForm::ShowSequenceInViewer(TCommand& sequence) {
    if (!ViewerShown()) return false;
    if (sequence.CodeHigh() >= 0) ViewerLine(input::SequenceViewerLine(ViewerFormat(), sequence));
    sequence.Clear();
    return true;
}

// ---- TCP/IP client ----

bool TMainForm::TCPIPOrigin(bool on) {
    ClientSocket.SetActive(on);
    return true;
}

void TMainForm::ClientSocketError(ui::Component*, input::TErrorEvent errorEvent, int&) {
    // The server could not be found or reached: the origin has not started
    // after all, and the switch shows it as a failed start would. The
    // socket's own error box follows.
    if (errorEvent != input::TErrorEvent::eeLookup && errorEvent != input::TErrorEvent::eeConnect) return;
    OriginLost(&TMainForm::TCPIPOrigin);
}

void TMainForm::OriginLost(bool (TMainForm::*routine)(bool)) {
    const auto slots = OriginSlots();
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i].routine == routine) originRunning_[i] = false;
    if (EnableOriginMenu.Checked()) originsLost_ = true;
    EnableOriginMenu.SetChecked(false);
    StatBar.SetPanelText(kOriginsPanel, "");
}

void TMainForm::ClientSocketRead(ui::Component*) {
    const std::string text = ClientSocket.ReceiveText();
    // The server hears back what it sent, whatever becomes of it here.
    ClientSocket.SendText(text);
    if (ViewerShown()) {
        ViewerLine(text);
        return;
    }
    input::FillFromText(IncomingSequence, text);
    ProcessDataSequence();
}

} // namespace orvane::program
