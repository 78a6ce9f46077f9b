#include "contract/Subjects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orvane::contract {
namespace {

using platform::SocketConnection;
using platform::SocketError;
using platform::SocketEvent;

struct Seen {
    SocketEvent event;
    SocketError error;
};

// The events of one connection, in order.
class EventLog {
public:
    platform::SocketEventHandler Handler() {
        return [this](SocketEvent event, SocketError error) { seen.push_back({event, error}); };
    }
    bool Has(SocketEvent event) const {
        return std::any_of(seen.begin(), seen.end(), [event](const Seen& s) { return s.event == event; });
    }
    SocketError ErrorOf(SocketEvent event) const {
        for (const Seen& s : seen)
            if (s.event == event) return s.error;
        return -1;
    }
    std::vector<Seen> seen;
};

// Receives until count bytes have come.
std::string ReceiveAll(SocketSubject& subject, SocketConnection& connection, std::size_t count) {
    std::string received;
    subject.RunUntil([&] {
        const auto pending = connection.Pending();
        EXPECT_FALSE(pending.failure) << pending.failure.api << " " << pending.failure.error;
        if (pending.value > 0) {
            const auto bytes = connection.Receive(pending.value);
            EXPECT_FALSE(bytes.failure) << bytes.failure.api << " " << bytes.failure.error;
            received += bytes.value;
        }
        return received.size() >= count;
    });
    return received;
}

// A connection to the subject's peer, accepted and established.
std::unique_ptr<SocketConnection> Connected(SocketSubject& subject, EventLog& log, const std::string& host) {
    auto opened = subject.Sockets().Connect(host, subject.ListeningPort(), log.Handler());
    EXPECT_FALSE(opened.failure) << opened.failure.api << " " << opened.failure.error;
    if (!opened.value) return nullptr;
    EXPECT_TRUE(subject.AcceptPeer());
    EXPECT_TRUE(subject.RunUntil([&] { return log.Has(SocketEvent::Connect); }));
    EXPECT_EQ(log.ErrorOf(SocketEvent::Connect), 0);
    return std::move(opened.value);
}

TEST(SocketContract, ConnectsToAPeerByNameAndCarriesBytesBothWays) {
    auto subject = MakeSocketSubject();
    EventLog log;
    auto connection = Connected(*subject, log, "localhost");
    ASSERT_TRUE(connection);
    EXPECT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Write); })) << "no Write after the connect";

    // Nothing waiting is no failure.
    EXPECT_EQ(connection->Pending().value, 0u);
    const auto nothing = connection->Receive(16);
    EXPECT_FALSE(nothing.failure) << nothing.failure.error;
    EXPECT_EQ(nothing.value, "");

    subject->PeerSend("AB");
    ASSERT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Read); }));
    EXPECT_EQ(ReceiveAll(*subject, *connection, 2), "AB");

    const std::string bytes("A\0\xFF" "B", 4);
    const auto sent = connection->Send(bytes);
    EXPECT_FALSE(sent.failure) << sent.failure.error;
    EXPECT_EQ(sent.value, 4u);
    EXPECT_EQ(subject->PeerReceive(4), bytes);
    for (const Seen& s : log.seen) EXPECT_EQ(s.error, 0);
}

TEST(SocketContract, ARefusedConnectionArrivesAsAConnectEventWithTheSystemsError) {
    auto subject = MakeSocketSubject();
    EventLog log;
    auto opened = subject->Sockets().Connect("127.0.0.1", subject->ClosedPort(), log.Handler());
    ASSERT_FALSE(opened.failure) << opened.failure.api << " " << opened.failure.error;
    ASSERT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Connect); }));
    EXPECT_EQ(log.seen.front().event, SocketEvent::Connect);
    EXPECT_EQ(log.ErrorOf(SocketEvent::Connect), platform::socket_error::ConnectionRefused);

    const auto sent = opened.value->Send("A");
    EXPECT_TRUE(sent.failure);
    EXPECT_EQ(sent.failure.api, "send");
}

