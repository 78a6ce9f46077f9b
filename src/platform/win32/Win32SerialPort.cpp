#include "platform/win32/Win32SerialPort.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orvane::platform::win32 {
namespace {

// A kernel handle, closed when it goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~Handle() {
        if (handle_) CloseHandle(handle_);
    }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// The error of the call that just failed; a driver that sets none must not
// make the failure read as success.
DWORD LastError() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

Handle ManualResetEvent() { return Handle(CreateEventA(nullptr, TRUE, FALSE, nullptr)); }

const char kWatchWindowClass[] = "OrvaneSerialWatchWindow";
constexpr UINT kEventsMessage = WM_APP + 1;       // wParam: the events that occurred
constexpr UINT kFailureMessage = WM_APP + 2;      // wParam: the error that ended the watcher
constexpr UINT kHandlerErrorMessage = WM_APP + 3; // lParam: what a handler raised on the watcher's thread

// The events a driver can watch without the modem lines.
constexpr DWORD kQueueEvents = EV_RXCHAR | EV_RXFLAG | EV_TXEMPTY | EV_RX80FULL;
// After a wait that brought nothing the watcher pauses, so that a driver
// whose waits complete at once does not keep it spinning.
constexpr DWORD kIdlePauseMs = 10;
// How often the watcher looks at the input queue of a driver that cannot wait
// for bytes (see PollInputQueue).
constexpr DWORD kQueuePollMs = 2;
// The most bytes the watcher reads ahead of the device's reads: a handler
// that leaves bytes unread must not make it take the driver's whole queue.
constexpr std::size_t kHeldLimit = 256;

