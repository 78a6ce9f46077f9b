#include "input/ClientSocket.h"

#include "core/Exception.h"
#include "ui/Application.h"

#include <utility>

namespace orvane::input {
namespace {

using platform::SocketError;
using platform::SocketEvent;

TErrorEvent ErrorEventOf(SocketEvent event) {
    switch (event) {
    case SocketEvent::Connect: return TErrorEvent::eeConnect;
    case SocketEvent::Read: return TErrorEvent::eeReceive;
    case SocketEvent::Write: return TErrorEvent::eeSend;
    case SocketEvent::Close: return TErrorEvent::eeDisconnect;
    case SocketEvent::Accept: return TErrorEvent::eeAccept;
    case SocketEvent::Lookup: return TErrorEvent::eeLookup;
    }
    return TErrorEvent::eeGeneral;
}

} // namespace

TClientSocket::TClientSocket(platform::Sockets& sockets, ui::Application& app)
    : Component(nullptr, "ClientSocket"), sockets_(sockets), app_(app) {}

TClientSocket::~TClientSocket() = default;

void TClientSocket::CheckInactive() const {
    if (active_) throw ESocketError("Can't change value while socket is active");
}

void TClientSocket::SetHost(std::string host) {
    if (host == host_) return;
    CheckInactive();
    host_ = std::move(host);
}

void TClientSocket::SetPort(int port) {
    if (port == port_) return;
    if (port < 0 || port > 65535) throw ERangeError();
    CheckInactive();
    port_ = port;
}

void TClientSocket::SetActive(bool active) {
    if (active == active_) return;
    if (!active) return Disconnect(true);
    const unsigned generation = ++generation_;
    auto opened = sockets_.Connect(host_, static_cast<std::uint16_t>(port_),
                                   [this, generation](SocketEvent event, SocketError error) {
                                       HandleEvent(generation, event, error);
                                   });
    if (opened.failure) RaiseFailure(opened.failure);
    connection_ = std::move(opened.value);
    active_ = true;
}

void TClientSocket::Disconnect(bool notify) {
    const bool wasConnected = connected_;
    ++generation_;
    connection_.reset();
    active_ = false;
    connected_ = false;
    unsent_.clear();
    if (notify && wasConnected && OnDisconnect) OnDisconnect(this);
}

std::string TClientSocket::ReceiveText() {
    if (!connection_) return {};
    const auto pending = connection_->Pending();
    if (pending.failure) RaiseFailure(pending.failure);
    if (pending.value == 0) return {};
    auto received = connection_->Receive(pending.value);
    if (received.failure) RaiseFailure(received.failure);
    return std::move(received.value);
}

void TClientSocket::SendText(const std::string& text) {
    if (text.empty()) return;
    if (!connection_) RaiseFailure({platform::socket_error::NotConnected, "send"});
    // Behind what is still waiting, or the server would get it out of order.
    const bool waiting = !unsent_.empty();
    if (waiting && unsent_.size() + text.size() > QueueLimit) return;
    unsent_ += text;
    if (!waiting) Flush();
}

void TClientSocket::Flush() {
    // Until the system takes nothing: only then does it promise a Write event.
    while (!unsent_.empty()) {
        const auto sent = connection_->Send(unsent_);
        if (sent.failure) {
            unsent_.clear();
            RaiseFailure(sent.failure);
        }
        if (sent.value == 0) return;
        unsent_.erase(0, sent.value);
    }
}

void TClientSocket::HandleEvent(unsigned generation, SocketEvent event, SocketError error) {
    app_.Dispatch([&] {
        if (generation != generation_ || !connection_) return;
        if (error != 0) return AsynchronousError(ErrorEventOf(event), error);
        switch (event) {
        case SocketEvent::Connect:
            connected_ = true;
            if (OnConnect) OnConnect(this);
            break;
        case SocketEvent::Read: {
            // A second event for text an earlier handler already took brings
            // nothing to read.
            const auto pending = connection_->Pending();
            if (pending.failure) RaiseFailure(pending.failure);
            if (pending.value > 0 && OnRead) OnRead(this);
            break;
        }
        case SocketEvent::Write:
            Flush();
            break;
        case SocketEvent::Close: {
            // What the server sent before it closed is read before the socket
            // goes; and it goes whatever the handlers do, as no second Close comes.
            const auto pending = connection_->Pending();
            if (!pending.failure && pending.value > 0 && OnRead) {
                try {
                    OnRead(this);
                } catch (...) {
                    if (generation == generation_) Disconnect(false);
                    throw;
                }
                if (generation != generation_) return; // the handler closed or reopened the socket
            }
            Disconnect(true);
            if (pending.failure) RaiseFailure(pending.failure);
            break;
        }
        case SocketEvent::Accept:
        case SocketEvent::Lookup:
            break;
        }
    });
}

void TClientSocket::AsynchronousError(TErrorEvent errorEvent, SocketError error) {
    Disconnect(false);
    int errorCode = error;
    if (OnError) OnError(this, errorEvent, errorCode);
    if (errorCode != 0) throw ESocketError("Asynchronous socket error " + std::to_string(errorCode));
}

void TClientSocket::RaiseFailure(const platform::SocketFailure& failure) const {
    throw ESocketError("Windows socket error: " + sockets_.ErrorText(failure.error) + " (" +
                       std::to_string(failure.error) + "), on API '" + failure.api + "'");
}

} // namespace orvane::input
