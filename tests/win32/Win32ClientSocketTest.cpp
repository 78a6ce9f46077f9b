// The client socket component over real Winsock and a real peer on
// 127.0.0.1, with the application's error box scripted.
// The system's headers first: they undo the macros that would rename the
// model's methods.
#include "ui/win32/SystemHeaders.h"

#include "contract/Subjects.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "input/ClientSocket.h"
#include "platform/win32/Win32Sockets.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orvane::input {
namespace {

class Win32ClientSocketTest : public ::testing::Test {
protected:
    std::unique_ptr<contract::SocketSubject> subject = contract::MakeSocketSubject();
    fakes::FakeUi ui;
    TClientSocket socket{subject->Sockets(), ui.app};
};

TEST_F(Win32ClientSocketTest, EchoesWhatTheServerSendsAndNoticesTheServerClosing) {
    bool connected = false, disconnected = false;
    std::string read;
    socket.OnConnect = [&](ui::Component*) { connected = true; };
    socket.OnRead = [&](ui::Component*) {
        const std::string text = socket.ReceiveText();
        read += text;
        socket.SendText(text);
    };
    socket.OnDisconnect = [&](ui::Component*) { disconnected = true; };
    socket.SetHost("localhost");
    socket.SetPort(subject->ListeningPort());
    socket.SetActive(true);
    ASSERT_TRUE(subject->AcceptPeer());
    ASSERT_TRUE(subject->RunUntil([&] { return connected; }));

    subject->PeerSend("AB");
    ASSERT_TRUE(subject->RunUntil([&] { return read.size() >= 2; }));
    EXPECT_EQ(read, "AB");
    EXPECT_EQ(subject->PeerReceive(2), "AB");

    subject->PeerClose();
    ASSERT_TRUE(subject->RunUntil([&] { return disconnected; }));
    EXPECT_FALSE(socket.Active());
}

TEST_F(Win32ClientSocketTest, ARefusedConnectionIsShownAsAnAsynchronousSocketError) {
    socket.SetHost("127.0.0.1");
    socket.SetPort(subject->ClosedPort());
    ui.dialogs.ExpectMessageBox("Asynchronous socket error 10061");
    socket.SetActive(true);
    EXPECT_TRUE(socket.Active());
    EXPECT_TRUE(subject->RunUntil([&] { return !socket.Active(); }));
}

// Activating returns before the lookup ends; its failure comes as an error.
TEST_F(Win32ClientSocketTest, AnUnknownHostArrivesAsALookupError) {
    int seenCode = 0;
    socket.OnError = [&](ui::Component*, TErrorEvent errorEvent, int& errorCode) {
        EXPECT_EQ(errorEvent, TErrorEvent::eeLookup);
        seenCode = errorCode;
        errorCode = 0;
    };
    socket.SetHost("no-such-host.invalid");
    socket.SetActive(true);
    EXPECT_TRUE(socket.Active());
    ASSERT_TRUE(subject->RunUntil([&] { return !socket.Active(); }));
    EXPECT_NE(seenCode, 0);
}

TEST(Win32Sockets, WhatAHandlerRaisesStopsAtTheWindowAndGoesToTheSink) {
    auto subject = contract::MakeSocketSubject();
    auto& sockets = dynamic_cast<platform::win32::Win32Sockets&>(subject->Sockets());
    std::string sunk;
    sockets.SetErrorSink([&](const std::exception& error) { sunk = error.what(); });
    auto opened = sockets.Connect("127.0.0.1", subject->ClosedPort(), [](platform::SocketEvent, platform::SocketError) {
        throw std::runtime_error("handler failed");
    });
    ASSERT_TRUE(opened.value);
    EXPECT_TRUE(subject->RunUntil([&] { return !sunk.empty(); }));
    EXPECT_EQ(sunk, "handler failed");
}

} // namespace
} // namespace orvane::input
