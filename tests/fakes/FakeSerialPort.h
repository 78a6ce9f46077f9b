#pragma once
// Scripted serial devices. A test adds devices by name, makes them missing or
// busy, pushes bytes and line changes from the far end (delivered through the
// watcher at once, on the test's thread, as the user-interface thread would
// get them), and reads back every call the program made, in order.
// Exceptions raised by a handler reach the test that pushed the event.
#include "platform/SerialPort.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::fakes {

class FakeSerialPorts;

// One device as the test sees it: the far end of the cable.
class FakeSerialLine {
public:
    // Bytes from the device: queued, then evRxChar.
    void Receive(std::string_view bytes);
    // The carrier-detect input; a change raises evRLSD.
    void SetCarrier(bool on);
    // Any events, as the driver reports them; only watched ones are delivered.
    void RaiseEvents(std::uint32_t events);
    // The watcher fails with error and ends.
    void FailWatcher(platform::SerialError error);
    // The next call of operation fails with error. Operations are named as in
    // Calls() ("SetupComm", "Read", ...); "ReadWait" and "WriteWait" fail the
    // wait for the overlapped read or write instead; "Escape SetRts" (and
    // the other escapes by name) only that one.
    void FailNext(const std::string& operation, platform::SerialError error);
    // The adapter is pulled out: every call on the open device fails with
    // error (events may still come), and opening it fails as for a missing
    // device until it is plugged in again.
    void Unplug(platform::SerialError error) { unplugged_ = error; }
    void Replug() {
        unplugged_ = 0;
        input_.clear(); // what came before is gone with the old device
    }

    bool IsOpen() const { return open_; }
    bool IsWatched() const { return watch_ != nullptr; }
    std::uint32_t WatchedEvents() const;
    std::optional<platform::SerialDelivery> Delivery() const;

    // Every call on the device, in order: "SetupComm 1024 1024",
    // "SetCommState", "SetCommTimeouts", "Watch", "StopWatch", "Read 3",
    // "Write 1 wait", "Write 1 nowait", "Purge 15", "Escape SetDtr",
    // "ModemStatus", "QueueStatus", "Close".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    // What was applied last, and everything the program wrote.
    std::optional<platform::SerialLineSettings> LineSettings() const { return lineSettings_; }
    std::optional<platform::SerialTimeouts> Timeouts() const { return timeouts_; }
    const std::string& Written() const { return written_; }
    bool Dtr() const { return dtr_; }
    bool Rts() const { return rts_; }
    std::size_t InputWaiting() const { return input_.size(); }

private:
    friend class FakeSerialPorts;
    friend class FakeSerialDevice;
    friend class FakeSerialWatcher;
    struct Watch;

    void Record(std::string call) { calls_.push_back(std::move(call)); }
    platform::SerialError TakeFailure(const std::string& operation);
    void Deliver(std::uint32_t events);

    bool open_ = false;
    bool missing_ = false;
    platform::SerialError unplugged_ = 0;
    bool busy_ = false;
    bool carrier_ = false;
    bool dtr_ = false;
    bool rts_ = false;
    std::string input_;
    std::string written_;
    std::vector<std::string> calls_;
    std::map<std::string, platform::SerialError> failures_;
    std::optional<platform::SerialLineSettings> lineSettings_;
    std::optional<platform::SerialTimeouts> timeouts_;
    std::shared_ptr<Watch> watch_;
};

class FakeSerialPorts : public platform::SerialPorts {
public:
    // A device that can be opened under name (names match without regard to case).
    FakeSerialLine& Add(const std::string& name);
    // An added device; throws std::out_of_range for others.
    FakeSerialLine& Line(const std::string& name);
    // Missing devices fail to open with ERROR_FILE_NOT_FOUND, busy ones (and
    // open ones: access is exclusive) with ERROR_ACCESS_DENIED.
    void SetMissing(const std::string& name, bool missing);
    void SetBusy(const std::string& name, bool busy);
    // Every name the program asked to open, in order.
    const std::vector<std::string>& OpenRequests() const { return openRequests_; }

    platform::SerialResult<std::unique_ptr<platform::SerialDevice>> Open(const std::string& name) override;

private:
    std::map<std::string, std::unique_ptr<FakeSerialLine>> lines_;
    std::vector<std::string> openRequests_;
};

} // namespace orvane::fakes
