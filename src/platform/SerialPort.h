#pragma once
// Serial devices, reached the way Win32's communications functions reach
// them: an exclusive handle opened for overlapped input and output, a DCB,
// COMMTIMEOUTS, reads and writes, PurgeComm, EscapeCommFunction, the modem
// and queue status, and a watcher over WaitCommEvent. Every failure carries
// the system's error number, from which the serial component builds its
// messages. Numbers and flags have Win32's values.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvane::platform {

// The system's error number of a failed call; 0 means success.
using SerialError = std::uint32_t;
// What a call on a device that is not open fails with (ERROR_INVALID_HANDLE).
inline constexpr SerialError kSerialInvalidHandle = 6;

// Device events (EV_...).
namespace serial_event {
inline constexpr std::uint32_t RxChar = 0x0001;
inline constexpr std::uint32_t RxFlag = 0x0002;
inline constexpr std::uint32_t TxEmpty = 0x0004;
inline constexpr std::uint32_t Cts = 0x0008;
inline constexpr std::uint32_t Dsr = 0x0010;
inline constexpr std::uint32_t Rlsd = 0x0020;
inline constexpr std::uint32_t Break = 0x0040;
inline constexpr std::uint32_t Error = 0x0080;
inline constexpr std::uint32_t Ring = 0x0100;
inline constexpr std::uint32_t Rx80Full = 0x0400;
inline constexpr std::uint32_t All = 0x05FF;
} // namespace serial_event

// Modem input lines (MS_..._ON).
namespace modem_line {
inline constexpr std::uint32_t Cts = 0x0010;
inline constexpr std::uint32_t Dsr = 0x0020;
inline constexpr std::uint32_t Ring = 0x0040;
inline constexpr std::uint32_t Rlsd = 0x0080;
} // namespace modem_line

// What PurgeComm abandons (PURGE_...).
namespace serial_purge {
inline constexpr std::uint32_t TxAbort = 0x0001;
inline constexpr std::uint32_t RxAbort = 0x0002;
inline constexpr std::uint32_t TxClear = 0x0004;
inline constexpr std::uint32_t RxClear = 0x0008;
inline constexpr std::uint32_t All = 0x000F;
} // namespace serial_purge

// EscapeCommFunction's functions for the two output lines.
enum class SerialEscape : std::uint32_t { SetRts = 3, ClrRts = 4, SetDtr = 5, ClrDtr = 6 };

// The fields of a DCB that the program sets. Binary mode is always on, as
// Windows requires.
struct SerialLineSettings {
    std::uint32_t baudRate = 9600;
    bool parityCheck = false;      // fParity
    bool outCtsFlow = false;       // fOutxCtsFlow
    bool outDsrFlow = false;       // fOutxDsrFlow
    std::uint8_t dtrControl = 0;   // DTR_CONTROL_DISABLE, _ENABLE, _HANDSHAKE
    bool dsrSensitivity = false;   // fDsrSensitivity
    bool txContinueOnXoff = false; // fTXContinueOnXoff
    bool xonXoffOut = false;       // fOutX
    bool xonXoffIn = false;        // fInX
    bool replaceErrors = false;    // fErrorChar
    bool discardNull = false;      // fNull
    std::uint8_t rtsControl = 0;   // RTS_CONTROL_DISABLE, _ENABLE, _HANDSHAKE, _TOGGLE
    bool abortOnError = false;     // fAbortOnError
    std::uint16_t xonLimit = 0;
    std::uint16_t xoffLimit = 0;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;       // NOPARITY, ODDPARITY, EVENPARITY, MARKPARITY, SPACEPARITY
    std::uint8_t stopBits = 0;     // ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS
    char xonChar = 17;
    char xoffChar = 19;
    char errorChar = 0;
    char eofChar = 0;
    char eventChar = 0;

    bool operator==(const SerialLineSettings&) const = default;
};

// COMMTIMEOUTS, in milliseconds.
struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;

    bool operator==(const SerialTimeouts&) const = default;
};

// What ClearCommError reports (and clears): the line errors (CE_...) and the
// bytes waiting in the driver's queues.
struct SerialQueueStatus {
    std::uint32_t errors = 0;
    std::uint32_t inQueue = 0;
    std::uint32_t outQueue = 0;
};

template <class T>
struct SerialResult {
    T value{};
    SerialError error = 0;
};

// The outcome of a read or a write. whileWaiting tells a failure of the wait
// for the overlapped operation from a failure to start it.
struct SerialTransfer {
    std::uint32_t bytes = 0;
    SerialError error = 0;
    bool whileWaiting = false;
};

// Which thread a watcher's handlers run on. On the user-interface thread the
// watcher waits until the handler has returned before it watches again.
enum class SerialDelivery { UserInterfaceThread, WatcherThread };

struct SerialWatchHandlers {
    // The events that occurred, never none.
    std::function<void(std::uint32_t events)> onEvents;
    // Watching failed with this error and has ended.
    std::function<void(SerialError error)> onFailure;
};

// Watches its device until destroyed. Destruction stops the watcher and waits
// for it; from inside one of its own handlers it only tells it to stop, and
// the watcher touches the device no more once that handler has returned.
// A watcher must be destroyed before its device.
class SerialWatcher {
public:
    virtual ~SerialWatcher() = default;
};

// An open device; closed when destroyed.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    virtual SerialError SetupComm(std::uint32_t inQueue, std::uint32_t outQueue) = 0;
    virtual SerialError SetCommState(const SerialLineSettings& settings) = 0;
    virtual SerialError SetCommTimeouts(const SerialTimeouts& timeouts) = 0;
    // Reads up to count bytes into buffer and waits until the read completes;
    // how long that takes is the timeouts' business.
    virtual SerialTransfer Read(char* buffer, std::uint32_t count) = 0;
    // With wait, returns when the write has completed. Without, the bytes are
    // copied and a write that does not complete at once goes on in the
    // background (bytes is then 0); closing the device abandons it.
    virtual SerialTransfer Write(std::string_view bytes, bool wait) = 0;
    virtual SerialError Purge(std::uint32_t flags) = 0;
    virtual SerialError Escape(SerialEscape function) = 0;
    // The modem_line bits that are on.
    virtual SerialResult<std::uint32_t> ModemStatus() = 0;
    virtual SerialResult<SerialQueueStatus> QueueStatus() = 0;
    // Starts watching for the given serial_event bits.
    virtual SerialResult<std::unique_ptr<SerialWatcher>> Watch(std::uint32_t events, SerialDelivery delivery,
                                                               SerialWatchHandlers handlers) = 0;
};

class SerialPorts {
public:
    virtual ~SerialPorts() = default;
    // Opens a device by name ("COM1") for reading and writing, exclusively,
    // for overlapped input and output. No device and the system's error when
    // it is missing, in use or cannot be opened.
    virtual SerialResult<std::unique_ptr<SerialDevice>> Open(const std::string& name) = 0;
};

} // namespace orvane::platform