// Holds a lock for a scope.
class Locked {
public:
    explicit Locked(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
    ~Locked() { LeaveCriticalSection(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& lock_;
};

// CancelIoEx, which ends another thread's read; Windows before Vista lacks it.
using CancelIoExFunction = BOOL(WINAPI*)(HANDLE, OVERLAPPED*);
CancelIoExFunction CancelOthersRead() {
    static const auto function = reinterpret_cast<CancelIoExFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CancelIoEx")));
    return function;
}

// The device's input as its reads see it. Where the driver cannot wait for
// events (Wine's on a pseudo-terminal), the watcher waits for the next byte
// with a read of its own instead; the bytes it reads are held here and the
// device's reads take them first, so that the stream reaches the reader whole
// and in order. The device's calls and the watcher take turns through the
// lock: a call that needs the driver's reads or timeouts ends the watcher's
// waiting read first, and the watcher then waits again. The watcher never
// blocks on the lock while its read is pending: ending that read may need its
// thread.
class DeviceInput {
public:
    enum class Wait { Arrived, Interrupted, Stopped, CannotWait, Failed };

    explicit DeviceInput(HANDLE device) : device_(device) { InitializeCriticalSection(&lock_); }
    ~DeviceInput() { DeleteCriticalSection(&lock_); }
    DeviceInput(const DeviceInput&) = delete;
    DeviceInput& operator=(const DeviceInput&) = delete;

    static bool CanWaitByReading() { return CancelOthersRead() != nullptr; }

    CRITICAL_SECTION& Lock() { return lock_; }

    // With the lock held: ends and takes in the watcher's waiting read.
    void TakeTurn() {
        if (!waiting_) return;
        if (!HasOverlappedIoCompleted(&overlapped_)) CancelOthersRead()(device_, &overlapped_);
        DWORD read = 0;
        GetOverlappedResult(device_, &overlapped_, &read, TRUE);
        DWORD ignored = 0; // a failing device fails the call that follows
        Finish(read, ignored);
    }

    // With the lock held: moves up to count held bytes into buffer.
    DWORD TakeHeld(char* buffer, DWORD count) {
        const DWORD taken = static_cast<DWORD>(std::min<std::size_t>(count, held_.size()));
        held_.copy(buffer, taken);
        held_.erase(0, taken);
        return taken;
    }
    void DropHeld() { held_.clear(); }
    // The device's own timeouts, now set.
    void TimeoutsSet(const COMMTIMEOUTS& timeouts) {
        saved_ = timeouts;
        timeoutsKnown_ = true;
    }
    void CountTaken(DWORD bytes) { taken_ += bytes; }

    // With the lock held: how many of wanted bytes a device read may ask the
    // driver for. A read that is to return at once, or one that already has
    // bytes the watcher held, asks only for what the driver holds: Wine's
    // driver leaves a read of an empty pseudo-terminal pending for ever,
    // whatever the timeouts, and held bytes would not start an interval
    // timeout. (Looking at the queue clears the line's error flags, as every
    // look at the input queue does.)
    bool Askable(DWORD wanted, bool hasHeld, DWORD& askable, DWORD& error) {
        askable = wanted;
        const bool atOnce = timeoutsKnown_ && saved_.ReadIntervalTimeout == MAXDWORD &&
                            saved_.ReadTotalTimeoutMultiplier == 0 && saved_.ReadTotalTimeoutConstant == 0;
        if (!hasHeld && !atOnce) return true;
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(device_, &errors, &status)) {
            error = LastError();
            return false;
        }
        askable = std::min(wanted, status.cbInQue);
        return true;
    }

    // ClearCommError with the held bytes counted as waiting; also the bytes
    // received since the device opened (read, held and waiting).
    bool Status(DWORD& errors, COMSTAT& status, std::uint64_t& received) {
        Locked turn(lock_);
        if (waiting_ && HasOverlappedIoCompleted(&overlapped_)) TakeTurn();
        if (!ClearCommError(device_, &errors, &status)) return false;
        received = taken_ + held_.size() + status.cbInQue;
        status.cbInQue = static_cast<DWORD>(std::min<std::uint64_t>(std::uint64_t{status.cbInQue} + held_.size(),
                                                                    MAXDWORD));
        return true;
    }
    std::uint64_t Received(DWORD& error) {
        DWORD errors = 0;
        COMSTAT status{};
        std::uint64_t received = 0;
        if (!Status(errors, status, received)) error = LastError();
        return received;
    }

    // On the watcher's thread: waits for the next byte with a read that
    // returns once one has come, until then, the stop signal, or a call of
    // the device taking its turn. A read that returns nothing at once is a
    // driver that cannot wait this way either.
    Wait WaitForByte(const std::atomic<bool>& stopping, HANDLE stop, HANDLE done, DWORD& error) {
        bool reading = false;
        {
            Locked turn(lock_);
            if (stopping) return Wait::Stopped;
            if (held_.size() < kHeldLimit) {
                Wait ended = Wait::Interrupted;
                if (!StartRead(done, ended, error)) return ended;
                reading = true;
            }
        }
        // Bytes the handlers left unread fill the room: new ones are looked
        // for as on a driver that cannot wait.
        if (!reading) return WaitForSingleObject(stop, kQueuePollMs) == WAIT_TIMEOUT ? Wait::Interrupted : Wait::Stopped;
        const HANDLE waits[2] = {stop, done};
        const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        const DWORD waitError = woken == WAIT_FAILED ? LastError() : ERROR_SUCCESS;
        if (woken != WAIT_OBJECT_0 + 1) CancelIo(device_); // only this thread's read
        DWORD read = 0;
        const DWORD readError = GetOverlappedResult(device_, &overlapped_, &read, TRUE) ? ERROR_SUCCESS : LastError();
        Locked turn(lock_);
        if (!waiting_) return woken == WAIT_OBJECT_0 ? Wait::Stopped : Wait::Interrupted; // a device call took it in
        if (woken == WAIT_OBJECT_0) {
            DWORD ignored = 0; // nobody is left to tell
            Finish(read, ignored);
            return Wait::Stopped;
        }
        if (!Finish(read, error)) return Wait::Failed;
        if (woken == WAIT_FAILED) {
            error = waitError;
            return Wait::Failed;
        }
        if (readError == ERROR_OPERATION_ABORTED) return Wait::Interrupted; // a purge
        if (readError != ERROR_SUCCESS) {
            error = readError;
            return Wait::Failed;
        }
        return read > 0 ? Wait::Arrived : Wait::CannotWait;
    }

private:
    // With the lock held: starts the watcher's read of one byte. False when
    // it is over at once, with how it ended.
    bool StartRead(HANDLE done, Wait& ended, DWORD& error) {
        ended = Wait::Failed;
        // The device's own timeouts may return at once; this read has none.
        if (!timeoutsKnown_ && !GetCommTimeouts(device_, &saved_)) {
            error = LastError();
            return false;
        }
        timeoutsKnown_ = true;
        COMMTIMEOUTS untimed = saved_;
        untimed.ReadIntervalTimeout = 0;
        untimed.ReadTotalTimeoutMultiplier = 0;
        untimed.ReadTotalTimeoutConstant = 0;
        if (!SetCommTimeouts(device_, &untimed)) {
            error = LastError();
            return false;
        }
        overlapped_ = OVERLAPPED{};
        overlapped_.hEvent = done;
        waiting_ = true;
        DWORD read = 0;
        if (ReadFile(device_, &incoming_, 1, &read, &overlapped_)) {
            if (Finish(read, error)) ended = read > 0 ? Wait::Arrived : Wait::CannotWait;
            return false;
        }
        const DWORD startError = GetLastError();
        if (startError == ERROR_IO_PENDING) return true;
        Finish(0, error);
        error = startError != ERROR_SUCCESS ? startError : ERROR_GEN_FAILURE;
        return false;
    }

    // The watcher's read is over: keeps what it brought and gives the device
    // its own timeouts back.
    bool Finish(DWORD read, DWORD& error) {
        waiting_ = false;
        if (read > 0) held_.push_back(incoming_);
        if (SetCommTimeouts(device_, &saved_)) return true;
        error = LastError();
        return false;
    }

    HANDLE device_;
    CRITICAL_SECTION lock_;
    std::uint64_t taken_ = 0; // bytes the device's reads have returned
    std::string held_;        // read by the watcher, not yet by the device
    // The watcher's read, and the device's timeouts while it waits.
    bool waiting_ = false;
    bool timeoutsKnown_ = false;
    OVERLAPPED overlapped_{};
    COMMTIMEOUTS saved_{};
    char incoming_ = 0;
};

void ReportToSink(const std::shared_ptr<SerialErrorSink>& sink, const std::exception& error) noexcept {
    try {
        if (sink && *sink)
            (*sink)(error);
        else
            OutputDebugStringA(error.what());
    } catch (...) {
        // The sink is the last stop before the system's frames; nothing may pass.
    }
}

// Shared by the watcher object, its thread and its window procedure; the last
// of them frees it.
struct WatchState : std::enable_shared_from_this<WatchState> {
    HANDLE device = nullptr; // the device's; not used once the stop signal is set
    DWORD events = 0;
    SerialDelivery delivery = SerialDelivery::UserInterfaceThread;
    SerialWatchHandlers handlers;
    std::shared_ptr<SerialErrorSink> sink;
    Handle stop; // manual reset: set once, seen by every wait of the thread
    HWND window = nullptr;
    DWORD threadId = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> dispatching{0}; // handlers of this watcher running on the user-interface thread
    // The device's input, counting every byte its reads have taken, so that
    // the watcher can tell bytes that came while a handler ran from those it
    // left unread.
    std::shared_ptr<DeviceInput> input;
};

void CallHandler(WatchState& state, UINT message, WPARAM value) {
    if (message == kEventsMessage) {
        if (state.handlers.onEvents) state.handlers.onEvents(static_cast<std::uint32_t>(value));
    } else if (state.handlers.onFailure) {
        state.handlers.onFailure(static_cast<SerialError>(value));
    }
}

LRESULT CALLBACK WatchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kEventsMessage && message != kFailureMessage && message != kHandlerErrorMessage)
        return DefWindowProcA(window, message, wParam, lParam);
    auto* raw = reinterpret_cast<WatchState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Held for the whole message: a handler may stop the watcher.
    std::shared_ptr<WatchState> state = raw ? raw->weak_from_this().lock() : nullptr;
    if (!state) return 0;
    if (message == kHandlerErrorMessage) {
        ReportToSink(state->sink, *reinterpret_cast<const std::exception*>(lParam));
        return 0;
    }
    if (state->stopping) return 0; // a stop is waiting for the thread to end
    ++state->dispatching;
    try {
        CallHandler(*state, message, wParam);
    } catch (const std::exception& error) {
        ReportToSink(state->sink, error);
    } catch (...) {
        ReportToSink(state->sink, std::runtime_error("A serial port handler raised an unknown exception"));
    }
    --state->dispatching;
    return 0;
}

void RegisterWatchWindowClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WatchWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWatchWindowClass;
    RegisterClassA(&windowClass); // already registered by an earlier watcher is fine
}

// Hands an event or the final failure to the handlers, on the thread the
// delivery asks for.
void Deliver(WatchState& state, UINT message, WPARAM value) {
    if (state.delivery == SerialDelivery::UserInterfaceThread) {
        SendMessageA(state.window, message, value, 0);
        return;
    }
    try {
        CallHandler(state, message, value);
    } catch (const std::exception& error) {
        SendMessageA(state.window, kHandlerErrorMessage, 0, reinterpret_cast<LPARAM>(&error));
    } catch (...) {
        const std::runtime_error error("A serial port handler raised an unknown exception");
        SendMessageA(state.window, kHandlerErrorMessage, 0, reinterpret_cast<LPARAM>(&error));
    }
}

// The bytes received since the device opened: those read and those waiting;
// none, and the error, when the queue cannot be read.
std::uint64_t ReceivedBytes(const WatchState& state, DWORD& error) { return state.input->Received(error); }

// A driver that can wait neither for events nor for bytes: the watcher only
// looks at the input queue, sleeping between looks, and is stopped through the
// flag rather than the signal (each look at the signal is a call to Wine's
// server). A failing device ends the watcher as a failed wait would.
void PollInputQueue(WatchState& state, std::uint64_t announced) {
    while (!state.stopping) {
        DWORD error = ERROR_SUCCESS;
        const std::uint64_t received = ReceivedBytes(state, error);
        if (error != ERROR_SUCCESS) return Deliver(state, kFailureMessage, error);
        if (received <= announced) {
            announced = received; // a purge drops bytes never announced
            Sleep(kQueuePollMs);
            continue;
        }
        Deliver(state, kEventsMessage, EV_RXCHAR);
        announced = received;
    }
}

