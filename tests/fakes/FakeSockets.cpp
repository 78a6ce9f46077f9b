#include "fakes/FakeSockets.h"

#include "core/Text.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::fakes {

using platform::SocketError;
using platform::SocketEvent;
using platform::SocketFailure;
using platform::SocketResult;

namespace {

// Four numbers of 0 to 255 joined by dots: inet_addr takes it without a lookup.
bool IsDottedAddress(const std::string& host) {
    int parts = 0;
    std::size_t at = 0;
    while (at <= host.size()) {
        const std::size_t end = std::min(host.find('.', at), host.size());
        const std::string part = host.substr(at, end - at);
        if (part.empty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), [](char c) {
                return c >= '0' && c <= '9';
            }))
            return false;
        if (std::stoi(part) > 255) return false;
        ++parts;
        at = end + 1;
    }
    return parts == 4;
}

} // namespace

// ---- the peer ----

void FakeSocketPeer::Deliver(SocketEvent event, SocketError error) {
    if (!handler_) return;
    const auto handler = handler_;
    (*handler)(event, error);
}

void FakeSocketPeer::FinishLookup() {
    if (!lookingUp_) return;
    lookingUp_ = false;
    if (SameText(host_, "localhost")) {
        address_ = "127.0.0.1";
    } else {
        auto it = sockets_->hosts_.find(UpperCase(host_));
        if (it == sockets_->hosts_.end()) return Fail(SocketEvent::Lookup, platform::socket_error::HostNotFound);
        address_ = it->second;
    }
    if (const SocketFailure failure = sockets_->StartConnecting(*this)) Fail(SocketEvent::Connect, failure.error);
}

void FakeSocketPeer::Accept() {
    FinishLookup();
    if (settled_) throw std::logic_error("The connection attempt was settled already");
    settled_ = true;
    accepted_ = true;
    Deliver(SocketEvent::Connect, 0);
    Deliver(SocketEvent::Write, 0);
}

void FakeSocketPeer::Refuse(SocketError error) {
    FinishLookup();
    if (settled_) throw std::logic_error("The connection attempt was settled already");
    settled_ = true;
    Deliver(SocketEvent::Connect, error);
}

void FakeSocketPeer::Send(std::string_view bytes) {
    if (!accepted_ || closed_) throw std::logic_error("The peer has no connection to send on");
    if (!Open()) return;
    input_.append(bytes);
    Deliver(SocketEvent::Read, 0);
}

void FakeSocketPeer::Close() {
    if (!accepted_) throw std::logic_error("The peer has no connection to close");
    if (closed_) return;
    closed_ = true;
    Deliver(SocketEvent::Close, 0);
}

void FakeSocketPeer::Fail(SocketEvent event, SocketError error) {
    if (event == SocketEvent::Lookup)
        lookingUp_ = false;
    else
        FinishLookup();
    if (settled_ && failed_) return; // the lookup or the connect calls failed already
    settled_ = true;
    failed_ = true;
    Deliver(event, error);
}

std::string FakeSocketPeer::TakeReceived() {
    std::string taken = std::move(received_);
    received_.clear();
    if (sendBlocked_) {
        sendBlocked_ = false;
        Deliver(SocketEvent::Write, 0);
    }
    return taken;
}

// ---- the program's end ----

class FakeSocketConnection : public platform::SocketConnection {
public:
    FakeSocketConnection(FakeSockets& sockets, FakeSocketPeer& peer) : sockets_(sockets), peer_(peer) {}
    ~FakeSocketConnection() override {
        sockets_.Record("closesocket");
        peer_.handler_.reset();
    }

    SocketResult<std::uint32_t> Pending() override {
        sockets_.Record("ioctlsocket");
        if (const SocketError error = sockets_.TakeFailure("ioctlsocket")) return {0, {error, "ioctlsocket"}};
        return {static_cast<std::uint32_t>(peer_.input_.size()), {}};
    }

