#include "input/ClientSocket.h"

#include "core/Exception.h"
#include "fakes/FakeSockets.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane::input {
namespace {

using Log = std::vector<std::string>;
using fakes::FakeSocketPeer;
using platform::SocketEvent;

const char kCantChange[] = "Can't change value while socket is active";

// The message of the ESocketError that action raised, or a note that it raised none.
std::string SocketErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ESocketError& error) {
        return error.Message();
    }
    return "(nothing raised)";
}

class ClientSocketTest : public ::testing::Test {
protected:
    ClientSocketTest() {
        sockets.AddHost("mediapc", "192.168.1.20");
        socket.SetHost("mediapc");
        socket.SetPort(1024);
        socket.OnConnect = [this](ui::Component* sender) { log.push_back(sender == &socket ? "connect" : "?"); };
        socket.OnRead = [this](ui::Component*) { log.push_back("read " + socket.ReceiveText()); };
        socket.OnDisconnect = [this](ui::Component*) { log.push_back("disconnect"); };
    }

    FakeSocketPeer& Activate() {
        socket.SetActive(true);
        return sockets.LastAttempt();
    }
    FakeSocketPeer& Connect() {
        FakeSocketPeer& peer = Activate();
        peer.Accept();
        return peer;
    }

    fakes::FakeSockets sockets;
    fakes::FakeUi ui;
    TClientSocket socket{sockets, ui.app};
    Log log;
};

// --- connecting and closing ---

TEST_F(ClientSocketTest, ActivatingStartsTheLookupAndConnectsOnceTheHostIsFoundWithoutWaiting) {
    FakeSocketPeer& peer = Activate();
    EXPECT_TRUE(socket.Active());
    EXPECT_FALSE(socket.Connected());
    EXPECT_EQ(sockets.Calls(), Log{"WSAAsyncGetHostByName mediapc"});
    peer.FinishLookup();
    EXPECT_EQ(sockets.Calls(),
              (Log{"WSAAsyncGetHostByName mediapc", "socket", "WSAAsyncSelect", "connect 192.168.1.20:1024"}));
    EXPECT_EQ(peer.Host(), "mediapc");
    EXPECT_TRUE(log.empty());

    peer.Accept();
    EXPECT_TRUE(socket.Connected());
    EXPECT_EQ(log, Log{"connect"});

    socket.SetActive(true); // already active: no second attempt
    EXPECT_EQ(sockets.AttemptCount(), 1u);
}

TEST_F(ClientSocketTest, DeactivatingClosesTheSocketWithADisconnectOnlyWhenItWasConnected) {
    FakeSocketPeer& connecting = Activate();
    socket.SetActive(false);
    EXPECT_FALSE(socket.Active());
    EXPECT_FALSE(connecting.Open());
    EXPECT_TRUE(log.empty());

    FakeSocketPeer& peer = Connect();
    EXPECT_NE(&peer, &connecting);
    socket.SetActive(false);
    EXPECT_FALSE(peer.Open());
    EXPECT_FALSE(socket.Connected());
    EXPECT_EQ(log, (Log{"connect", "disconnect"}));
    EXPECT_EQ(sockets.Calls().back(), "closesocket");
    socket.SetActive(false);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ClientSocketTest, DestroyingAnActiveSocketClosesItWithoutEvents) {
    FakeSocketPeer* peer = nullptr;
    {
        TClientSocket other{sockets, ui.app};
        other.OnDisconnect = [this](ui::Component*) { log.push_back("disconnect"); };
        other.SetHost("localhost");
        other.SetActive(true);
        peer = &sockets.LastAttempt();
        peer->Accept();
    }
    EXPECT_FALSE(peer->Open());
    EXPECT_TRUE(log.empty());
}

// --- text both ways ---

