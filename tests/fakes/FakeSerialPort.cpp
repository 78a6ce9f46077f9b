#include "fakes/FakeSerialPort.h"

#include "core/Text.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::fakes {

using platform::SerialError;

namespace {

constexpr SerialError kFileNotFound = 2; // ERROR_FILE_NOT_FOUND
constexpr SerialError kAccessDenied = 5; // ERROR_ACCESS_DENIED

const char* EscapeName(platform::SerialEscape function) {
    switch (function) {
    case platform::SerialEscape::SetRts: return "SetRts";
    case platform::SerialEscape::ClrRts: return "ClrRts";
    case platform::SerialEscape::SetDtr: return "SetDtr";
    case platform::SerialEscape::ClrDtr: return "ClrDtr";
    }
    return "?";
}

} // namespace

struct FakeSerialLine::Watch {
    std::uint32_t events;
    platform::SerialDelivery delivery;
    platform::SerialWatchHandlers handlers;
};

class FakeSerialWatcher : public platform::SerialWatcher {
public:
    FakeSerialWatcher(FakeSerialLine& line, std::shared_ptr<FakeSerialLine::Watch> watch)
        : line_(line), watch_(std::move(watch)) {}
    ~FakeSerialWatcher() override {
        if (line_.watch_ == watch_) line_.watch_.reset();
        line_.Record("StopWatch");
    }

private:
    FakeSerialLine& line_;
    std::shared_ptr<FakeSerialLine::Watch> watch_;
};

class FakeSerialDevice : public platform::SerialDevice {
public:
    explicit FakeSerialDevice(FakeSerialLine& line) : line_(line) { line_.open_ = true; }
    ~FakeSerialDevice() override {
        line_.Record("Close");
        line_.open_ = false;
    }

    SerialError SetupComm(std::uint32_t inQueue, std::uint32_t outQueue) override {
        line_.Record("SetupComm " + std::to_string(inQueue) + " " + std::to_string(outQueue));
        return line_.TakeFailure("SetupComm");
    }

    SerialError SetCommState(const platform::SerialLineSettings& settings) override {
        line_.Record("SetCommState");
        if (SerialError error = line_.TakeFailure("SetCommState")) return error;
        line_.lineSettings_ = settings;
        return 0;
    }

    SerialError SetCommTimeouts(const platform::SerialTimeouts& timeouts) override {
        line_.Record("SetCommTimeouts");
        if (SerialError error = line_.TakeFailure("SetCommTimeouts")) return error;
        line_.timeouts_ = timeouts;
        return 0;
    }

    platform::SerialTransfer Read(char* buffer, std::uint32_t count) override {
        line_.Record("Read " + std::to_string(count));
        if (SerialError error = line_.TakeFailure("Read")) return {0, error, false};
        if (SerialError error = line_.TakeFailure("ReadWait")) return {0, error, true};
        // Like a read with the program's timeouts: what the driver holds, at once.
        const std::size_t n = std::min<std::size_t>(count, line_.input_.size());
        std::copy_n(line_.input_.begin(), n, buffer);
        line_.input_.erase(0, n);
        return {static_cast<std::uint32_t>(n), 0, false};
    }

    platform::SerialTransfer Write(std::string_view bytes, bool wait) override {
        line_.Record("Write " + std::to_string(bytes.size()) + (wait ? " wait" : " nowait"));
        if (SerialError error = line_.TakeFailure("Write")) return {0, error, false};
        if (SerialError error = line_.TakeFailure("WriteWait")) return {0, error, true};
        line_.written_.append(bytes);
        return {static_cast<std::uint32_t>(bytes.size()), 0, false};
    }

    SerialError Purge(std::uint32_t flags) override {
        line_.Record("Purge " + std::to_string(flags));
        if (SerialError error = line_.TakeFailure("Purge")) return error;
        if (flags & platform::serial_purge::RxClear) line_.input_.clear();
        return 0;
    }

    SerialError Escape(platform::SerialEscape function) override {
        line_.Record(std::string("Escape ") + EscapeName(function));
        if (SerialError error = line_.TakeFailure(std::string("Escape ") + EscapeName(function))) return error;
        if (SerialError error = line_.TakeFailure("Escape")) return error;
        switch (function) {
        case platform::SerialEscape::SetRts: line_.rts_ = true; break;
        case platform::SerialEscape::ClrRts: line_.rts_ = false; break;
        case platform::SerialEscape::SetDtr: line_.dtr_ = true; break;
        case platform::SerialEscape::ClrDtr: line_.dtr_ = false; break;
        }
        return 0;
    }