    SocketResult<std::string> Receive(std::uint32_t count) override {
        if (count == 0) return {};
        sockets_.Record("recv " + std::to_string(count));
        if (const SocketError error = sockets_.TakeFailure("recv")) return {{}, {error, "recv"}};
        const std::size_t taken = std::min<std::size_t>(count, peer_.input_.size());
        std::string bytes = peer_.input_.substr(0, taken);
        peer_.input_.erase(0, taken);
        return {std::move(bytes), {}};
    }

    SocketResult<std::size_t> Send(std::string_view bytes) override {
        if (bytes.empty()) return {};
        sockets_.Record("send " + std::to_string(bytes.size()));
        if (const SocketError error = sockets_.TakeFailure("send")) return {0, {error, "send"}};
        if (!peer_.accepted_) return {0, {platform::socket_error::NotConnected, "send"}};
        const std::size_t held = peer_.received_.size();
        const std::size_t room = peer_.window_ > held ? peer_.window_ - held : 0;
        const std::size_t taken = std::min(room, bytes.size());
        // As in Winsock, only a send that would block promises a Write event.
        if (taken == 0) peer_.sendBlocked_ = true;
        peer_.received_.append(bytes.substr(0, taken));
        return {taken, {}};
    }

private:
    FakeSockets& sockets_;
    FakeSocketPeer& peer_;
};

class FakeSocketListener : public platform::SocketListener {
public:
    FakeSocketListener(FakeSockets& sockets, FakeListenState& state) : sockets_(sockets), state_(state) {}
    ~FakeSocketListener() override {
        sockets_.Record("closesocket");
        state_.handler.reset();
        state_.waiting.clear();
    }

    SocketResult<std::unique_ptr<platform::SocketConnection>> Accept(platform::SocketEventHandler onEvent) override {
        sockets_.Record("accept");
        if (const SocketError error = sockets_.TakeFailure("accept")) return {nullptr, {error, "accept"}};
        if (state_.waiting.empty()) return {};
        FakeSocketPeer& peer = *state_.waiting.front();
        state_.waiting.pop_front();
        peer.handler_ = std::make_shared<platform::SocketEventHandler>(std::move(onEvent));
        return {std::make_unique<FakeSocketConnection>(sockets_, peer), {}};
    }

private:
    FakeSockets& sockets_;
    FakeListenState& state_;
};

SocketResult<std::unique_ptr<platform::SocketListener>> FakeSockets::Listen(std::uint16_t port,
                                                                           platform::SocketEventHandler onAccept) {
    for (const char* api : {"socket", "bind", "listen", "WSAAsyncSelect"}) {
        Record(api == std::string("listen") ? "listen " + std::to_string(port) : api);
        SocketError error = TakeFailure(api);
        if (!error && api == std::string("bind") && Listening(port)) error = platform::socket_error::AddressInUse;
        if (error) {
            if (api != std::string("socket")) Record("closesocket");
            return {nullptr, {error, api}};
        }
    }
    auto state = std::make_unique<FakeListenState>();
    state->port = port;
    state->handler = std::make_shared<platform::SocketEventHandler>(std::move(onAccept));
    listeners_.push_back(std::move(state));
    return {std::make_unique<FakeSocketListener>(*this, *listeners_.back()), {}};
}

bool FakeSockets::Listening(std::uint16_t port) const {
    return std::any_of(listeners_.begin(), listeners_.end(),
                       [port](const auto& state) { return state->port == port && state->handler; });
}

