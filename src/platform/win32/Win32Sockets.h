#pragma once
// Winsock in its asynchronous mode. WSAStartup is called once and held for
// the service's life; every socket's events (and the end of its host lookup,
// WSAAsyncGetHostByName) are posted to one hidden message-only window of the
// user-interface thread, each connection under a message number of its own,
// so that a message still queued for a closed socket finds nobody.
#include "platform/Sockets.h"

#include <exception>
#include <functional>
#include <memory>

namespace orvane::platform::win32 {

using SocketErrorSink = std::function<void(const std::exception&)>;

class Win32Sockets : public Sockets {
public:
    // Must be made on the user-interface thread: its window receives the events.
    Win32Sockets();
    ~Win32Sockets() override;
    Win32Sockets(const Win32Sockets&) = delete;
    Win32Sockets& operator=(const Win32Sockets&) = delete;

    SocketResult<std::unique_ptr<SocketConnection>> Connect(const std::string& host, std::uint16_t port,
                                                            SocketEventHandler onEvent) override;
    SocketResult<std::unique_ptr<SocketListener>> Listen(std::uint16_t port, SocketEventHandler onAccept) override;
    std::string ErrorText(SocketError error) const override;

    // Receives what an event handler raised, which may not pass the window
    // procedure. Without a sink the message goes to the debugger output.
    void SetErrorSink(SocketErrorSink sink);

    // Shared by the service, its window and its connections, so that a
    // connection may outlive the service without harm.
    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace orvane::platform::win32