TEST_F(ClientSocketTest, TextFromTheServerRaisesOnReadAndAnEchoReachesTheServer) {
    socket.OnRead = [this](ui::Component*) {
        const std::string text = socket.ReceiveText();
        log.push_back("read " + text);
        socket.SendText(text);
    };
    FakeSocketPeer& peer = Connect();
    peer.Send("AB");
    EXPECT_EQ(log, (Log{"connect", "read AB"}));
    EXPECT_EQ(peer.TakeReceived(), "AB");

    // A second notice for text already taken brings no OnRead.
    peer.Send("");
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(ClientSocketTest, ReceiveTextTakesAllThatIsWaitingAndNothingWhenInactive) {
    EXPECT_EQ(socket.ReceiveText(), "");
    EXPECT_TRUE(sockets.Calls().empty());
    socket.OnRead = nullptr;
    FakeSocketPeer& peer = Connect();
    peer.Send("one");
    peer.Send(std::string("t\0o", 3));
    EXPECT_EQ(socket.ReceiveText(), std::string("onet\0o", 6));
    EXPECT_EQ(socket.ReceiveText(), "");
}

TEST_F(ClientSocketTest, TextTheSystemCannotTakeAtOnceFollowsInOrderWhenThereIsRoom) {
    FakeSocketPeer& peer = Activate();
    peer.SetWindow(4);
    peer.Accept();
    socket.SendText("ABCDEF");
    socket.SendText("GH");
    EXPECT_EQ(peer.Received(), "ABCD");
    EXPECT_EQ(peer.TakeReceived(), "ABCD");
    EXPECT_EQ(peer.TakeReceived(), "EFGH");
    EXPECT_EQ(peer.Received(), "");
    socket.SendText("IJ");
    EXPECT_EQ(peer.Received(), "IJ");
}

TEST_F(ClientSocketTest, AServerThatReadsNothingGetsNoMoreThanTheQueueHolds) {
    FakeSocketPeer& peer = Activate();
    peer.SetWindow(4);
    peer.Accept();
    const std::string held(TClientSocket::QueueLimit, 'a');
    socket.SendText(held);
    for (int i = 0; i < 1000; ++i) socket.SendText("dropped");
    std::string got;
    for (std::string part = peer.TakeReceived(); !part.empty(); part = peer.TakeReceived()) got += part;
    EXPECT_EQ(got, held);
    socket.SendText("IJ");
    EXPECT_EQ(peer.TakeReceived(), "IJ");
}

TEST_F(ClientSocketTest, SendingWithoutAConnectionRaisesTheWindowsSocketError) {
    const std::string notConnected =
        "Windows socket error: " + sockets.ErrorText(platform::socket_error::NotConnected) + " (10057), on API 'send'";
    EXPECT_EQ(SocketErrorOf([&] { socket.SendText("A"); }), notConnected);
    Activate(); // still connecting
    EXPECT_EQ(SocketErrorOf([&] { socket.SendText("A"); }), notConnected);
    EXPECT_EQ(SocketErrorOf([&] { socket.SendText(""); }), "(nothing raised)");
}

TEST_F(ClientSocketTest, WhatTheServerSentBeforeClosingIsReadBeforeTheDisconnect) {
    const auto reader = socket.OnRead;
    FakeSocketPeer& peer = Connect();
    socket.OnRead = nullptr; // the text stays unread until the close
    peer.Send("bye");
    socket.OnRead = reader;
    peer.Close();
    EXPECT_EQ(log, (Log{"connect", "read bye", "disconnect"}));
    EXPECT_FALSE(socket.Active());
    EXPECT_FALSE(peer.Open());

    // A handler that closes the socket itself gets no second disconnect.
    log.clear();
    FakeSocketPeer& next = Connect();
    socket.OnRead = nullptr;
    next.Send("x");
    socket.OnRead = [this, reader](ui::Component* sender) {
        reader(sender);
        socket.SetActive(false);
    };
    next.Close();
    EXPECT_EQ(log, (Log{"connect", "read x", "disconnect"}));

    // One that fails is shown, and the socket goes all the same.
    FakeSocketPeer& last = Connect();
    socket.OnRead = nullptr;
    last.Send("y");
    socket.OnRead = [](ui::Component*) { throw Exception("Unreadable"); };
    ui.dialogs.ExpectMessageBox("Unreadable");
    last.Close();
    EXPECT_FALSE(socket.Active());
    EXPECT_FALSE(last.Open());
}

// --- failures ---

TEST_F(ClientSocketTest, ACallThatFailsAtOnceRaisesTheWindowsSocketErrorAndLeavesTheSocketInactive) {
    sockets.FailNext("WSAAsyncGetHostByName", 10055);
    EXPECT_EQ(SocketErrorOf([&] { socket.SetActive(true); }),
              "Windows socket error: " + sockets.ErrorText(10055) + " (10055), on API 'WSAAsyncGetHostByName'");
    EXPECT_FALSE(socket.Active());
    EXPECT_EQ(sockets.AttemptCount(), 0u);

    socket.SetHost("192.168.1.20");
    sockets.FailNext("connect", 10065);
    sockets.ClearCalls();
    EXPECT_EQ(SocketErrorOf([&] { socket.SetActive(true); }),
              "Windows socket error: " + sockets.ErrorText(10065) + " (10065), on API 'connect'");
    EXPECT_EQ(sockets.Calls().back(), "closesocket");
    EXPECT_FALSE(socket.Active());
    Activate();
    EXPECT_TRUE(socket.Active());
}

// After the lookup, the calls that fail come as errors too: nobody waits for them.
TEST_F(ClientSocketTest, AnUnknownHostOrAConnectThatFailsAfterTheLookupIsAnAsynchronousError) {
    std::vector<TErrorEvent> seen;
    socket.OnError = [&](ui::Component*, TErrorEvent errorEvent, int&) { seen.push_back(errorEvent); };
    socket.SetHost("nowhere");
    FakeSocketPeer& unknown = Activate();
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 11001");
    unknown.FinishLookup();
    EXPECT_FALSE(socket.Active());
    EXPECT_FALSE(unknown.Open());

    socket.SetHost("mediapc");
    sockets.FailNext("connect", 10065);
    FakeSocketPeer& unreachable = Activate();
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 10065");
    unreachable.FinishLookup();
    EXPECT_FALSE(socket.Active());
    EXPECT_EQ(seen, (std::vector<TErrorEvent>{TErrorEvent::eeLookup, TErrorEvent::eeConnect}));
}

TEST_F(ClientSocketTest, AnAsynchronousErrorNobodyHandlesIsShownAndClosesTheSocket) {
    FakeSocketPeer& refused = Activate();
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 10061");
    refused.Refuse(platform::socket_error::ConnectionRefused);
    EXPECT_FALSE(socket.Active());
    EXPECT_FALSE(refused.Open());
    EXPECT_TRUE(log.empty());

    // A reset connection is closed too; the failure stands for the disconnect.
    FakeSocketPeer& reset = Connect();
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 10054");
    reset.Fail(SocketEvent::Close, platform::socket_error::ConnectionReset);
    EXPECT_FALSE(socket.Active());
    EXPECT_EQ(log, Log{"connect"});
}

TEST_F(ClientSocketTest, OnErrorLearnsWhatFailedAndClearingTheCodeSilencesIt) {
    struct Seen {
        TErrorEvent errorEvent;
        int errorCode;
    };
    std::vector<Seen> seen;
    int answer = 0;
    socket.OnError = [&](ui::Component* sender, TErrorEvent errorEvent, int& errorCode) {
        EXPECT_EQ(sender, &socket);
        EXPECT_FALSE(socket.Active()); // closed first, so the handler may try again
        seen.push_back({errorEvent, errorCode});
        errorCode = answer;
    };

    const struct {
        SocketEvent event;
        TErrorEvent expected;
    } cases[] = {
        {SocketEvent::Connect, TErrorEvent::eeConnect},
        {SocketEvent::Read, TErrorEvent::eeReceive},
        {SocketEvent::Write, TErrorEvent::eeSend},
        {SocketEvent::Close, TErrorEvent::eeDisconnect},
    };
    for (const auto& c : cases) {
        seen.clear();
        Activate().Fail(c.event, 10050);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].errorEvent, c.expected);
        EXPECT_EQ(seen[0].errorCode, 10050);
        EXPECT_FALSE(socket.Active());
    }

    // A code left non-zero, or changed, is raised as it stands.
    answer = 12345;
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 12345");
    Activate().Refuse();

    // Activating again from the handler starts a new attempt.
    socket.OnError = [&](ui::Component*, TErrorEvent, int& errorCode) {
        errorCode = 0;
        socket.SetActive(true);
    };
    const std::size_t attempts = sockets.AttemptCount();
    Activate().Refuse();
    EXPECT_TRUE(socket.Active());
    EXPECT_EQ(sockets.AttemptCount(), attempts + 2);
}