// Wine's driver on a pseudo-terminal ends every wait for events at once with
// none (it cannot read modem lines there), and every such wait costs it a
// thread of its own. Once a wait has ended so, the watcher waits for the next
// byte with a read instead (see DeviceInput), which costs nothing while
// nothing comes, and announces what arrived; the device's calls take their
// turn from it. A driver whose reads do not wait either, or a system that
// cannot end another thread's read, is polled.
void WaitByReading(WatchState& state, std::uint64_t announced) {
    if (!DeviceInput::CanWaitByReading()) return PollInputQueue(state, announced);
    Handle done = ManualResetEvent();
    if (!done) return Deliver(state, kFailureMessage, LastError());
    while (!state.stopping) {
        DWORD error = ERROR_SUCCESS;
        const std::uint64_t received = ReceivedBytes(state, error);
        if (error != ERROR_SUCCESS) return Deliver(state, kFailureMessage, error);
        if (received > announced) {
            Deliver(state, kEventsMessage, EV_RXCHAR);
            announced = received;
            continue;
        }
        announced = received; // a purge drops bytes never announced
        switch (state.input->WaitForByte(state.stopping, state.stop.get(), done.get(), error)) {
        case DeviceInput::Wait::Stopped:
            return;
        case DeviceInput::Wait::Failed:
            return Deliver(state, kFailureMessage, error);
        case DeviceInput::Wait::CannotWait:
            return PollInputQueue(state, announced);
        case DeviceInput::Wait::Arrived:
        case DeviceInput::Wait::Interrupted:
            break;
        }
    }
}

