#pragma once
// TServerSocket: the event server. While active it listens on Port and keeps
// its clients in the order they connected; SendToAll gives each of them the
// same bytes. Nothing the clients send is kept. Events come through the
// application's dispatch point, like the client socket's.
//
// A client must never hold up the others or the user-interface thread: what
// it cannot take at once waits in a queue of its own, sent as soon as it has
// room, and a client whose queue would pass QueueLimit is dropped.
#include "platform/Sockets.h"
#include "ui/Component.h"
#include "ui/Events.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::ui {
class Application;
}

namespace orvane::feedback {

class TServerSocket : public ui::Component {
public:
    static constexpr std::size_t QueueLimit = 64 * 1024;
    // Clients past this many are accepted and closed at once.
    static constexpr std::size_t ClientLimit = 64;

    TServerSocket(platform::Sockets& sockets, ui::Application& app);
    // Closes the listener and every client without firing events.
    ~TServerSocket() override;

    int Port() const { return port_; }
    // Raises ERangeError outside 0 to 65535; takes effect at the next activation.
    void SetPort(int port);

    bool Active() const { return listener_ != nullptr; }
    // On: listens on Port; a call that fails raises "Windows socket error:
    // %s (%d), on API '%s'" and leaves the server inactive. Off: closes every
    // client, with OnClientDisconnect for each, and stops listening.
    void SetActive(bool active);

    std::size_t ClientCount() const { return clients_.size(); }
    // Bytes queued for the client at index (connection order).
    std::size_t Queued(std::size_t index) const { return clients_.at(index)->queued.size(); }

    // One send of bytes to every client, in connection order (a second one
    // for what the first did not take, so that the system promises a Write
    // event); behind a queue the bytes join it instead.
    void SendToAll(std::string_view bytes);

    // A client connected; a client closed its connection or failed.
    ui::NotifyEvent OnClientConnect;
    ui::NotifyEvent OnClientDisconnect;
    // A client sent something; it has been read and thrown away.
    ui::NotifyEvent OnClientRead;

private:
    struct Client {
        unsigned id = 0;
        std::unique_ptr<platform::SocketConnection> connection;
        std::string queued;
    };

    void AcceptClients(unsigned generation);
    void HandleClient(unsigned id, platform::SocketEvent event, platform::SocketError error);
    Client* Find(unsigned id);
    // Sends what waits until it is gone or the system takes no more; false
    // when the client failed.
    static bool Flush(Client& client);
    // Closes the client; OnClientDisconnect when notify.
    void Remove(unsigned id, bool notify);
    [[noreturn]] void RaiseFailure(const platform::SocketFailure& failure) const;

    platform::Sockets& sockets_;
    ui::Application& app_;
    int port_ = 0;
    std::unique_ptr<platform::SocketListener> listener_;
    // Counts activations, so that a late Accept of a closed listener is ignored.
    unsigned generation_ = 0;
    unsigned nextId_ = 0;
    std::vector<std::unique_ptr<Client>> clients_;
};

} // namespace orvane::feedback
