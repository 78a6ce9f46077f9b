// The event server over real Winsock with real clients on 127.0.0.1: a
// client that never reads fills its window, the server queues for it within
// the bound and then lets it go, and the other client gets every byte. Also
// a port in use, and the link information on the real clipboard.
// The system's headers first: they undo the macros that would rename the
// model's methods.
#include "ui/win32/SystemHeaders.h"

#include "contract/Subjects.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "feedback/ServerSocket.h"
#include "platform/win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <winsock2.h>

namespace orvane::feedback {
namespace {

SOCKET ConnectTo(std::uint16_t port, int receiveBuffer) {
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (receiveBuffer)
        setsockopt(client, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBuffer), sizeof(receiveBuffer));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    u_long nonBlocking = 1;
    ioctlsocket(client, FIONBIO, &nonBlocking);
    return client;
}

// What waits on a non-blocking client socket.
std::string Drain(SOCKET client) {
    std::string all;
    char buffer[8192];
    for (int got; (got = recv(client, buffer, sizeof(buffer), 0)) > 0;) all.append(buffer, static_cast<std::size_t>(got));
    return all;
}

TEST(Win32EventServer, AClientThatNeverReadsIsQueuedThenDroppedWhileTheOtherGetsEverything) {
    auto subject = contract::MakeSocketSubject();
    fakes::FakeUi ui;
    TServerSocket server(subject->Sockets(), ui.app);
    int connects = 0, disconnects = 0;
    server.OnClientConnect = [&](ui::Component*) { ++connects; };
    server.OnClientDisconnect = [&](ui::Component*) { ++disconnects; };
    const std::uint16_t port = subject->ClosedPort();
    server.SetPort(port);
    server.SetActive(true);

    TServerSocket rival(subject->Sockets(), ui.app);
    rival.SetPort(port);
    EXPECT_THROW(rival.SetActive(true), ESocketError);

    const SOCKET slow = ConnectTo(port, 2048);
    ASSERT_TRUE(subject->RunUntil([&] { return connects == 1; }));
    const SOCKET fast = ConnectTo(port, 0);
    ASSERT_TRUE(subject->RunUntil([&] { return connects == 2; }));

    const std::string text(1000, 'e');
    std::string received;
    std::size_t sent = 0;
    bool queued = false;
    while (server.ClientCount() == 2 && sent < 64 * 1024 * 1024) {
        server.SendToAll(text);
        sent += text.size();
        queued = queued || server.Queued(0) > 0;
        ASSERT_LE(server.Queued(0), TServerSocket::QueueLimit);
        subject->RunUntil([] { return false; }, 0);
        received += Drain(fast);
    }
    EXPECT_TRUE(queued);
    EXPECT_EQ(server.ClientCount(), 1u);
    EXPECT_EQ(disconnects, 0);
    ASSERT_TRUE(subject->RunUntil([&] {
        received += Drain(fast);
        return received.size() >= sent;
    }));
    EXPECT_EQ(received, std::string(sent, 'e'));

    // The fast client leaves: that is a disconnect.
    closesocket(fast);
    EXPECT_TRUE(subject->RunUntil([&] { return disconnects == 1; }));
    closesocket(slow);
}

TEST(Win32EventServer, TheLinkFormatsReachTheClipboard) {
    platform::win32::Win32Clipboard clipboard;
    const std::uint32_t link = clipboard.RegisterFormat("Link");
    ASSERT_NE(link, 0u);
    EXPECT_EQ(clipboard.RegisterFormat("Link"), link);
    const std::string linkBytes("orvane\0RemoteControlData\0OrvaneDDEServer\0", 41);
    ASSERT_TRUE(clipboard.Put({{platform::kClipboardText, std::string("TV, Power\0", 10)}, {link, linkBytes}}));
    const auto text = clipboard.Read(platform::kClipboardText);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, text->find('\0')), "TV, Power");
    const auto read = clipboard.Read(link);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->substr(0, linkBytes.size()), linkBytes);
}

} // namespace
} // namespace orvane::feedback
