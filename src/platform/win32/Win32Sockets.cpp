#include "platform/win32/Win32Sockets.h"

// winsock2.h before windows.h, or windows.h brings the old winsock.h.
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <stdexcept>
#include <utility>

namespace orvane::platform::win32 {
namespace {

const char kSocketWindowClass[] = "OrvaneSocketWindow";
// Each connection's events come as a message of its own in this range.
constexpr UINT kFirstMessage = WM_APP + 0x100;
constexpr UINT kLastMessage = 0xBFFF;
constexpr long kEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;

// The error of the Winsock call that just failed; one that sets none must not
// make the failure read as success.
SocketError LastSocketError() {
    const int error = WSAGetLastError();
    return error != 0 ? error : WSASYSCALLFAILURE;
}

struct Entry {
    SOCKET socket = INVALID_SOCKET; // none until the host is found
    SocketEventHandler onEvent;
    // While the host is looked up: the request and the buffer it fills.
    HANDLE lookup = nullptr;
    std::unique_ptr<char[]> lookupBuffer;
    std::uint16_t port = 0;
};

} // namespace

struct Win32Sockets::State {
    ~State() {
        // A lookup may still write into its buffer; it is left to the process's end.
        for (auto& orphan : orphans) static_cast<void>(orphan.second.release());
        if (started) WSACleanup();
    }

    bool started = false;
    SocketError startupError = 0;
    HWND window = nullptr;
    DWORD windowError = 0;
    UINT nextMessage = kFirstMessage;
    std::map<UINT, std::shared_ptr<Entry>> entries;
    // Buffers of lookups whose connection closed before they ended: the
    // system may still write into them until its message comes.
    std::map<std::pair<UINT, HANDLE>, std::unique_ptr<char[]>> orphans;
    SocketErrorSink sink;

    // A message number no open connection uses.
    UINT TakeMessage() {
        while (entries.count(nextMessage)) Advance();
        const UINT message = nextMessage;
        Advance();
        return message;
    }

    void Report(const std::exception& error) noexcept {
        try {
            if (sink)
                sink(error);
            else
                OutputDebugStringA(error.what());
        } catch (...) {
            // The sink is the last stop before the system's frames; nothing may pass.
        }
    }

private:
    void Advance() { nextMessage = nextMessage == kLastMessage ? kFirstMessage : nextMessage + 1; }
};

namespace {

// Makes the socket, selects its events and starts connecting; the failure of
// the first call that fails. From the socket on, the connection closes it.
SocketFailure StartConnecting(Win32Sockets::State& state, UINT message, Entry& entry, const in_addr& host) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(entry.port);
    address.sin_addr = host;
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) return {LastSocketError(), "socket"};
    entry.socket = socket;
    if (WSAAsyncSelect(socket, state.window, message, kEvents) == SOCKET_ERROR)
        return {LastSocketError(), "WSAAsyncSelect"};
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == SOCKET_ERROR) {
        const SocketError error = LastSocketError();
        if (error != WSAEWOULDBLOCK) return {error, "connect"};
    }
    return {};
}

// The lookup has ended: connect to what it found, or report why not.
void LookupDone(Win32Sockets::State& state, UINT message, Entry& entry, LPARAM lParam) {
    entry.lookup = nullptr;
    const std::unique_ptr<char[]> buffer = std::move(entry.lookupBuffer);
    if (const SocketError error = WSAGETASYNCERROR(lParam)) return entry.onEvent(SocketEvent::Lookup, error);
    const auto* found = reinterpret_cast<const hostent*>(buffer.get());
    if (found->h_addrtype != AF_INET || found->h_length != sizeof(in_addr) || !found->h_addr_list ||
        !found->h_addr_list[0])
        return entry.onEvent(SocketEvent::Lookup, WSANO_DATA);
    in_addr host{};
    std::memcpy(&host, found->h_addr_list[0], sizeof(host));
    if (const SocketFailure failure = StartConnecting(state, message, entry, host))
        entry.onEvent(SocketEvent::Connect, failure.error);
}