void RunWatcher(WatchState& state) {
    Handle signalled = ManualResetEvent();
    if (!signalled) return Deliver(state, kFailureMessage, LastError());
    DWORD watched = state.events;
    // Bytes received up to the last announcement, for waits that complete
    // without events: what a handler leaves unread is not announced again,
    // what arrives while it runs is.
    std::uint64_t announced = 0;
    while (WaitForSingleObject(state.stop.get(), 0) == WAIT_TIMEOUT) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = signalled.get();
        DWORD occurred = 0;
        DWORD error = ERROR_SUCCESS;
        if (!WaitCommEvent(state.device, &occurred, &overlapped)) {
            error = GetLastError();
            if (error == ERROR_IO_PENDING) {
                const HANDLE waits[2] = {state.stop.get(), signalled.get()};
                const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
                const DWORD waitError = woken == WAIT_FAILED ? LastError() : ERROR_SUCCESS;
                // Only this thread can cancel its wait, and the wait writes into
                // overlapped and occurred: it must be over before they go.
                if (woken != WAIT_OBJECT_0 + 1) CancelIo(state.device);
                DWORD ignored = 0;
                error = GetOverlappedResult(state.device, &overlapped, &ignored, TRUE) ? ERROR_SUCCESS : LastError();
                if (woken == WAIT_OBJECT_0) return;
                if (woken == WAIT_FAILED) return Deliver(state, kFailureMessage, waitError);
            }
        }
        if (error == ERROR_NOT_SUPPORTED && (watched & ~kQueueEvents) != 0 && (watched & kQueueEvents) != 0) {
            // Some drivers (Wine's on a pseudo-terminal) cannot watch modem
            // lines or line errors at all; keep watching what they can.
            watched &= kQueueEvents;
            if (SetCommMask(state.device, watched)) continue;
            error = LastError();
        }
        // Wine ends every wait this way, without events; handled below.
        const bool endedEmpty = error == ERROR_OPERATION_ABORTED;
        if (endedEmpty) {
            error = ERROR_SUCCESS;
            occurred = 0;
        }
        if (error != ERROR_SUCCESS) return Deliver(state, kFailureMessage, error);

        occurred &= watched;
        if (occurred == 0 && (watched & EV_RXCHAR)) {
            // Wine's waits end with no events even when bytes have come: the
            // input queue tells. A purge drops bytes never announced. A
            // device that vanished (an adapter pulled out) answers no more,
            // while its waits go on ending: the watcher ends with that.
            DWORD statusError = ERROR_SUCCESS;
            const std::uint64_t received = ReceivedBytes(state, statusError);
            if (statusError != ERROR_SUCCESS) return Deliver(state, kFailureMessage, statusError);
            if (received > announced) occurred = EV_RXCHAR;
            announced = std::min(announced, received);
        }
        if (occurred == 0) {
            if (endedEmpty && (watched & EV_RXCHAR)) return WaitByReading(state, announced);
            WaitForSingleObject(state.stop.get(), kIdlePauseMs);
            continue;
        }
        // A failure here is the handler's to meet when it asks for the queue.
        DWORD ignored = ERROR_SUCCESS;
        const std::uint64_t received = (watched & EV_RXCHAR) ? ReceivedBytes(state, ignored) : announced;
        Deliver(state, kEventsMessage, occurred);
        if (WaitForSingleObject(state.stop.get(), 0) != WAIT_TIMEOUT) return; // the device may be closed now
        announced = received;
    }
}

DWORD WINAPI WatchThread(void* parameter) {
    std::unique_ptr<std::shared_ptr<WatchState>> owner(static_cast<std::shared_ptr<WatchState>*>(parameter));
    WatchState& state = **owner;
    try {
        RunWatcher(state);
    } catch (const std::exception& error) {
        SendMessageA(state.window, kHandlerErrorMessage, 0, reinterpret_cast<LPARAM>(&error));
    } catch (...) {
        const std::runtime_error error("The serial port watcher failed");
        SendMessageA(state.window, kHandlerErrorMessage, 0, reinterpret_cast<LPARAM>(&error));
    }
    return 0;
}

class Win32SerialWatcher : public SerialWatcher {
public:
    explicit Win32SerialWatcher(std::shared_ptr<WatchState> state) : state_(std::move(state)) {}
    Win32SerialWatcher(const Win32SerialWatcher&) = delete;
    Win32SerialWatcher& operator=(const Win32SerialWatcher&) = delete;

    void SetThread(Handle thread) { thread_ = std::move(thread); }

    ~Win32SerialWatcher() override {
        state_->stopping = true;
        SetEvent(state_->stop.get());
        // From inside its own handler the thread is blocked in SendMessage to
        // us (or is us): waiting for it would never end. It ends by itself
        // once the handler has returned.
        const bool insideOwnHandler = state_->dispatching > 0 || GetCurrentThreadId() == state_->threadId;
        if (thread_ && !insideOwnHandler) WaitForThread();
        HWND window = state_->window;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
            DestroyWindow(window);
        else
            PostMessageA(window, WM_CLOSE, 0, 0); // only its own thread may destroy it
    }

private:
    // Takes the messages the thread sends meanwhile (dropped while stopping),
    // so that it cannot stay blocked on this thread.
    void WaitForThread() {
        HANDLE thread = thread_.get();
        while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }

    std::shared_ptr<WatchState> state_;
    Handle thread_;
};

// A write not waited for, kept until it completes: the driver owns its bytes
// and its OVERLAPPED until then.
struct PendingWrite {
    OVERLAPPED overlapped{};
    Handle event;
    std::string bytes;
};

