// The serial port over a real device: a pseudo-terminal pair that
// tests/win32/serial/run.sh links and maps to two COM ports. Without that
// set-up (as in the plain run of this suite) the tests are skipped.
#include "core/Exception.h"
#include "input/ComPort.h"
#include "platform/win32/Win32SerialPort.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::input {
namespace {

using platform::win32::Win32SerialPorts;

const char* Setting(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

TPortType PortType(const std::string& name) {
    const int number = std::atoi(name.c_str() + 3);
    if (name.rfind("COM", 0) != 0 || number < 1 || number > 8) throw std::invalid_argument("not COM1-COM8: " + name);
    return static_cast<TPortType>(number - 1);
}

// Runs the user-interface thread's messages until done() or a generous
// deadline, which only keeps a broken build from hanging.
bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 10000) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(1);
    }
    return true;
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; });
}

// The far end of the cable: the other pseudo-terminal, through plain Win32 calls.
class Peer {
public:
    explicit Peer(const std::string& name) {
        handle_ = CreateFileA(("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) return;
        COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 2000};
        SetCommTimeouts(handle_, &timeouts);
        PurgeComm(handle_, PURGE_RXCLEAR);
    }
    ~Peer() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    void Write(const std::string& bytes) {
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        ASSERT_EQ(written, bytes.size());
    }

    std::string Read(std::size_t count) {
        std::string bytes;
        PumpUntil([&] {
            char buffer[256];
            DWORD read = 0;
            if (ReadFile(handle_, buffer, static_cast<DWORD>(std::min<std::size_t>(count - bytes.size(), 256)), &read,
                         nullptr))
                bytes.append(buffer, read);
            return bytes.size() >= count;
        });
        return bytes;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

class Win32SerialPort : public ::testing::Test {
protected:
    void SetUp() override {
        ours_ = Setting("ORVANE_SERIAL_PORT");
        peerName_ = Setting("ORVANE_SERIAL_PEER");
        missing_ = Setting("ORVANE_SERIAL_MISSING");
        if (!ours_ || !peerName_ || !missing_)
            GTEST_SKIP() << "needs the pseudo-terminal pair that tests/win32/serial/run.sh sets up";
        port.SetPort(PortType(ours_));
        peer = std::make_unique<Peer>(peerName_);
        ASSERT_TRUE(peer->IsOpen());
    }

    // Reads every announced byte, noting the thread each event came on.
    void CollectReceivedBytes() {
        port.OnRxChar = [this](TComPort* sender, int inQue) {
            threads.push_back(GetCurrentThreadId());
            counts.push_back(inQue);
            std::string text;
            sender->ReadText(text, inQue, true);
            received += text;
        };
    }

    const char* ours_ = nullptr;
    const char* peerName_ = nullptr;
    const char* missing_ = nullptr;
    Win32SerialPorts ports;
    TComPort port{ports};
    std::unique_ptr<Peer> peer;
    std::string received;
    std::vector<DWORD> threads;
    std::vector<int> counts;
};

TEST_F(Win32SerialPort, MappedPortOpensAndAMissingOneReturnsFalse) {
    EXPECT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.Connected());

    TComPort absent(ports);
    absent.SetPort(PortType(missing_));
    bool opened = true;
    EXPECT_NO_THROW(opened = absent.OpenPort());
    EXPECT_FALSE(opened);
    EXPECT_FALSE(absent.Connected());
    EXPECT_EQ(ports.Open(missing_).error, static_cast<platform::SerialError>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Win32SerialPort, BytesFromThePeerReachOnRxCharOnTheUserInterfaceThread) {
    CollectReceivedBytes();
    ASSERT_TRUE(port.OpenPort());
    const std::string sent("\x01\x00\xFEhello", 8);
    peer->Write(sent);
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= sent.size(); })) << "received " << received.size();
    EXPECT_EQ(received, sent);
    for (DWORD thread : threads) EXPECT_EQ(thread, GetCurrentThreadId());
    for (int count : counts) EXPECT_GT(count, 0);
}