    platform::SerialResult<std::uint32_t> ModemStatus() override {
        line_.Record("ModemStatus");
        if (SerialError error = line_.TakeFailure("ModemStatus")) return {0, error};
        return {line_.carrier_ ? platform::modem_line::Rlsd : 0u, 0};
    }

    platform::SerialResult<platform::SerialQueueStatus> QueueStatus() override {
        line_.Record("QueueStatus");
        if (SerialError error = line_.TakeFailure("QueueStatus")) return {{}, error};
        return {{0, static_cast<std::uint32_t>(line_.input_.size()), 0}, 0};
    }

    platform::SerialResult<std::unique_ptr<platform::SerialWatcher>> Watch(
        std::uint32_t events, platform::SerialDelivery delivery, platform::SerialWatchHandlers handlers) override {
        line_.Record("Watch");
        if (SerialError error = line_.TakeFailure("Watch")) return {nullptr, error};
        auto watch = std::make_shared<FakeSerialLine::Watch>(FakeSerialLine::Watch{events, delivery, std::move(handlers)});
        line_.watch_ = watch;
        return {std::make_unique<FakeSerialWatcher>(line_, std::move(watch)), 0};
    }

private:
    FakeSerialLine& line_;
};

// --- the far end ---

void FakeSerialLine::Receive(std::string_view bytes) {
    if (!open_) return; // nobody listens: the bytes are lost, as on a real line
    input_.append(bytes);
    Deliver(platform::serial_event::RxChar);
}

void FakeSerialLine::SetCarrier(bool on) {
    if (carrier_ == on) return;
    carrier_ = on;
    if (open_) Deliver(platform::serial_event::Rlsd);
}

void FakeSerialLine::RaiseEvents(std::uint32_t events) {
    if (open_) Deliver(events);
}

void FakeSerialLine::FailWatcher(SerialError error) {
    auto watch = watch_;
    if (!watch) return;
    watch_.reset(); // it has ended
    if (watch->handlers.onFailure) watch->handlers.onFailure(error);
}

void FakeSerialLine::FailNext(const std::string& operation, SerialError error) { failures_[operation] = error; }

std::uint32_t FakeSerialLine::WatchedEvents() const { return watch_ ? watch_->events : 0; }

std::optional<platform::SerialDelivery> FakeSerialLine::Delivery() const {
    if (!watch_) return std::nullopt;
    return watch_->delivery;
}

SerialError FakeSerialLine::TakeFailure(const std::string& operation) {
    if (unplugged_) return unplugged_;
    auto it = failures_.find(operation);
    if (it == failures_.end()) return 0;
    const SerialError error = it->second;
    failures_.erase(it);
    return error;
}

void FakeSerialLine::Deliver(std::uint32_t events) {
    auto watch = watch_; // a handler may stop the watcher
    if (!watch) return;
    events &= watch->events;
    if (events != 0 && watch->handlers.onEvents) watch->handlers.onEvents(events);
}

// --- the devices by name ---

FakeSerialLine& FakeSerialPorts::Add(const std::string& name) {
    auto& line = lines_[UpperCase(name)];
    if (!line) line = std::make_unique<FakeSerialLine>();
    return *line;
}

FakeSerialLine& FakeSerialPorts::Line(const std::string& name) {
    auto it = lines_.find(UpperCase(name));
    if (it == lines_.end()) throw std::out_of_range("no serial device " + name);
    return *it->second;
}

void FakeSerialPorts::SetMissing(const std::string& name, bool missing) { Line(name).missing_ = missing; }

void FakeSerialPorts::SetBusy(const std::string& name, bool busy) { Line(name).busy_ = busy; }

platform::SerialResult<std::unique_ptr<platform::SerialDevice>> FakeSerialPorts::Open(const std::string& name) {
    openRequests_.push_back(name);
    auto it = lines_.find(UpperCase(name));
    if (it == lines_.end() || it->second->missing_ || it->second->unplugged_) return {nullptr, kFileNotFound};
    FakeSerialLine& line = *it->second;
    if (line.busy_ || line.open_) return {nullptr, kAccessDenied};
    return {std::make_unique<FakeSerialDevice>(line), 0};
}

} // namespace orvane::fakes