DCB ToDcb(const SerialLineSettings& line) {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    dcb.BaudRate = line.baudRate;
    dcb.fBinary = TRUE;
    dcb.fParity = line.parityCheck;
    dcb.fOutxCtsFlow = line.outCtsFlow;
    dcb.fOutxDsrFlow = line.outDsrFlow;
    dcb.fDtrControl = line.dtrControl;
    dcb.fDsrSensitivity = line.dsrSensitivity;
    dcb.fTXContinueOnXoff = line.txContinueOnXoff;
    dcb.fOutX = line.xonXoffOut;
    dcb.fInX = line.xonXoffIn;
    dcb.fErrorChar = line.replaceErrors;
    dcb.fNull = line.discardNull;
    dcb.fRtsControl = line.rtsControl;
    dcb.fAbortOnError = line.abortOnError;
    dcb.XonLim = line.xonLimit;
    dcb.XoffLim = line.xoffLimit;
    dcb.ByteSize = line.byteSize;
    dcb.Parity = line.parity;
    dcb.StopBits = line.stopBits;
    dcb.XonChar = line.xonChar;
    dcb.XoffChar = line.xoffChar;
    dcb.ErrorChar = line.errorChar;
    dcb.EofChar = line.eofChar;
    dcb.EvtChar = line.eventChar;
    return dcb;
}

class Win32SerialDevice : public SerialDevice {
public:
    Win32SerialDevice(Handle handle, std::shared_ptr<SerialErrorSink> sink)
        : handle_(std::move(handle)), sink_(std::move(sink)), input_(std::make_shared<DeviceInput>(handle_.get())) {}
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    ~Win32SerialDevice() override {
        if (pending_.empty()) return;
        PurgeComm(handle_.get(), PURGE_TXABORT | PURGE_TXCLEAR);
        for (auto& write : pending_) {
            DWORD ignored = 0;
            GetOverlappedResult(handle_.get(), &write->overlapped, &ignored, TRUE);
        }
    }

    SerialError SetupComm(std::uint32_t inQueue, std::uint32_t outQueue) override {
        return ::SetupComm(handle_.get(), inQueue, outQueue) ? 0 : LastError();
    }

    SerialError SetCommState(const SerialLineSettings& settings) override {
        DCB dcb = ToDcb(settings);
        return ::SetCommState(handle_.get(), &dcb) ? 0 : LastError();
    }

    SerialError SetCommTimeouts(const SerialTimeouts& timeouts) override {
        COMMTIMEOUTS values{timeouts.readInterval, timeouts.readTotalMultiplier, timeouts.readTotalConstant,
                            timeouts.writeTotalMultiplier, timeouts.writeTotalConstant};
        Locked turn(input_->Lock());
        input_->TakeTurn();
        if (!::SetCommTimeouts(handle_.get(), &values)) return LastError();
        input_->TimeoutsSet(values);
        return 0;
    }

