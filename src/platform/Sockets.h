#pragma once
// TCP sockets the way Winsock's asynchronous mode makes them: the host looked
// up in the background with WSAAsyncGetHostByName, a socket made non-blocking
// by WSAAsyncSelect, a connect() that stays pending, and the socket's events (FD_CONNECT, FD_READ,
// FD_WRITE, FD_CLOSE), each with its error, delivered on the user-interface
// thread. A call that fails at once gives the system's error number and its
// own name. Numbers and event bits have Winsock's values.
//
// A listening socket (Listen) announces each waiting client with an Accept
// event; Accept then gives a SocketConnection like the ones Connect makes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvane::platform {

// WSAGetLastError's number; 0 is success.
using SocketError = std::int32_t;

namespace socket_error {
inline constexpr SocketError ConnectionAborted = 10053; // WSAECONNABORTED
inline constexpr SocketError ConnectionReset = 10054;   // WSAECONNRESET
inline constexpr SocketError NotConnected = 10057;      // WSAENOTCONN
inline constexpr SocketError TimedOut = 10060;          // WSAETIMEDOUT
inline constexpr SocketError ConnectionRefused = 10061; // WSAECONNREFUSED
inline constexpr SocketError AddressInUse = 10048;      // WSAEADDRINUSE
inline constexpr SocketError HostNotFound = 11001;      // WSAHOST_NOT_FOUND
} // namespace socket_error

// FD_READ, FD_WRITE, FD_ACCEPT, FD_CONNECT, FD_CLOSE. Each arrives on its own.
// Lookup is no Winsock bit: the host lookup failed, and nothing follows.
enum class SocketEvent : std::uint32_t {
    Read = 0x01,
    Write = 0x02,
    Accept = 0x08,
    Connect = 0x10,
    Close = 0x20,
    Lookup = 0x10000
};

// A call that failed at once: the system's error and the call's name
// ("WSAStartup", "WSAAsyncGetHostByName", "socket", "WSAAsyncSelect",
// "connect", "ioctlsocket", "recv", "send", "bind", "listen", "accept").
struct SocketFailure {
    SocketError error = 0;
    std::string api;
    explicit operator bool() const { return error != 0; }
};

template <class T>
struct SocketResult {
    T value{};
    SocketFailure failure;
};

// One event and its error: 0, or what went wrong since the call that started
// it (an unknown host is Lookup with WSAHOST_NOT_FOUND, a refused connection
// Connect with WSAECONNREFUSED, a connection reset by the peer Close with
// WSAECONNRESET).
using SocketEventHandler = std::function<void(SocketEvent event, SocketError error)>;

// An open socket, closed (closesocket) when destroyed. From then on none of
// its events is delivered, not even one already on its way; it may be
// destroyed from inside its own handler.
class SocketConnection {
public:
    virtual ~SocketConnection() = default;

    // The bytes waiting to be received (ioctlsocket FIONREAD).
    virtual SocketResult<std::uint32_t> Pending() = 0;
    // One recv of up to count bytes. Empty when there are none: nothing
    // waiting, or the peer has closed.
    virtual SocketResult<std::string> Receive(std::uint32_t count) = 0;
    // One send: the bytes the system took, which may be fewer than given, or
    // none when it would block. Only after a send that took none does a Write
    // event follow, once there is room again.
    virtual SocketResult<std::size_t> Send(std::string_view bytes) = 0;
};

// A listening socket, closed (closesocket) when destroyed; the connections
// it gave stay open. Its handler gets Accept events.
class SocketListener {
public:
    virtual ~SocketListener() = default;

    // One accept: the connection of the next waiting client, whose events go
    // to onEvent. A null value with no failure when none is waiting.
    virtual SocketResult<std::unique_ptr<SocketConnection>> Accept(SocketEventHandler onEvent) = 0;
};

class Sockets {
public:
    virtual ~Sockets() = default;

    // Starts connecting to host (a name or a dotted address) on port and
    // returns at once: a name is looked up in the background, and a lookup
    // that fails arrives as a Lookup event. The outcome of the connection
    // arrives as a Connect event (with the error of a socket, select or
    // connect call that failed once the host was found), followed by a Write
    // event once it may send. onEvent runs on the user-interface thread.
    virtual SocketResult<std::unique_ptr<SocketConnection>> Connect(const std::string& host, std::uint16_t port,
                                                                    SocketEventHandler onEvent) = 0;
    // Listens on port of every local address, without blocking (socket,
    // bind, listen, WSAAsyncSelect). onAccept runs on the user-interface
    // thread with Accept each time clients are waiting.
    virtual SocketResult<std::unique_ptr<SocketListener>> Listen(std::uint16_t port, SocketEventHandler onAccept) = 0;
    // The system's text for an error number, without a line end or a final stop.
    virtual std::string ErrorText(SocketError error) const = 0;
};

} // namespace orvane::platform
