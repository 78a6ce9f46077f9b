#include "input/ComPort.h"

#include "core/Exception.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane::input {
namespace {

using platform::SerialError;

const char kSetStateFailed[] = "Unable to set com state: ";
const char kStatusFailed[] = "Unable to read com status: ";
const char kSignalFailed[] = "Unable to set signal: ";
const char kOperationFailed[] = "Operation failed: ";
const char kReadFailed[] = "Operation aborted: ";
const char kAbortFailed[] = "Cannot abort operation: ";

[[noreturn]] void Raise(const char* prefix, SerialError error) {
    throw EComPort(prefix + std::to_string(error));
}

void Check(SerialError error, const char* prefix) {
    if (error != 0) Raise(prefix, error);
}

// Enumerations arrive as item indexes of the settings lists; one outside its
// range is refused rather than sent to the driver.
template <class Enum>
Enum Checked(Enum value, Enum last) {
    const int ordinal = static_cast<int>(value);
    if (ordinal < 0 || ordinal > static_cast<int>(last)) throw ERangeError();
    return value;
}

constexpr std::array<std::uint32_t, 13> kBaudRates = {110,   300,   600,   1200,  2400,  4800,  9600,
                                                      14400, 19200, 38400, 56000, 57600, 115200};

// Events in the order their handlers run when several occur together.
struct EventBinding {
    TEvent event;
    std::uint32_t bit;
};
constexpr std::array<EventBinding, 10> kEventOrder = {{
    {TEvent::evRxChar, platform::serial_event::RxChar},
    {TEvent::evTxEmpty, platform::serial_event::TxEmpty},
    {TEvent::evRxFlag, platform::serial_event::RxFlag},
    {TEvent::evRing, platform::serial_event::Ring},
    {TEvent::evBreak, platform::serial_event::Break},
    {TEvent::evCTS, platform::serial_event::Cts},
    {TEvent::evDSR, platform::serial_event::Dsr},
    {TEvent::evError, platform::serial_event::Error},
    {TEvent::evRLSD, platform::serial_event::Rlsd},
    {TEvent::evRx80Full, platform::serial_event::Rx80Full},
}};

std::uint32_t EventMask(TEvents events) {
    std::uint32_t mask = 0;
    for (const auto& binding : kEventOrder)
        if (events.Contains(binding.event)) mask |= binding.bit;
    return mask;
}

} // namespace

// --- sub-objects: store, then let the port apply it when connected ---

void TParity::SetBits(TParityBits bits) {
    bits_ = Checked(bits, TParityBits::prSpace);
    port_.LineSettingsChanged();
}
void TParity::SetCheck(bool check) {
    check_ = check;
    port_.LineSettingsChanged();
}
void TParity::SetReplace(bool replace) {
    replace_ = replace;
    port_.LineSettingsChanged();
}
void TParity::SetReplaceChar(char replaceChar) {
    replaceChar_ = replaceChar;
    port_.LineSettingsChanged();
}

void TFlowControl::SetOutCtsFlow(bool on) {
    outCtsFlow_ = on;
    port_.LineSettingsChanged();
}
void TFlowControl::SetOutDsrFlow(bool on) {
    outDsrFlow_ = on;
    port_.LineSettingsChanged();
}
void TFlowControl::SetControlDtr(TDtrFlowControl control) {
    controlDtr_ = Checked(control, TDtrFlowControl::dtrHandshake);
    port_.LineSettingsChanged();
}
void TFlowControl::SetControlRts(TRtsFlowControl control) {
    controlRts_ = Checked(control, TRtsFlowControl::rtsToggle);
    port_.LineSettingsChanged();
}
void TFlowControl::SetXonXoffOut(bool on) {
    xonXoffOut_ = on;
    port_.LineSettingsChanged();
}
void TFlowControl::SetXonXoffIn(bool on) {
    xonXoffIn_ = on;
    port_.LineSettingsChanged();
}

