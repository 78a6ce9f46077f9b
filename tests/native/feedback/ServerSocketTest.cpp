// The event server over fake sockets: its clients in connection order, the
// queue of a client that cannot keep up and its bound, disconnects, and a
// port already in use.
#include "core/Exception.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeUi.h"
#include "feedback/ServerSocket.h"

#include <gtest/gtest.h>

namespace orvane::feedback {
namespace {

class ServerSocketTest : public ::testing::Test {
protected:
    ServerSocketTest() {
        server.SetPort(4040);
        server.OnClientConnect = [this](ui::Component*) { ++connects; };
        server.OnClientDisconnect = [this](ui::Component*) { ++disconnects; };
        server.SetActive(true);
    }

    fakes::FakeSockets sockets;
    fakes::FakeUi ui;
    TServerSocket server{sockets, ui.app};
    int connects = 0;
    int disconnects = 0;
};

TEST_F(ServerSocketTest, SendsEachTextOnceToEveryClientBackToBackAndIgnoresWhatTheySend) {
    ASSERT_TRUE(sockets.Listening(4040));
    fakes::FakeSocketPeer& first = sockets.ConnectClient(4040);
    fakes::FakeSocketPeer& second = sockets.ConnectClient(4040);
    EXPECT_EQ(connects, 2);
    sockets.ClearCalls();
    server.SendToAll("TV, Power");
    server.SendToAll("TV, Mute");
    server.SendToAll("");
    // One send a client and a text, in connection order, nothing added.
    EXPECT_EQ(sockets.Calls(), (std::vector<std::string>{"send 9", "send 9", "send 8", "send 8"}));
    EXPECT_EQ(first.TakeReceived(), "TV, PowerTV, Mute");
    EXPECT_EQ(second.TakeReceived(), "TV, PowerTV, Mute");

    first.Send("hello");
    EXPECT_EQ(first.Unread(), 0u);
    EXPECT_TRUE(first.Connected());

    // A client that leaves is gone from the list; the other goes on.
    first.Close();
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(server.ClientCount(), 1u);
    server.SendToAll("x");
    EXPECT_EQ(second.TakeReceived(), "x");

    // Stopping closes every client, each with its disconnect.
    server.SetActive(false);
    EXPECT_FALSE(second.Open());
    EXPECT_EQ(disconnects, 2);
    EXPECT_FALSE(sockets.Listening(4040));
}

TEST_F(ServerSocketTest, ASlowClientIsQueuedWithinItsBoundAndDroppedPastIt) {
    fakes::FakeSocketPeer& slow = sockets.ConnectClient(4040);
    fakes::FakeSocketPeer& fast = sockets.ConnectClient(4040);
    slow.SetWindow(4);
    server.SendToAll("TV, Power");
    server.SendToAll("TV, Mute");
    EXPECT_EQ(server.Queued(0), 5u + 8u);
    EXPECT_EQ(fast.TakeReceived(), "TV, PowerTV, Mute");
    // Room again: the rest follows in order.
    slow.SetWindow(SIZE_MAX);
    EXPECT_EQ(slow.TakeReceived(), "TV, ");
    EXPECT_EQ(slow.TakeReceived(), "PowerTV, Mute");
    EXPECT_EQ(server.Queued(0), 0u);

    // A client that never reads: its queue fills to the bound, then it goes
    // without a disconnect of its own, and the others never wait.
    slow.SetWindow(0);
    const std::string text(1000, 'e');
    std::size_t sent = 0;
    while (slow.Open()) {
        server.SendToAll(text);
        ASSERT_LE(server.Queued(0), TServerSocket::QueueLimit);
        sent += text.size();
        ASSERT_LE(sent, TServerSocket::QueueLimit + text.size());
    }
    EXPECT_EQ(server.ClientCount(), 1u);
    EXPECT_EQ(disconnects, 0);
    EXPECT_EQ(fast.TakeReceived().size(), sent);
    server.SendToAll("after");
    EXPECT_EQ(fast.TakeReceived(), "after");
}

TEST_F(ServerSocketTest, AFailedClientCountsAsDisconnectedAndAPortInUseRaises) {
    fakes::FakeSocketPeer& broken = sockets.ConnectClient(4040);
    sockets.FailNext("send", platform::socket_error::ConnectionReset);
    server.SendToAll("TV");
    EXPECT_FALSE(broken.Open());
    EXPECT_EQ(disconnects, 1);

    TServerSocket second(sockets, ui.app);
    second.SetPort(4040);
    try {
        second.SetActive(true);
        FAIL() << "listened on a port in use";
    } catch (const ESocketError& error) {
        EXPECT_STREQ(error.what(), "Windows socket error: Unknown error (10048), on API 'bind'");
    }
    EXPECT_FALSE(second.Active());
    EXPECT_THROW(second.SetPort(65536), ERangeError);
}

} // namespace
} // namespace orvane::feedback