LRESULT CALLBACK SocketWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < kFirstMessage || message > kLastMessage) return DefWindowProcA(window, message, wParam, lParam);
    auto* state = reinterpret_cast<Win32Sockets::State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!state) return 0;
    // The end of a lookup nobody waits for any more: its buffer can go.
    if (state->orphans.erase({message, reinterpret_cast<HANDLE>(wParam)})) return 0;
    auto it = state->entries.find(message);
    if (it == state->entries.end()) return 0;
    // Held for the whole call: the handler may close its own connection.
    const std::shared_ptr<Entry> entry = it->second;
    const bool lookupDone = entry->lookup && wParam == reinterpret_cast<WPARAM>(entry->lookup);
    // Left over from a socket closed since it was posted.
    if (!lookupDone && entry->socket != static_cast<SOCKET>(wParam)) return 0;
    try {
        if (!entry->onEvent) return 0;
        if (lookupDone)
            LookupDone(*state, message, *entry, lParam);
        else
            entry->onEvent(static_cast<SocketEvent>(WSAGETSELECTEVENT(lParam)),
                           static_cast<SocketError>(WSAGETSELECTERROR(lParam)));
    } catch (const std::exception& error) {
        state->Report(error);
    } catch (...) {
        state->Report(std::runtime_error("A socket handler raised an unknown exception"));
    }
    return 0;
}

class Win32Connection : public SocketConnection {
public:
    Win32Connection(std::shared_ptr<Win32Sockets::State> state, UINT message, std::shared_ptr<Entry> entry)
        : state_(std::move(state)), message_(message), entry_(std::move(entry)) {}
    Win32Connection(const Win32Connection&) = delete;
    Win32Connection& operator=(const Win32Connection&) = delete;

    ~Win32Connection() override {
        state_->entries.erase(message_);
        if (entry_->lookup) {
            WSACancelAsyncRequest(entry_->lookup);
            state_->orphans[{message_, entry_->lookup}] = std::move(entry_->lookupBuffer);
        }
        if (entry_->socket != INVALID_SOCKET) closesocket(entry_->socket);
    }

    SocketResult<std::uint32_t> Pending() override {
        u_long waiting = 0;
        if (ioctlsocket(entry_->socket, FIONREAD, &waiting) == SOCKET_ERROR) return {0, {LastSocketError(), "ioctlsocket"}};
        return {static_cast<std::uint32_t>(waiting), {}};
    }

    SocketResult<std::string> Receive(std::uint32_t count) override {
        std::string bytes(std::min<std::uint32_t>(count, INT_MAX), '\0');
        if (bytes.empty()) return {};
        const int received = recv(entry_->socket, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (received == SOCKET_ERROR) {
            const SocketError error = LastSocketError();
            if (error == WSAEWOULDBLOCK) return {};
            return {{}, {error, "recv"}};
        }
        bytes.resize(static_cast<std::size_t>(received));
        return {std::move(bytes), {}};
    }

    SocketResult<std::size_t> Send(std::string_view bytes) override {
        if (bytes.empty()) return {};
        const int size = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
        const int sent = send(entry_->socket, bytes.data(), size, 0);
        if (sent == SOCKET_ERROR) {
            const SocketError error = LastSocketError();
            if (error == WSAEWOULDBLOCK) return {};
            return {0, {error, "send"}};
        }
        return {static_cast<std::size_t>(sent), {}};
    }

private:
    std::shared_ptr<Win32Sockets::State> state_;
    UINT message_;
    std::shared_ptr<Entry> entry_;
};

SocketResult<std::unique_ptr<SocketConnection>> Failed(SocketError error, const char* api) {
    return {nullptr, {error, api}};
}

class Win32Listener : public SocketListener {
public:
    Win32Listener(std::shared_ptr<Win32Sockets::State> state, UINT message, std::shared_ptr<Entry> entry)
        : state_(std::move(state)), message_(message), entry_(std::move(entry)) {}
    Win32Listener(const Win32Listener&) = delete;
    Win32Listener& operator=(const Win32Listener&) = delete;

    ~Win32Listener() override {
        state_->entries.erase(message_);
        if (entry_->socket != INVALID_SOCKET) closesocket(entry_->socket);
    }

    SocketResult<std::unique_ptr<SocketConnection>> Accept(SocketEventHandler onEvent) override {
        const SOCKET socket = accept(entry_->socket, nullptr, nullptr);
        if (socket == INVALID_SOCKET) {
            const SocketError error = LastSocketError();
            if (error == WSAEWOULDBLOCK) return {};
            return Failed(error, "accept");
        }
        // Events are small and wanted at once: no waiting to fill a segment.
        const BOOL noDelay = TRUE;
        setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof(noDelay));
        // The accepted socket inherits the listener's selection; it gets a
        // message of its own before anything of it can be handled.
        const UINT message = state_->TakeMessage();
        auto entry = std::make_shared<Entry>();
        entry->onEvent = std::move(onEvent);
        entry->socket = socket;
        state_->entries[message] = entry;
        auto connection = std::make_unique<Win32Connection>(state_, message, entry);
        if (WSAAsyncSelect(socket, state_->window, message, FD_READ | FD_WRITE | FD_CLOSE) == SOCKET_ERROR)
            return Failed(LastSocketError(), "WSAAsyncSelect");
        return {std::move(connection), {}};
    }

private:
    std::shared_ptr<Win32Sockets::State> state_;
    UINT message_;
    std::shared_ptr<Entry> entry_;
};

} // namespace