// Winsock holds the Close back until what came before it has been read.
TEST(SocketContract, ThePeerClosingArrivesAsACloseEventOnceWhatItSentBeforeIsRead) {
    auto subject = MakeSocketSubject();
    EventLog log;
    auto connection = Connected(*subject, log, "127.0.0.1");
    ASSERT_TRUE(connection);

    subject->PeerSend("bye");
    subject->PeerClose();
    ASSERT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Read); }));
    EXPECT_EQ(ReceiveAll(*subject, *connection, 3), "bye");
    ASSERT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Close); }));
    EXPECT_EQ(log.ErrorOf(SocketEvent::Close), 0);
    const auto after = connection->Receive(16);
    EXPECT_FALSE(after.failure) << after.failure.error;
    EXPECT_EQ(after.value, "");
}

// The lookup goes on in the background: Connect returns before it ends.
TEST(SocketContract, AnUnknownHostArrivesLaterAsALookupEventWithTheSystemsError) {
    auto subject = MakeSocketSubject();
    EventLog log;
    auto opened = subject->Sockets().Connect("no-such-host.invalid", subject->ListeningPort(), log.Handler());
    ASSERT_FALSE(opened.failure) << opened.failure.api << " " << opened.failure.error;
    ASSERT_TRUE(opened.value);
    EXPECT_TRUE(log.seen.empty());
    ASSERT_TRUE(subject->RunUntil([&] { return !log.seen.empty(); }));
    ASSERT_EQ(log.seen.size(), 1u);
    EXPECT_EQ(log.seen[0].event, SocketEvent::Lookup);
    EXPECT_NE(log.seen[0].error, 0);
}

TEST(SocketContract, ErrorTextsAreTheSystemsOwnOnOneLine) {
    auto subject = MakeSocketSubject();
    const std::string refused = subject->Sockets().ErrorText(platform::socket_error::ConnectionRefused);
    const std::string unknownHost = subject->Sockets().ErrorText(platform::socket_error::HostNotFound);
    EXPECT_FALSE(refused.empty());
    EXPECT_NE(refused, unknownHost);
    for (const std::string& text : {refused, unknownHost}) {
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
        EXPECT_NE(text.back(), '.') << text;
    }
}

TEST(SocketContract, AConnectionClosedInsideItsOwnHandlerReportsNothingMore) {
    auto subject = MakeSocketSubject();
    std::unique_ptr<SocketConnection> connection;
    std::vector<Seen> afterClose;
    bool closed = false;
    // The Write that follows the Connect is on its way when the handler closes.
    auto opened = subject->Sockets().Connect("127.0.0.1", subject->ListeningPort(),
                                             [&](SocketEvent event, SocketError error) {
                                                 if (closed) afterClose.push_back({event, error});
                                                 if (event != SocketEvent::Connect) return;
                                                 connection.reset();
                                                 closed = true;
                                             });
    ASSERT_FALSE(opened.failure) << opened.failure.api << " " << opened.failure.error;
    connection = std::move(opened.value);
    ASSERT_TRUE(subject->AcceptPeer());
    ASSERT_TRUE(subject->RunUntil([&] { return closed; }));
    subject->RunUntil([] { return false; }, 300);
    EXPECT_TRUE(afterClose.empty()) << "event " << static_cast<int>(afterClose.front().event);
}

TEST(SocketContract, ASendThatFindsNoRoomTakesNothingAndWriteFollowsOnceThePeerReads) {
    auto subject = MakeSocketSubject();
    EventLog log;
    auto connection = Connected(*subject, log, "127.0.0.1");
    ASSERT_TRUE(connection);
    ASSERT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Write); }));
    log.seen.clear();

    // The peer reads nothing, so the buffers fill up.
    const std::string chunk(64 * 1024, 'x');
    std::size_t total = 0;
    bool full = false;
    for (int i = 0; i < 4096 && !full; ++i) {
        const auto sent = connection->Send(chunk);
        ASSERT_FALSE(sent.failure) << sent.failure.error;
        total += sent.value;
        full = sent.value == 0;
    }
    ASSERT_TRUE(full);
    EXPECT_FALSE(log.Has(SocketEvent::Write));

    EXPECT_EQ(subject->PeerReceive(total).size(), total);
    EXPECT_TRUE(subject->RunUntil([&] { return log.Has(SocketEvent::Write); }));
}

} // namespace
} // namespace orvane::contract
