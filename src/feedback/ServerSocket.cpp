#include "feedback/ServerSocket.h"

#include "core/Exception.h"
#include "ui/Application.h"

#include <algorithm>
#include <utility>

namespace orvane::feedback {

using platform::SocketError;
using platform::SocketEvent;

namespace {
// What one Read event takes from a client at most; the rest waits for the next.
constexpr std::uint32_t kReadChunk = 4096;
} // namespace

TServerSocket::TServerSocket(platform::Sockets& sockets, ui::Application& app)
    : Component(nullptr, "ServerSocket"), sockets_(sockets), app_(app) {}

TServerSocket::~TServerSocket() {
    clients_.clear();
    listener_.reset();
}

void TServerSocket::SetPort(int port) {
    if (port < 0 || port > 65535) throw ERangeError();
    port_ = port;
}

void TServerSocket::SetActive(bool active) {
    if (active == Active()) return;
    ++generation_;
    if (active) {
        const unsigned generation = generation_;
        auto opened = sockets_.Listen(static_cast<std::uint16_t>(port_), [this, generation](SocketEvent, SocketError) {
            app_.Dispatch([&] { AcceptClients(generation); });
        });
        if (opened.failure) RaiseFailure(opened.failure);
        listener_ = std::move(opened.value);
        return;
    }
    listener_.reset();
    while (!clients_.empty()) Remove(clients_.front()->id, true);
}

void TServerSocket::AcceptClients(unsigned generation) {
    // Several clients may be waiting behind one event; an error on the
    // listener itself only means that one attempt went away.
    while (generation == generation_ && listener_) {
        const unsigned id = ++nextId_;
        auto accepted = listener_->Accept([this, id](SocketEvent event, SocketError error) {
            app_.Dispatch([&] { HandleClient(id, event, error); });
        });
        if (accepted.failure || !accepted.value) return;
        if (clients_.size() >= ClientLimit) continue; // closed as it goes out of scope
        auto client = std::make_unique<Client>();
        client->id = id;
        client->connection = std::move(accepted.value);
        clients_.push_back(std::move(client));
        if (OnClientConnect) OnClientConnect(this);
    }
}

TServerSocket::Client* TServerSocket::Find(unsigned id) {
    auto it = std::find_if(clients_.begin(), clients_.end(), [id](const auto& c) { return c->id == id; });
    return it == clients_.end() ? nullptr : it->get();
}

void TServerSocket::HandleClient(unsigned id, SocketEvent event, SocketError error) {
    Client* client = Find(id);
    if (!client) return;
    // A client whose connection failed is gone like one that closed it.
    if (error != 0 || event == SocketEvent::Close) return Remove(id, true);
    switch (event) {
    case SocketEvent::Read: {
        const auto pending = client->connection->Pending();
        if (pending.failure) return Remove(id, true);
        if (pending.value == 0) return;
        const auto received = client->connection->Receive(std::min(pending.value, kReadChunk));
        if (received.failure) return Remove(id, true);
        if (OnClientRead) OnClientRead(this);
        break;
    }
    case SocketEvent::Write:
        if (!Flush(*client)) Remove(id, true);
        break;
    default:
        break;
    }
}

bool TServerSocket::Flush(Client& client) {
    // Until the system takes nothing: only then does it promise a Write event.
    while (!client.queued.empty()) {
        const auto sent = client.connection->Send(client.queued);
        if (sent.failure) return false;
        if (sent.value == 0) return true;
        client.queued.erase(0, sent.value);
    }
    return true;
}

void TServerSocket::SendToAll(std::string_view bytes) {
    if (bytes.empty()) return;
    std::vector<unsigned> failed;
    std::vector<unsigned> overflowed;
    for (const auto& client : clients_) {
        // Behind what still waits, or the client would get it out of order.
        const bool waiting = !client->queued.empty();
        if (client->queued.size() + bytes.size() > QueueLimit) {
            overflowed.push_back(client->id);
            continue;
        }
        client->queued.append(bytes);
        if (!waiting && !Flush(*client)) failed.push_back(client->id);
    }
    // A client that cannot keep up is let go quietly: the others go on.
    for (unsigned id : overflowed) Remove(id, false);
    for (unsigned id : failed) Remove(id, true);
}

void TServerSocket::Remove(unsigned id, bool notify) {
    auto it = std::find_if(clients_.begin(), clients_.end(), [id](const auto& c) { return c->id == id; });
    if (it == clients_.end()) return;
    clients_.erase(it);
    if (notify && OnClientDisconnect) OnClientDisconnect(this);
}

void TServerSocket::RaiseFailure(const platform::SocketFailure& failure) const {
    throw ESocketError("Windows socket error: " + sockets_.ErrorText(failure.error) + " (" +
                       std::to_string(failure.error) + "), on API '" + failure.api + "'");
}

} // namespace orvane::feedback
