#pragma once
// TComPort: the serial port through which the serial origin talks to an
// infrared receiver on COM1 to COM8. Its properties mirror the line
// configuration; while the port is open a change is applied to it at once.
// Failures other than "cannot open" raise EComPort with the operation's text
// and the system's error number. A device that fails while the port is open
// (an adapter pulled out: a read, a write, the input queue or the watcher
// fails) is reported once: the first failure raises and lets the device go,
// and the port stays quiet until it is opened or closed again.
#include "platform/SerialPort.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace orvane::input {

enum class TPortType { COM1, COM2, COM3, COM4, COM5, COM6, COM7, COM8 };
enum class TBaudRate {
    br110, br300, br600, br1200, br2400, br4800, br9600,
    br14400, br19200, br38400, br56000, br57600, br115200
};
enum class TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum class TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum class TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum class TDtrFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum class TRtsFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
// smSynchronize and smWindow both run handlers on the user-interface thread
// while the watcher waits; smNone runs them on the watcher's own thread.
enum class TSyncMethod { smSynchronize, smWindow, smNone };
enum class TEvent { evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD, evRx80Full };

// A set of TEvent.
class TEvents {
public:
    constexpr TEvents() = default;
    constexpr TEvents(std::initializer_list<TEvent> events) {
        for (TEvent event : events) bits_ |= Bit(event);
    }
    static constexpr TEvents All() {
        TEvents all;
        all.bits_ = (1u << (static_cast<unsigned>(TEvent::evRx80Full) + 1)) - 1;
        return all;
    }
    constexpr bool Contains(TEvent event) const { return (bits_ & Bit(event)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(TEvent event) { bits_ |= Bit(event); }
    constexpr void Exclude(TEvent event) { bits_ &= ~Bit(event); }
    constexpr bool operator==(const TEvents&) const = default;

private:
    static constexpr std::uint32_t Bit(TEvent event) { return 1u << static_cast<unsigned>(event); }
    std::uint32_t bits_ = 0;
};

class TComPort;

// Parity of the line. Changing it while connected re-applies the line settings.
class TParity {
public:
    explicit TParity(TComPort& port) : port_(port) {}
    TParity(const TParity&) = delete;
    TParity& operator=(const TParity&) = delete;

    TParityBits Bits() const { return bits_; }
    void SetBits(TParityBits bits);
    bool Check() const { return check_; }
    void SetCheck(bool check);
    // Bytes received with a parity error are replaced by ReplaceChar.
    bool Replace() const { return replace_; }
    void SetReplace(bool replace);
    char ReplaceChar() const { return replaceChar_; }
    void SetReplaceChar(char replaceChar);

private:
    TComPort& port_;
    TParityBits bits_ = TParityBits::prNone;
    bool check_ = false;
    bool replace_ = false;
    char replaceChar_ = 0;
};

// Hardware and software flow control. Changing it while connected re-applies
// the line settings.
class TFlowControl {
public:
    explicit TFlowControl(TComPort& port) : port_(port) {}
    TFlowControl(const TFlowControl&) = delete;
    TFlowControl& operator=(const TFlowControl&) = delete;

    bool OutCtsFlow() const { return outCtsFlow_; }
    void SetOutCtsFlow(bool on);
    bool OutDsrFlow() const { return outDsrFlow_; }
    void SetOutDsrFlow(bool on);
    TDtrFlowControl ControlDtr() const { return controlDtr_; }
    void SetControlDtr(TDtrFlowControl control);
    TRtsFlowControl ControlRts() const { return controlRts_; }
    void SetControlRts(TRtsFlowControl control);
    bool XonXoffOut() const { return xonXoffOut_; }
    void SetXonXoffOut(bool on);
    bool XonXoffIn() const { return xonXoffIn_; }
    void SetXonXoffIn(bool on);

private:
    TComPort& port_;
    bool outCtsFlow_ = false;
    bool outDsrFlow_ = false;
    TDtrFlowControl controlDtr_ = TDtrFlowControl::dtrDisable;
    TRtsFlowControl controlRts_ = TRtsFlowControl::rtsDisable;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
};

// Read and write timeouts in milliseconds; -1 stands for the largest unsigned
// value. Changing one while connected re-applies the timeouts.
class TComTimeouts {
public:
    explicit TComTimeouts(TComPort& port) : port_(port) {}
    TComTimeouts(const TComTimeouts&) = delete;
    TComTimeouts& operator=(const TComTimeouts&) = delete;

    int ReadInterval() const { return readInterval_; }
    void SetReadInterval(int ms);
    int ReadTotalMultiplier() const { return readTotalMultiplier_; }
    void SetReadTotalMultiplier(int ms);
    int ReadTotalConstant() const { return readTotalConstant_; }
    void SetReadTotalConstant(int ms);
    int WriteTotalMultiplier() const { return writeTotalMultiplier_; }
    void SetWriteTotalMultiplier(int ms);
    int WriteTotalConstant() const { return writeTotalConstant_; }
    void SetWriteTotalConstant(int ms);

private:
    TComPort& port_;
    // A read returns at once with what the driver holds; a write may take
    // 100 ms per byte plus a second.
    int readInterval_ = -1;
    int readTotalMultiplier_ = 0;
    int readTotalConstant_ = 0;
    int writeTotalMultiplier_ = 100;
    int writeTotalConstant_ = 1000;
};

using TNotifyEvent = std::function<void(TComPort* sender)>;
using TRxCharEvent = std::function<void(TComPort* sender, int inQue)>;

class TComPort {
public:
    explicit TComPort(platform::SerialPorts& ports);
    // Closes the port without firing OnClose: the owner may be half destroyed.
    ~TComPort();
    TComPort(const TComPort&) = delete;
    TComPort& operator=(const TComPort&) = delete;

    // Changing the port while connected reopens the port on the new device.
    TPortType Port() const { return port_; }
    void SetPort(TPortType port);
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate rate);
    TParity& Parity() { return parity_; }
    const TParity& Parity() const { return parity_; }
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits bits);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits bits);
    // Null bytes received are dropped by the driver.
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool discard);
    // The character whose arrival raises evRxFlag.
    char EventChar() const { return eventChar_; }
    void SetEventChar(char eventChar);
    // The events watched while connected; none means no watcher at all.
    TEvents Events() const { return events_; }
    void SetEvents(TEvents events);
    int ReadBufSize() const { return readBufSize_; }
    void SetReadBufSize(int bytes);
    int WriteBufSize() const { return writeBufSize_; }
    void SetWriteBufSize(int bytes);
    TFlowControl& FlowControl() { return flowControl_; }
    const TFlowControl& FlowControl() const { return flowControl_; }
    TComTimeouts& Timeouts() { return timeouts_; }
    const TComTimeouts& Timeouts() const { return timeouts_; }
    TSyncMethod SyncMethod() const { return syncMethod_; }
    // Raises "Cannot set SyncMethod while connected" while connected.
    void SetSyncMethod(TSyncMethod method);
    bool Connected() const { return connected_; }
    // The device failed while open and was let go; reads, writes and status
    // reads then raise nothing and find nothing. Opening or closing the port
    // ends it.
    bool Failed() const { return failed_; }

    // Opens the device named by Port, after closing the port if it was open.
    // False, with nothing raised, when the device is missing or in use.
    bool OpenPort();
    // Abandons pending input and output, stops the watcher, closes the device
    // and fires OnClose. Nothing when not connected.
    void ClosePort();
    // Sets text to count bytes and reads into them; the text is then cut to
    // the bytes read, which are returned. Without wait only the bytes the
    // driver already holds are read, so it never blocks.
    int ReadText(std::string& text, int count, bool wait);
    // Returns the bytes written; without wait, those written at once.
    int WriteText(const std::string& text, bool wait);
    // A failure to change DTR is not reported.
    void SetDtrLine(bool on);
    void SetRtsLine(bool on);
    bool CarrierDetected();
    int PendingInputCount();

    // With bytes waiting only; InQue is their number.
    TRxCharEvent OnRxChar;
    TNotifyEvent OnRLSD;
    TNotifyEvent OnTxEmpty;
    TNotifyEvent OnBreak;
    TNotifyEvent OnRing;
    TNotifyEvent OnCTS;
    TNotifyEvent OnDSR;
    TNotifyEvent OnRxFlag;
    TNotifyEvent OnError;
    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;
    TNotifyEvent OnRx80Full;
    // The device failed while open: fired once, after the port let it go and
    // before the failure is raised.
    TNotifyEvent OnDeviceFailure;