    SerialTransfer Read(char* buffer, std::uint32_t count) override {
        Locked turn(input_->Lock());
        input_->TakeTurn();
        // What the watcher read ahead comes first.
        const DWORD held = input_->TakeHeld(buffer, count);
        if (held > 0 && held == count) return Taken({held, 0, false});
        DWORD wanted = 0;
        DWORD askError = ERROR_SUCCESS;
        if (!input_->Askable(count - held, held > 0, wanted, askError)) return Taken({held, askError, false});
        if (wanted == 0) return Taken({held, 0, false});
        if (!readDone_) readDone_ = ManualResetEvent();
        if (!readDone_) return Taken({held, LastError(), false});
        OVERLAPPED overlapped{};
        overlapped.hEvent = readDone_.get();
        DWORD read = 0;
        if (ReadFile(handle_.get(), buffer + held, wanted, &read, &overlapped))
            return Taken({held + read, 0, false});
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING) return Taken({held, error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE, false});
        if (!GetOverlappedResult(handle_.get(), &overlapped, &read, TRUE))
            return Taken({held + read, LastError(), true});
        return Taken({held + read, 0, false});
    }

    SerialTransfer Write(std::string_view bytes, bool wait) override {
        ReapFinishedWrites();
        auto write = std::make_unique<PendingWrite>();
        write->event = ManualResetEvent();
        if (!write->event) return {0, LastError(), false};
        write->overlapped.hEvent = write->event.get();
        write->bytes.assign(bytes);
        DWORD written = 0;
        if (WriteFile(handle_.get(), write->bytes.data(), static_cast<DWORD>(write->bytes.size()), &written,
                      &write->overlapped))
            return {written, 0, false};
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING) return {0, error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE, false};
        if (!wait) {
            pending_.push_back(std::move(write));
            return {0, 0, false};
        }
        if (!GetOverlappedResult(handle_.get(), &write->overlapped, &written, TRUE)) return {written, LastError(), true};
        return {written, 0, false};
    }

    SerialError Purge(std::uint32_t flags) override {
        Locked turn(input_->Lock());
        input_->TakeTurn();
        if (flags & PURGE_RXCLEAR) input_->DropHeld();
        if (!PurgeComm(handle_.get(), flags)) return LastError();
        ReapFinishedWrites();
        return 0;
    }

    SerialError Escape(SerialEscape function) override {
        return EscapeCommFunction(handle_.get(), static_cast<DWORD>(function)) ? 0 : LastError();
    }

    SerialResult<std::uint32_t> ModemStatus() override {
        DWORD status = 0;
        if (!GetCommModemStatus(handle_.get(), &status)) return {0, LastError()};
        return {status, 0};
    }

    SerialResult<SerialQueueStatus> QueueStatus() override {
        COMSTAT status{};
        DWORD errors = 0;
        std::uint64_t received = 0;
        if (!input_->Status(errors, status, received)) return {{}, LastError()};
        return {{errors, status.cbInQue, status.cbOutQue}, 0};
    }

    SerialResult<std::unique_ptr<SerialWatcher>> Watch(std::uint32_t events, SerialDelivery delivery,
                                                       SerialWatchHandlers handlers) override {
        if (!SetCommMask(handle_.get(), events)) return {nullptr, LastError()};
        auto state = std::make_shared<WatchState>();
        state->device = handle_.get();
        state->events = events;
        state->delivery = delivery;
        state->handlers = std::move(handlers);
        state->sink = sink_;
        state->input = input_;
        state->stop = ManualResetEvent();
        if (!state->stop) return {nullptr, LastError()};
        // The window belongs to this, the user-interface, thread: what is sent
        // to it runs here.
        RegisterWatchWindowClass();
        state->window = CreateWindowExA(0, kWatchWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
        if (!state->window) return {nullptr, LastError()};
        SetWindowLongPtrA(state->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.get()));
        auto watcher = std::make_unique<Win32SerialWatcher>(state);

        auto threadRef = std::make_unique<std::shared_ptr<WatchState>>(state);
        DWORD threadId = 0;
        // Suspended until the watcher knows the thread's id.
        HANDLE thread = CreateThread(nullptr, 0, WatchThread, threadRef.get(), CREATE_SUSPENDED, &threadId);
        if (!thread) return {nullptr, LastError()};
        threadRef.release(); // the thread's own now
        state->threadId = threadId;
        watcher->SetThread(Handle(thread));
        ResumeThread(thread);
        return {std::move(watcher), 0};
    }

private:
    // With the input's lock held.
    SerialTransfer Taken(SerialTransfer read) {
        input_->CountTaken(read.bytes);
        return read;
    }

    void ReapFinishedWrites() {
        std::erase_if(pending_, [this](const std::unique_ptr<PendingWrite>& write) {
            DWORD ignored = 0;
            return GetOverlappedResult(handle_.get(), &write->overlapped, &ignored, FALSE) ||
                   GetLastError() != ERROR_IO_INCOMPLETE;
        });
    }

    Handle handle_;
    std::shared_ptr<SerialErrorSink> sink_;
    std::shared_ptr<DeviceInput> input_;
    Handle readDone_; // for the reads, which take turns
    std::vector<std::unique_ptr<PendingWrite>> pending_;
};

} // namespace

Win32SerialPorts::Win32SerialPorts() : sink_(std::make_shared<SerialErrorSink>()) {}

void Win32SerialPorts::SetErrorSink(SerialErrorSink sink) { *sink_ = std::move(sink); }

SerialResult<std::unique_ptr<SerialDevice>> Win32SerialPorts::Open(const std::string& name) {
    const std::string path = name.rfind("\\\\", 0) == 0 ? name : "\\\\.\\" + name;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {nullptr, LastError()};
    return {std::make_unique<Win32SerialDevice>(Handle(handle), sink_), 0};
}

} // namespace orvane::platform::win32