void TComTimeouts::SetReadInterval(int ms) {
    readInterval_ = ms;
    port_.TimeoutsChanged();
}
void TComTimeouts::SetReadTotalMultiplier(int ms) {
    readTotalMultiplier_ = ms;
    port_.TimeoutsChanged();
}
void TComTimeouts::SetReadTotalConstant(int ms) {
    readTotalConstant_ = ms;
    port_.TimeoutsChanged();
}
void TComTimeouts::SetWriteTotalMultiplier(int ms) {
    writeTotalMultiplier_ = ms;
    port_.TimeoutsChanged();
}
void TComTimeouts::SetWriteTotalConstant(int ms) {
    writeTotalConstant_ = ms;
    port_.TimeoutsChanged();
}

// --- the port ---

TComPort::TComPort(platform::SerialPorts& ports) : ports_(ports) {}

TComPort::~TComPort() {
    if (!connected_) return;
    connected_ = false;
    device_->Purge(platform::serial_purge::All); // nobody is left to tell of a failure
    watcher_.reset();
    device_.reset();
}

void TComPort::SetPort(TPortType port) {
    Checked(port, TPortType::COM8);
    if (port == port_) return;
    port_ = port;
    if (connected_) OpenPort(); // closes first; a missing new device leaves the port closed
}

void TComPort::SetBaudRate(TBaudRate rate) {
    baudRate_ = Checked(rate, TBaudRate::br115200);
    LineSettingsChanged();
}

void TComPort::SetDataBits(TDataBits bits) {
    dataBits_ = Checked(bits, TDataBits::dbEight);
    LineSettingsChanged();
}

void TComPort::SetStopBits(TStopBits bits) {
    stopBits_ = Checked(bits, TStopBits::sbTwoStopBits);
    LineSettingsChanged();
}

void TComPort::SetDiscardNull(bool discard) {
    discardNull_ = discard;
    LineSettingsChanged();
}

void TComPort::SetEventChar(char eventChar) {
    eventChar_ = eventChar;
    LineSettingsChanged();
}

void TComPort::SetEvents(TEvents events) {
    events_ = events;
    if (!connected_) return;
    watcher_.reset();
    if (!events_.Empty()) StartWatcher();
}

void TComPort::SetReadBufSize(int bytes) {
    readBufSize_ = bytes;
    if (!connected_) return;
    ApplyQueueSizes();
    ApplyLineSettings(); // the XON and XOFF limits follow the input queue
}

void TComPort::SetWriteBufSize(int bytes) {
    writeBufSize_ = bytes;
    if (connected_) ApplyQueueSizes();
}

void TComPort::SetSyncMethod(TSyncMethod method) {
    if (connected_) throw EComPort("Cannot set SyncMethod while connected");
    syncMethod_ = Checked(method, TSyncMethod::smNone);
}

void TComPort::LineSettingsChanged() {
    if (connected_) ApplyLineSettings();
}

void TComPort::TimeoutsChanged() {
    if (connected_) ApplyTimeouts();
}

platform::SerialLineSettings TComPort::DeviceLineSettings() const {
    platform::SerialLineSettings line;
    line.baudRate = kBaudRates[static_cast<std::size_t>(baudRate_)];
    line.parityCheck = parity_.Check();
    line.outCtsFlow = flowControl_.OutCtsFlow();
    line.outDsrFlow = flowControl_.OutDsrFlow();
    line.dtrControl = static_cast<std::uint8_t>(flowControl_.ControlDtr());
    line.rtsControl = static_cast<std::uint8_t>(flowControl_.ControlRts());
    line.xonXoffOut = flowControl_.XonXoffOut();
    line.xonXoffIn = flowControl_.XonXoffIn();
    line.replaceErrors = parity_.Replace();
    line.errorChar = parity_.ReplaceChar();
    line.discardNull = discardNull_;
    line.eventChar = eventChar_;
    line.xonChar = 17;
    line.xoffChar = 19;
    // A DCB holds the limits in 16 bits.
    const auto limit = static_cast<std::uint16_t>(std::clamp(readBufSize_ / 4, 0, 0xFFFF));
    line.xonLimit = limit;
    line.xoffLimit = limit;
    line.byteSize = static_cast<std::uint8_t>(static_cast<int>(dataBits_) + 5);
    line.parity = static_cast<std::uint8_t>(parity_.Bits());
    line.stopBits = static_cast<std::uint8_t>(stopBits_);
    return line;
}