FakeSocketPeer& FakeSockets::ConnectClient(std::uint16_t port) {
    auto it = std::find_if(listeners_.begin(), listeners_.end(),
                           [port](const auto& state) { return state->port == port && state->handler; });
    if (it == listeners_.end()) throw std::logic_error("Nothing listens on port " + std::to_string(port));
    auto peer = std::make_unique<FakeSocketPeer>();
    peer->sockets_ = this;
    peer->host_ = "127.0.0.1";
    peer->address_ = "127.0.0.1";
    peer->port_ = port;
    peer->settled_ = true;
    peer->accepted_ = true;
    peers_.push_back(std::move(peer));
    FakeListenState& state = **it;
    state.waiting.push_back(peers_.back().get());
    const auto handler = state.handler;
    (*handler)(SocketEvent::Accept, 0);
    return *peers_.back();
}

// ---- the service ----

void FakeSockets::AddHost(const std::string& name, const std::string& address) { hosts_[UpperCase(name)] = address; }

void FakeSockets::FailNext(const std::string& api, SocketError error) { failures_[api] = error; }

SocketError FakeSockets::TakeFailure(const std::string& api) {
    auto it = failures_.find(api);
    if (it == failures_.end()) return 0;
    const SocketError error = it->second;
    failures_.erase(it);
    return error;
}

FakeSocketPeer& FakeSockets::LastAttempt() {
    if (peers_.empty()) throw std::out_of_range("No connection was attempted");
    return *peers_.back();
}

SocketResult<std::unique_ptr<platform::SocketConnection>> FakeSockets::Connect(const std::string& host,
                                                                               std::uint16_t port,
                                                                               platform::SocketEventHandler onEvent) {
    auto failed = [](SocketError error, const char* api) {
        return SocketResult<std::unique_ptr<platform::SocketConnection>>{nullptr, SocketFailure{error, api}};
    };
    auto peer = std::make_unique<FakeSocketPeer>();
    peer->sockets_ = this;
    peer->host_ = host;
    peer->port_ = port;
    if (IsDottedAddress(host)) {
        peer->address_ = host;
        if (const SocketFailure failure = StartConnecting(*peer)) return {nullptr, failure};
    } else {
        Record("WSAAsyncGetHostByName " + host);
        if (const SocketError error = TakeFailure("WSAAsyncGetHostByName")) return failed(error, "WSAAsyncGetHostByName");
        peer->lookingUp_ = true;
    }
    peer->handler_ = std::make_shared<platform::SocketEventHandler>(std::move(onEvent));
    peers_.push_back(std::move(peer));
    return {std::make_unique<FakeSocketConnection>(*this, *peers_.back()), {}};
}

SocketFailure FakeSockets::StartConnecting(const FakeSocketPeer& peer) {
    Record("socket");
    if (const SocketError error = TakeFailure("socket")) return {error, "socket"};
    for (const char* api : {"WSAAsyncSelect", "connect"}) {
        Record(api == std::string("connect") ? "connect " + peer.address_ + ":" + std::to_string(peer.port_) : api);
        if (const SocketError error = TakeFailure(api)) {
            // Made at once, the socket goes at once; after a lookup, with its connection.
            if (peer.handler_ == nullptr) Record("closesocket");
            return {error, api};
        }
    }
    return {};
}

std::string FakeSockets::ErrorText(SocketError error) const {
    // The texts Windows gives for the errors the tests use.
    switch (error) {
    case 10035: return "A non-blocking socket operation could not be completed immediately";
    case platform::socket_error::ConnectionAborted:
        return "An established connection was aborted by the software in your host machine";
    case platform::socket_error::ConnectionReset: return "An existing connection was forcibly closed by the remote host";
    case platform::socket_error::NotConnected:
        return "A request to send or receive data was disallowed because the socket is not connected and (when "
               "sending on a datagram socket using a sendto call) no address was supplied";
    case platform::socket_error::TimedOut:
        return "A connection attempt failed because the connected party did not properly respond after a period of "
               "time, or established connection failed because connected host has failed to respond";
    case platform::socket_error::ConnectionRefused:
        return "No connection could be made because the target machine actively refused it";
    case platform::socket_error::HostNotFound: return "No such host is known";
    default: return "Unknown error";
    }
}

} // namespace orvane::fakes