// Watching bytes alone, Wine ends every wait at once with no events: the
// bytes must be found in the input queue.
TEST_F(Win32SerialPort, BytesArriveWhenOnlyReceivedCharactersAreWatched) {
    CollectReceivedBytes();
    port.SetEvents({TEvent::evRxChar});
    ASSERT_TRUE(port.OpenPort());
    peer->Write("abc");
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= 3; })) << "received " << received.size();
    peer->Write("de");
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= 5; })) << "received " << received.size();
    EXPECT_EQ(received, "abcde");
}

// Where waits end without events, the watcher counts what it announced:
// bytes that come while the handler runs are new, and must not wait for the
// next byte (which would glue them to the next press).
TEST_F(Win32SerialPort, BytesThatArriveWhileTheHandlerRunsAreAnnouncedWithoutAnotherByte) {
    int calls = 0;
    port.OnRxChar = [&](TComPort* sender, int inQue) {
        std::string text;
        sender->ReadText(text, inQue, true);
        received += text;
        if (++calls > 1) return;
        const int waiting = sender->PendingInputCount();
        peer->Write("de");
        // Until the driver holds them (no messages taken here: the watcher
        // waits for this handler); the limit only keeps a broken set-up from hanging.
        const DWORD start = GetTickCount();
        while (sender->PendingInputCount() < waiting + 2 && GetTickCount() - start < 10000) Sleep(1);
    };
    // Watching bytes alone, every wait ends without events.
    port.SetEvents({TEvent::evRxChar});
    ASSERT_TRUE(port.OpenPort());
    peer->Write("abc");
    EXPECT_TRUE(PumpUntil([&] { return received.size() >= 5; })) << "received \"" << received << "\"";
    EXPECT_EQ(received, "abcde");
}

// Where the watcher waits by reading ahead (Wine), calls outside any handler
// take their turn from its waiting read: bytes come whole and in order, the
// port's own timeouts hold (a read asking for more returns what there is),
// and watching goes on.
TEST_F(Win32SerialPort, ReadsOutsideTheHandlerSeeTheWholeStreamAndWatchingGoesOn) {
    int events = 0;
    port.OnRxChar = [&](TComPort*, int) { ++events; }; // leaves the bytes
    ASSERT_TRUE(port.OpenPort());
    // Wine ends the first wait for events of an idle pseudo-terminal at once,
    // which sets the watcher reading ahead; a byte already there would not.
    PumpFor(300);
    peer->Write("abc");
    ASSERT_TRUE(PumpUntil([&] { return events > 0 && port.PendingInputCount() >= 3; }));
    std::string text;
    EXPECT_EQ(port.ReadText(text, 10, true), 3);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(port.PendingInputCount(), 0);
    EXPECT_EQ(port.ReadText(text, 10, true), 0); // returns at once, as the timeouts say

    // More than the watcher holds left unread: the rest waits in the
    // device's queue, and one read takes both, in order.
    std::string burst;
    for (int i = 0; i < 700; ++i) burst.push_back(static_cast<char>(i * 7 % 251));
    peer->Write(burst);
    ASSERT_TRUE(PumpUntil([&] { return port.PendingInputCount() >= 700; })) << port.PendingInputCount();
    PumpFor(300); // time for the watcher to fill its room
    EXPECT_EQ(port.ReadText(text, 800, true), 700);
    EXPECT_TRUE(text == burst) << "the burst came back changed";

    port.Timeouts().SetReadTotalConstant(0); // applied while the watcher waits
    CollectReceivedBytes();
    peer->Write("de");
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= 2; })) << "received " << received.size();
    EXPECT_EQ(received, "de");

    // Closing drops what was left unread, read ahead or not.
    port.OnRxChar = [&](TComPort*, int) { ++events; };
    const int before = events;
    peer->Write("fg");
    ASSERT_TRUE(PumpUntil([&] { return events > before && port.PendingInputCount() >= 2; }));
    port.ClosePort();
    CollectReceivedBytes();
    received.clear();
    ASSERT_TRUE(port.OpenPort());
    peer->Write("h");
    ASSERT_TRUE(PumpUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received, "h");
}