Win32Sockets::Win32Sockets() : state_(std::make_shared<State>()) {
    WSADATA data{};
    state_->startupError = WSAStartup(MAKEWORD(2, 2), &data);
    state_->started = state_->startupError == 0;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SocketWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kSocketWindowClass;
    RegisterClassA(&windowClass); // already registered by an earlier instance is fine
    state_->window = CreateWindowExA(0, kSocketWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    if (state_->window)
        SetWindowLongPtrA(state_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_.get()));
    else
        state_->windowError = GetLastError();
}

Win32Sockets::~Win32Sockets() {
    if (!state_->window) return;
    SetWindowLongPtrA(state_->window, GWLP_USERDATA, 0);
    DestroyWindow(state_->window);
    state_->window = nullptr;
}

void Win32Sockets::SetErrorSink(SocketErrorSink sink) { state_->sink = std::move(sink); }

SocketResult<std::unique_ptr<SocketConnection>> Win32Sockets::Connect(const std::string& host, std::uint16_t port,
                                                                      SocketEventHandler onEvent) {
    if (!state_->started) return Failed(state_->startupError, "WSAStartup");
    if (!state_->window) return Failed(static_cast<SocketError>(state_->windowError), "CreateWindowEx");

    const UINT message = state_->TakeMessage();
    auto entry = std::make_shared<Entry>();
    entry->onEvent = std::move(onEvent);
    entry->port = port;
    state_->entries[message] = entry;
    // From here the connection closes the socket and forgets its entry.
    auto connection = std::make_unique<Win32Connection>(state_, message, entry);

    in_addr address{};
    address.s_addr = inet_addr(host.c_str());
    if (address.s_addr != INADDR_NONE) {
        if (const SocketFailure failure = StartConnecting(*state_, message, *entry, address)) return {nullptr, failure};
        return {std::move(connection), {}};
    }
    // A name: looked up without holding up the user-interface thread.
    entry->lookupBuffer = std::make_unique<char[]>(MAXGETHOSTSTRUCT);
    entry->lookup = WSAAsyncGetHostByName(state_->window, message, host.c_str(), entry->lookupBuffer.get(),
                                          MAXGETHOSTSTRUCT);
    if (!entry->lookup) return Failed(LastSocketError(), "WSAAsyncGetHostByName");
    return {std::move(connection), {}};
}

SocketResult<std::unique_ptr<SocketListener>> Win32Sockets::Listen(std::uint16_t port, SocketEventHandler onAccept) {
    auto failed = [](SocketError error, const char* api) {
        return SocketResult<std::unique_ptr<SocketListener>>{nullptr, {error, api}};
    };
    if (!state_->started) return failed(state_->startupError, "WSAStartup");
    if (!state_->window) return failed(static_cast<SocketError>(state_->windowError), "CreateWindowEx");

    const UINT message = state_->TakeMessage();
    auto entry = std::make_shared<Entry>();
    entry->onEvent = std::move(onAccept);
    entry->port = port;
    state_->entries[message] = entry;
    // From here the listener closes the socket and forgets its entry.
    auto listener = std::make_unique<Win32Listener>(state_, message, entry);
    entry->socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (entry->socket == INVALID_SOCKET) return failed(LastSocketError(), "socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(entry->socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == SOCKET_ERROR)
        return failed(LastSocketError(), "bind");
    if (listen(entry->socket, SOMAXCONN) == SOCKET_ERROR) return failed(LastSocketError(), "listen");
    if (WSAAsyncSelect(entry->socket, state_->window, message, FD_ACCEPT) == SOCKET_ERROR)
        return failed(LastSocketError(), "WSAAsyncSelect");
    return {std::move(listener), {}};
}

std::string Win32Sockets::ErrorText(SocketError error) const {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(error), 0, text, sizeof(text), nullptr);
    std::string message(text, length);
    while (!message.empty() && std::strchr(" \t\r\n.", message.back())) message.pop_back();
    return message.empty() ? "Unknown error" : message;
}

} // namespace orvane::platform::win32