private:
    friend class TParity;
    friend class TFlowControl;
    friend class TComTimeouts;

    void LineSettingsChanged();
    void TimeoutsChanged();
    void ApplyQueueSizes();
    void ApplyLineSettings();
    void ApplyTimeouts();
    void StartWatcher();
    void HandleEvents(std::uint32_t events);
    void HandleWatchFailure(platform::SerialError error);
    // The first failure of the open device: lets it go, tells OnDeviceFailure
    // and raises.
    [[noreturn]] void DeviceFailed(const char* prefix, platform::SerialError error);
    // Releases the watcher and the device without a word to either.
    void LetGo();
    platform::SerialLineSettings DeviceLineSettings() const;
    platform::SerialTimeouts DeviceTimeouts() const;

    platform::SerialPorts& ports_;
    std::unique_ptr<platform::SerialDevice> device_;
    std::unique_ptr<platform::SerialWatcher> watcher_;
    bool connected_ = false;
    bool failed_ = false;
    // Counts opens and closes, so that event handling notices a handler that
    // closed or reopened the port.
    unsigned generation_ = 0;

    TPortType port_ = TPortType::COM1;
    TBaudRate baudRate_ = TBaudRate::br9600;
    TParity parity_{*this};
    TDataBits dataBits_ = TDataBits::dbEight;
    TStopBits stopBits_ = TStopBits::sbOneStopBit;
    bool discardNull_ = false;
    char eventChar_ = 0;
    TEvents events_ = TEvents::All();
    int readBufSize_ = 1024;
    int writeBufSize_ = 1024;
    TFlowControl flowControl_{*this};
    TComTimeouts timeouts_{*this};
    TSyncMethod syncMethod_ = TSyncMethod::smSynchronize;
};

} // namespace orvane::input