platform::SerialTimeouts TComPort::DeviceTimeouts() const {
    // -1 is the largest unsigned value: the same bits.
    return {static_cast<std::uint32_t>(timeouts_.ReadInterval()),
            static_cast<std::uint32_t>(timeouts_.ReadTotalMultiplier()),
            static_cast<std::uint32_t>(timeouts_.ReadTotalConstant()),
            static_cast<std::uint32_t>(timeouts_.WriteTotalMultiplier()),
            static_cast<std::uint32_t>(timeouts_.WriteTotalConstant())};
}

void TComPort::ApplyQueueSizes() {
    Check(device_->SetupComm(static_cast<std::uint32_t>(readBufSize_), static_cast<std::uint32_t>(writeBufSize_)),
          kSetStateFailed);
}

void TComPort::ApplyLineSettings() { Check(device_->SetCommState(DeviceLineSettings()), kSetStateFailed); }

void TComPort::ApplyTimeouts() { Check(device_->SetCommTimeouts(DeviceTimeouts()), kSetStateFailed); }

void TComPort::StartWatcher() {
    const auto delivery = syncMethod_ == TSyncMethod::smNone ? platform::SerialDelivery::WatcherThread
                                                             : platform::SerialDelivery::UserInterfaceThread;
    platform::SerialWatchHandlers handlers;
    handlers.onEvents = [this](std::uint32_t events) { HandleEvents(events); };
    handlers.onFailure = [this](SerialError error) { HandleWatchFailure(error); };
    auto watch = device_->Watch(EventMask(events_), delivery, std::move(handlers));
    Check(watch.error, kSetStateFailed);
    watcher_ = std::move(watch.value);
}

bool TComPort::OpenPort() {
    ClosePort();
    auto opened = ports_.Open("COM" + std::to_string(static_cast<int>(port_) + 1));
    if (!opened.value) return false;
    device_ = std::move(opened.value);
    try {
        ApplyQueueSizes();
        ApplyLineSettings();
        ApplyTimeouts();
        if (!events_.Empty()) StartWatcher();
    } catch (...) {
        watcher_.reset();
        device_.reset();
        throw;
    }
    connected_ = true;
    ++generation_;
    if (OnOpen) OnOpen(this);
    return true;
}

void TComPort::ClosePort() {
    failed_ = false;
    if (!connected_) return;
    connected_ = false;
    ++generation_;
    // The port is closed even when abandoning fails, so that a failing device
    // can still be let go; the failure is reported afterwards.
    const SerialError purged = device_->Purge(platform::serial_purge::All);
    watcher_.reset();
    device_.reset();
    if (OnClose) OnClose(this);
    Check(purged, kAbortFailed);
}

void TComPort::LetGo() {
    connected_ = false;
    ++generation_;
    watcher_.reset();
    device_.reset();
}

void TComPort::DeviceFailed(const char* prefix, SerialError error) {
    // Every event of a vanished device fails again: the watcher goes with the
    // device, so that the user hears of it once. A device let go at once is
    // also one the system can give back when the adapter returns.
    failed_ = true;
    LetGo();
    if (OnDeviceFailure) OnDeviceFailure(this);
    Raise(prefix, error);
}