TEST_F(ClientSocketTest, AHandlersFailureIsShownAndTheSocketCarriesOn) {
    socket.OnRead = [this](ui::Component*) {
        const std::string text = socket.ReceiveText();
        if (text == "bad") throw Exception("The handler failed");
        log.push_back("read " + text);
    };
    FakeSocketPeer& peer = Connect();
    ui.dialogs.ExpectMessageBox("The handler failed");
    peer.Send("bad");
    peer.Send("good");
    EXPECT_EQ(log, (Log{"connect", "read good"}));
    EXPECT_TRUE(socket.Connected());
}

// --- host and port ---

TEST_F(ClientSocketTest, HostAndPortCannotChangeWhileActiveButMayBeSetToWhatTheyAre) {
    Activate();
    EXPECT_EQ(SocketErrorOf([&] { socket.SetHost("otherpc"); }), kCantChange);
    EXPECT_EQ(SocketErrorOf([&] { socket.SetPort(2000); }), kCantChange);
    EXPECT_EQ(socket.Host(), "mediapc");
    EXPECT_EQ(socket.Port(), 1024);
    EXPECT_EQ(SocketErrorOf([&] {
                  socket.SetHost("mediapc");
                  socket.SetPort(1024);
              }),
              "(nothing raised)");

    socket.SetActive(false);
    socket.SetHost("otherpc");
    socket.SetPort(2000);
    EXPECT_EQ(socket.Host(), "otherpc");
    EXPECT_EQ(socket.Port(), 2000);
    EXPECT_THROW(socket.SetPort(65536), ERangeError);
    EXPECT_THROW(socket.SetPort(-1), ERangeError);
    EXPECT_EQ(socket.Port(), 2000);
}

} // namespace
} // namespace orvane::input