TEST_F(Win32SerialPort, WrittenBytesReachThePeer) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(port.WriteText("I", true), 1);
    EXPECT_EQ(port.WriteText("R", true), 1);
    EXPECT_EQ(peer->Read(2), "IR");
    port.WriteText(std::string("\0\xFF", 2), false); // not waited for, yet delivered
    EXPECT_EQ(peer->Read(2), std::string("\0\xFF", 2));
}

TEST_F(Win32SerialPort, ClosingInsideTheReceiveHandlerReleasesThePort) {
    port.OnRxChar = [](TComPort* sender, int) { sender->ClosePort(); };
    ASSERT_TRUE(port.OpenPort());
    peer->Write("x");
    ASSERT_TRUE(PumpUntil([&] { return !port.Connected(); }));

    // The watcher let go: the port opens again and events flow as before.
    CollectReceivedBytes();
    ASSERT_TRUE(port.OpenPort());
    peer->Write("yz");
    ASSERT_TRUE(PumpUntil([&] { return received.size() >= 2; }));
    EXPECT_EQ(received, "yz");
}

TEST_F(Win32SerialPort, HandlerFailuresReachTheErrorSinkAndWatchingGoesOn) {
    std::vector<std::string> failures;
    std::vector<DWORD> sinkThreads;
    ports.SetErrorSink([&](const std::exception& error) {
        failures.push_back(error.what());
        sinkThreads.push_back(GetCurrentThreadId());
    });
    port.OnRxChar = [](TComPort* sender, int inQue) {
        std::string text;
        sender->ReadText(text, inQue, true);
        throw Exception("handler failed on " + text);
    };
    ASSERT_TRUE(port.OpenPort());
    peer->Write("a");
    ASSERT_TRUE(PumpUntil([&] { return failures.size() == 1; }));
    peer->Write("b");
    ASSERT_TRUE(PumpUntil([&] { return failures.size() == 2; }));
    EXPECT_EQ(failures, (std::vector<std::string>{"handler failed on a", "handler failed on b"}));
    EXPECT_EQ(sinkThreads, (std::vector<DWORD>{GetCurrentThreadId(), GetCurrentThreadId()}));
}

TEST_F(Win32SerialPort, WithoutSynchronisingHandlersRunOnTheWatchersThread) {
    std::atomic<DWORD> thread{0};
    HANDLE arrived = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    port.SetSyncMethod(TSyncMethod::smNone);
    port.OnRxChar = [&](TComPort* sender, int inQue) {
        std::string text;
        sender->ReadText(text, inQue, true);
        thread = GetCurrentThreadId();
        SetEvent(arrived);
    };
    ASSERT_TRUE(port.OpenPort());
    peer->Write("q");
    EXPECT_EQ(WaitForSingleObject(arrived, 10000), WAIT_OBJECT_0);
    port.ClosePort();
    CloseHandle(arrived);
    EXPECT_NE(thread.load(), 0u);
    EXPECT_NE(thread.load(), GetCurrentThreadId());
}

// A pseudo-terminal has no modem lines; whatever the driver says, DTR never
// raises and the other lines either work or fail with a real error number.
TEST_F(Win32SerialPort, OutputLinesAndCarrierReportTheDriversAnswer) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_NO_THROW(port.SetDtrLine(true));
    const auto expectWorksOrNamesTheError = [](const std::function<void()>& call, const std::string& prefix) {
        try {
            call();
        } catch (const EComPort& error) {
            const std::string message = error.Message();
            ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
            const std::string number = message.substr(prefix.size());
            EXPECT_FALSE(number.empty());
            EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << message;
            EXPECT_NE(number, "0") << message;
        }
    };
    expectWorksOrNamesTheError([&] { port.SetRtsLine(true); }, "Unable to set signal: ");
    expectWorksOrNamesTheError([&] { port.CarrierDetected(); }, "Unable to read com status: ");
    EXPECT_TRUE(port.Connected());
}

} // namespace
} // namespace orvane::input
