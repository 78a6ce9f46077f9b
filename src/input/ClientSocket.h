#pragma once
// TClientSocket: the TCP/IP client origin's non-blocking connection to a
// server. Activating it starts looking the host up and connecting; what
// follows (host not found, connected, text waiting, closed by the server, a
// failure) arrives later as events, each run through the application's
// dispatch point, so a handler's failure, or a connection failure no OnError
// handler dealt with, is shown by the application's error handler.
#include "platform/Sockets.h"
#include "ui/Component.h"
#include "ui/Events.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace orvane::ui {
class Application;
}

namespace orvane::input {

// What the socket was doing when the network reported a failure.
enum class TErrorEvent { eeGeneral, eeSend, eeReceive, eeConnect, eeDisconnect, eeAccept, eeLookup };

// errorCode starts as the system's error number. A handler that sets it to 0
// has dealt with the failure; otherwise the socket raises
// "Asynchronous socket error %d" after the handler.
using TSocketErrorEvent = std::function<void(ui::Component* sender, TErrorEvent errorEvent, int& errorCode)>;

class TClientSocket : public ui::Component {
public:
    // The most bytes held for a server that takes none: text that would pass
    // it while others wait is dropped, so that a server sending without
    // reading cannot fill the memory.
    static constexpr std::size_t QueueLimit = 64 * 1024;

    TClientSocket(platform::Sockets& sockets, ui::Application& app);
    // Closes the connection without firing events: the owner may be half destroyed.
    ~TClientSocket() override;

    // Host and Port cannot change while the socket is active: a new value
    // raises "Can't change value while socket is active" and is not taken.
    const std::string& Host() const { return host_; }
    void SetHost(std::string host);
    int Port() const { return port_; }
    // Raises ERangeError outside 0 to 65535.
    void SetPort(int port);

    bool Active() const { return active_; }
    // On: starts looking Host up and connecting to Port, without waiting; a
    // call that fails at once raises "Windows socket error: %s (%d), on API
    // '%s'" and leaves the socket inactive, a host not found arrives later
    // as an error (eeLookup). Off: closes the connection, with OnDisconnect when it
    // was connected.
    void SetActive(bool active);
    // The server has accepted the connection and not closed it.
    bool Connected() const { return connected_; }

    // All text received and not taken yet; empty when there is none.
    std::string ReceiveText();
    // Sends text. What the system cannot take at once follows, in order, as
    // soon as it can (up to QueueLimit). Raises when the socket is not connected.
    void SendText(const std::string& text);

    ui::NotifyEvent OnConnect;
    // Text is waiting; ReceiveText takes it.
    ui::NotifyEvent OnRead;
    ui::NotifyEvent OnDisconnect;
    TSocketErrorEvent OnError;

private:
    void HandleEvent(unsigned generation, platform::SocketEvent event, platform::SocketError error);
    // Closes the socket; OnDisconnect when it was connected.
    void Disconnect(bool notify);
    // Sends what is queued until it is gone or the system takes no more.
    void Flush();
    // The connection is closed first, so that the handler may activate the socket again.
    void AsynchronousError(TErrorEvent errorEvent, platform::SocketError error);
    [[noreturn]] void RaiseFailure(const platform::SocketFailure& failure) const;
    void CheckInactive() const;

    platform::Sockets& sockets_;
    ui::Application& app_;
    std::string host_;
    int port_ = 0;
    bool active_ = false;
    bool connected_ = false;
    std::unique_ptr<platform::SocketConnection> connection_;
    // Counts connections, so that an event of a closed one is not taken for
    // the current one's.
    unsigned generation_ = 0;
    std::string unsent_;
};

} // namespace orvane::input