int TComPort::ReadText(std::string& text, int count, bool wait) {
    if (count < 0) throw ERangeError();
    if (!connected_) {
        text.clear();
        if (failed_) return 0;
        Raise(kReadFailed, platform::kSerialInvalidHandle);
    }
    if (!wait) count = std::min(count, PendingInputCount());
    text.assign(static_cast<std::size_t>(count), '\0');
    if (count == 0) return 0;
    const auto read = device_->Read(text.data(), static_cast<std::uint32_t>(count));
    if (read.error != 0) {
        text.clear();
        DeviceFailed(read.whileWaiting ? kOperationFailed : kReadFailed, read.error);
    }
    // Fewer bytes than asked for: the rest of the text would be mistaken for data.
    text.resize(read.bytes);
    return static_cast<int>(read.bytes);
}

int TComPort::WriteText(const std::string& text, bool wait) {
    if (!connected_) {
        if (failed_) return 0;
        Raise(kOperationFailed, platform::kSerialInvalidHandle);
    }
    const auto written = device_->Write(text, wait);
    if (written.error != 0) DeviceFailed(kOperationFailed, written.error);
    return static_cast<int>(written.bytes);
}

void TComPort::SetDtrLine(bool on) {
    if (connected_) device_->Escape(on ? platform::SerialEscape::SetDtr : platform::SerialEscape::ClrDtr);
}

void TComPort::SetRtsLine(bool on) {
    if (!connected_) {
        if (failed_) return;
        Raise(kSignalFailed, platform::kSerialInvalidHandle);
    }
    // A refusal is the driver's answer, not a lost device: raised each time.
    Check(device_->Escape(on ? platform::SerialEscape::SetRts : platform::SerialEscape::ClrRts), kSignalFailed);
}

bool TComPort::CarrierDetected() {
    if (!connected_) {
        if (failed_) return false;
        Raise(kStatusFailed, platform::kSerialInvalidHandle);
    }
    // A driver without modem lines (a pseudo-terminal) refuses this on a
    // working device: raised each time, the device kept.
    const auto status = device_->ModemStatus();
    Check(status.error, kStatusFailed);
    return (status.value & platform::modem_line::Rlsd) != 0;
}

int TComPort::PendingInputCount() {
    if (!connected_) {
        if (failed_) return 0;
        Raise(kStatusFailed, platform::kSerialInvalidHandle);
    }
    const auto status = device_->QueueStatus();
    if (status.error != 0) DeviceFailed(kStatusFailed, status.error);
    return static_cast<int>(std::min<std::uint32_t>(status.value.inQueue, 0x7FFFFFFF));
}

void TComPort::HandleEvents(std::uint32_t events) {
    const unsigned generation = generation_;
    for (const auto& binding : kEventOrder) {
        // A handler that closed or reopened the port ends this round.
        if (generation != generation_) return;
        if (!(events & binding.bit) || !events_.Contains(binding.event)) continue;
        switch (binding.event) {
        case TEvent::evRxChar:
            if (OnRxChar) {
                // A second event for bytes an earlier handler already read
                // brings nothing to read.
                const int inQue = PendingInputCount();
                if (inQue > 0) OnRxChar(this, inQue);
            }
            break;
        case TEvent::evTxEmpty:
            if (OnTxEmpty) OnTxEmpty(this);
            break;
        case TEvent::evRxFlag:
            if (OnRxFlag) OnRxFlag(this);
            break;
        case TEvent::evRing:
            if (OnRing) OnRing(this);
            break;
        case TEvent::evBreak:
            if (OnBreak) OnBreak(this);
            break;
        case TEvent::evCTS:
            if (OnCTS) OnCTS(this);
            break;
        case TEvent::evDSR:
            if (OnDSR) OnDSR(this);
            break;
        case TEvent::evError:
            if (OnError) OnError(this);
            break;
        case TEvent::evRLSD:
            if (OnRLSD) OnRLSD(this);
            break;
        case TEvent::evRx80Full:
            if (OnRx80Full) OnRx80Full(this);
            break;
        }
    }
}

void TComPort::HandleWatchFailure(SerialError error) {
    // The watcher has ended: no event would arrive any more.
    DeviceFailed(kOperationFailed, error);
}

} // namespace orvane::input
