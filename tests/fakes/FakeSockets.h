#pragma once
// Sockets in memory. Every Connect is an attempt that the test sees (host and
// port) and settles: it accepts it or refuses it with an error number. A
// host given by name is looked up in the background: the lookup ends when
// the test says so, or when it settles the attempt. Then
// the test plays the peer: it sends text, takes what the program sent, and
// closes or fails the connection. Events are delivered at once, on the test's
// thread, as the user-interface thread would get them; an exception raised by
// a handler reaches the test that caused the event.
#include "platform/Sockets.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::fakes {

class FakeSockets;

// The far end of one attempt.
class FakeSocketPeer {
public:
    const std::string& Host() const { return host_; }
    // The address the host was looked up as ("127.0.0.1" for "localhost");
    // empty while it is looked up.
    const std::string& Address() const { return address_; }
    bool LookingUp() const { return lookingUp_; }
    std::uint16_t Port() const { return port_; }
    // The program still holds its socket.
    bool Open() const { return handler_ != nullptr; }
    // Accepted, and neither closed by either side nor failed.
    bool Connected() const { return accepted_ && !closed_ && !failed_ && Open(); }
    bool Settled() const { return settled_; }

    // Ends the lookup: a known host is connected to (socket, WSAAsyncSelect,
    // connect; a call made to fail arrives as Connect with its error), an
    // unknown one arrives as Lookup with WSAHOST_NOT_FOUND. Nothing when the
    // host was not looked up or the lookup has ended.
    void FinishLookup();
    // Completes the connection: Connect, then Write.
    void Accept();
    // Connect with this error; the program's socket stays useless.
    void Refuse(platform::SocketError error = platform::socket_error::ConnectionRefused);
    // Bytes for the program: queued, then Read. Bytes for a socket the
    // program has closed go nowhere.
    void Send(std::string_view bytes);
    // A graceful close: Close with no error, at once. (Winsock holds it back
    // until what was sent before has been read; the program must cope with
    // both.) What was sent before stays readable. A second close does nothing.
    void Close();
    // Any event with an error, as the network reports it. Lookup ends the
    // lookup with it.
    void Fail(platform::SocketEvent event, platform::SocketError error);

    // What the program sent and the peer has not taken yet.
    const std::string& Received() const { return received_; }
    // Takes it. When a send found no room at all, Write follows.
    std::string TakeReceived();
    // The most bytes the peer holds untaken before sends are cut short;
    // unlimited unless set.
    void SetWindow(std::size_t bytes) { window_ = bytes; }
    std::size_t Unread() const { return input_.size(); }

private:
    friend class FakeSockets;
    friend class FakeSocketConnection;
    friend class FakeSocketListener;

    void Deliver(platform::SocketEvent event, platform::SocketError error);

    FakeSockets* sockets_ = nullptr;
    std::string host_;
    std::string address_;
    std::uint16_t port_ = 0;
    // Shared with the event being delivered: a handler may close the socket.
    std::shared_ptr<platform::SocketEventHandler> handler_;
    bool lookingUp_ = false;
    bool settled_ = false;
    bool accepted_ = false;
    bool closed_ = false;
    bool failed_ = false;
    bool sendBlocked_ = false;
    std::size_t window_ = SIZE_MAX;
    std::string input_;    // from the peer to the program
    std::string received_; // from the program to the peer
};

// A listening socket the program made; the test connects clients to it.
struct FakeListenState {
    std::uint16_t port = 0;
    std::shared_ptr<platform::SocketEventHandler> handler; // null once closed
    std::deque<FakeSocketPeer*> waiting;                    // connected, not accepted yet
};

class FakeSockets : public platform::Sockets {
public:
    // "localhost" and dotted addresses are always found; other names only
    // when added here. The lookup of others fails with WSAHOST_NOT_FOUND.
    void AddHost(const std::string& name, const std::string& address);
    // The next call of that name ("WSAAsyncGetHostByName", "socket",
    // "WSAAsyncSelect", "connect", "ioctlsocket", "recv", "send") fails at
    // once with error.
    void FailNext(const std::string& api, platform::SocketError error);

    // Every attempt, in order, including those the program has closed.
    std::size_t AttemptCount() const { return peers_.size(); }
    FakeSocketPeer& Attempt(std::size_t index) { return *peers_.at(index); }
    // The latest; throws std::out_of_range when there was none.
    FakeSocketPeer& LastAttempt();

    // Every call, in order: "WSAAsyncGetHostByName mediapc", "socket",
    // "WSAAsyncSelect", "connect 127.0.0.1:1024", "ioctlsocket", "recv 2",
    // "send 2", "closesocket".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    platform::SocketResult<std::unique_ptr<platform::SocketConnection>> Connect(
        const std::string& host, std::uint16_t port, platform::SocketEventHandler onEvent) override;
    platform::SocketResult<std::unique_ptr<platform::SocketListener>> Listen(
        std::uint16_t port, platform::SocketEventHandler onAccept) override;

    // The program listens on port.
    bool Listening(std::uint16_t port) const;
    // A client connects to the program's listener on port: the listener gets
    // Accept, and the peer is connected once the program accepts it. Throws
    // std::logic_error when nothing listens there.
    FakeSocketPeer& ConnectClient(std::uint16_t port);
    std::string ErrorText(platform::SocketError error) const override;

private:
    friend class FakeSocketConnection;
    friend class FakeSocketListener;
    friend class FakeSocketPeer;
    void Record(std::string call) { calls_.push_back(std::move(call)); }
    platform::SocketError TakeFailure(const std::string& api);
    // socket, WSAAsyncSelect, connect: the first that fails.
    platform::SocketFailure StartConnecting(const FakeSocketPeer& peer);

    std::map<std::string, std::string> hosts_;
    std::map<std::string, platform::SocketError> failures_;
    std::vector<std::unique_ptr<FakeSocketPeer>> peers_;
    std::vector<std::unique_ptr<FakeListenState>> listeners_;
    std::vector<std::string> calls_;
};

} // namespace orvane::fakes
