#include "input/ComPort.h"

#include "core/Exception.h"
#include "fakes/FakeSerialPort.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace orvane::input {
namespace {

using Calls = std::vector<std::string>;
using platform::SerialDelivery;
namespace event = platform::serial_event;

// The message of the EComPort that action raised, or a note that it raised none.
std::string ComPortError(const std::function<void()>& action) {
    try {
        action();
    } catch (const EComPort& error) {
        return error.Message();
    }
    return "(nothing raised)";
}

const Calls kOpenSequence = {"SetupComm 1024 1024", "SetCommState", "SetCommTimeouts", "Watch"};
const Calls kCloseSequence = {"Purge 15", "StopWatch", "Close"};

Calls Concat(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ComPortTest : public ::testing::Test {
protected:
    ComPortTest() {
        port.OnOpen = [this](TComPort* sender) { log.push_back(sender == &port ? "open" : "open?"); };
        port.OnClose = [this](TComPort* sender) { log.push_back(sender == &port ? "close" : "close?"); };
    }

    fakes::FakeSerialPorts ports;
    fakes::FakeSerialLine& com1 = ports.Add("COM1");
    TComPort port{ports};
    std::vector<std::string> log;
};

// --- opening and closing ---

TEST_F(ComPortTest, OpenAppliesQueuesLineSettingsAndTimeoutsInOrderThenWatchesEveryEvent) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(ports.OpenRequests(), Calls{"COM1"});
    EXPECT_EQ(com1.Calls(), kOpenSequence);

    platform::SerialLineSettings expected; // 9600 8N1, no flow control of any kind
    expected.baudRate = 9600;
    expected.byteSize = 8;
    expected.xonChar = 17;
    expected.xoffChar = 19;
    expected.xonLimit = 256;
    expected.xoffLimit = 256;
    EXPECT_EQ(com1.LineSettings(), expected);
    EXPECT_EQ(com1.Timeouts(), (platform::SerialTimeouts{0xFFFFFFFFu, 0, 0, 100, 1000}));
    EXPECT_EQ(com1.WatchedEvents(), event::All);
    EXPECT_EQ(com1.Delivery(), SerialDelivery::UserInterfaceThread);
    EXPECT_EQ(log, Calls{"open"});
}

TEST_F(ComPortTest, MissingOrBusyPortReturnsFalseAndRaisesNothing) {
    ports.SetMissing("COM1", true);
    EXPECT_FALSE(port.OpenPort());
    port.SetPort(TPortType::COM3); // never added
    EXPECT_FALSE(port.OpenPort());
    port.SetPort(TPortType::COM1);
    ports.SetMissing("COM1", false);
    ports.SetBusy("COM1", true);
    EXPECT_FALSE(port.OpenPort());

    EXPECT_EQ(ports.OpenRequests(), (Calls{"COM1", "COM3", "COM1"}));
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(com1.Calls().empty());
    port.ClosePort();
    EXPECT_TRUE(log.empty());
}

TEST_F(ComPortTest, OpenPortOnAnOpenPortClosesItFirst) {
    ASSERT_TRUE(port.OpenPort());
    com1.ClearCalls();
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(com1.Calls(), Concat(kCloseSequence, kOpenSequence));
    EXPECT_EQ(log, (Calls{"open", "close", "open"}));
}

TEST_F(ComPortTest, ClosePortAbandonsIOStopsTheWatcherAndClosesOnce) {
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("x"); // unread input is abandoned
    com1.ClearCalls();
    port.ClosePort();
    port.ClosePort();
    EXPECT_EQ(com1.Calls(), kCloseSequence);
    EXPECT_FALSE(com1.IsOpen());
    EXPECT_FALSE(com1.IsWatched());
    EXPECT_EQ(com1.InputWaiting(), 0u);
    EXPECT_EQ(log, (Calls{"open", "close"}));
}

TEST_F(ComPortTest, AFailureToAbandonIOStillClosesThePort) {
    ASSERT_TRUE(port.OpenPort());
    com1.FailNext("Purge", 1);
    EXPECT_EQ(ComPortError([&] { port.ClosePort(); }), "Cannot abort operation: 1");
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(com1.IsOpen());
    EXPECT_EQ(log, (Calls{"open", "close"}));
    EXPECT_TRUE(port.OpenPort());
}

TEST_F(ComPortTest, DestroyingAnOpenPortClosesTheDeviceWithoutOnClose) {
    {
        TComPort other(ports);
        other.OnClose = [this](TComPort*) { log.push_back("close"); };
        ASSERT_TRUE(other.OpenPort());
    }
    EXPECT_FALSE(com1.IsOpen());
    EXPECT_EQ(com1.Calls(), Concat(kOpenSequence, kCloseSequence));
    EXPECT_TRUE(log.empty());
}

TEST_F(ComPortTest, ConfigurationFailuresCloseTheDeviceAndRaiseWithTheErrorNumber) {
    for (const char* operation : {"SetupComm", "SetCommState", "SetCommTimeouts", "Watch"}) {
        SCOPED_TRACE(operation);
        com1.FailNext(operation, 87);
        EXPECT_EQ(ComPortError([&] { port.OpenPort(); }), "Unable to set com state: 87");
        EXPECT_FALSE(port.Connected());
        EXPECT_FALSE(com1.IsOpen());
        EXPECT_FALSE(com1.IsWatched());
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(port.OpenPort());
}

// --- properties ---

TEST_F(ComPortTest, LineSettingsFollowTheProperties) {
    port.SetDataBits(TDataBits::dbSeven);
    port.SetStopBits(TStopBits::sbTwoStopBits);
    port.Parity().SetBits(TParityBits::prMark);
    port.Parity().SetCheck(true);
    port.Parity().SetReplace(true);
    port.Parity().SetReplaceChar('?');
    port.SetDiscardNull(true);
    port.SetEventChar('\r');
    port.FlowControl().SetOutCtsFlow(true);
    port.FlowControl().SetOutDsrFlow(true);
    port.FlowControl().SetControlDtr(TDtrFlowControl::dtrHandshake);
    port.FlowControl().SetControlRts(TRtsFlowControl::rtsToggle);
    port.FlowControl().SetXonXoffIn(true);
    port.FlowControl().SetXonXoffOut(true);
    port.Timeouts().SetReadTotalConstant(50);
    port.Timeouts().SetWriteTotalMultiplier(-1);
    EXPECT_TRUE(com1.Calls().empty()); // nothing reaches a closed port
    ASSERT_TRUE(port.OpenPort());

    const auto line = *com1.LineSettings();
    EXPECT_EQ(line.byteSize, 7);
    EXPECT_EQ(line.stopBits, 2);
    EXPECT_EQ(line.parity, 3);
    EXPECT_TRUE(line.parityCheck);
    EXPECT_TRUE(line.replaceErrors);
    EXPECT_EQ(line.errorChar, '?');
    EXPECT_TRUE(line.discardNull);
    EXPECT_EQ(line.eventChar, '\r');
    EXPECT_TRUE(line.outCtsFlow);
    EXPECT_TRUE(line.outDsrFlow);
    EXPECT_EQ(line.dtrControl, 2);
    EXPECT_EQ(line.rtsControl, 3);
    EXPECT_TRUE(line.xonXoffIn);
    EXPECT_TRUE(line.xonXoffOut);
    EXPECT_FALSE(line.dsrSensitivity);
    EXPECT_FALSE(line.abortOnError);
    EXPECT_EQ(com1.Timeouts(), (platform::SerialTimeouts{0xFFFFFFFFu, 0, 50, 0xFFFFFFFFu, 1000}));
}

TEST_F(ComPortTest, EveryBaudRateReachesTheDriverWhileConnected) {
    const std::uint32_t rates[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200};
    ASSERT_TRUE(port.OpenPort());
    for (int i = 12; i >= 0; --i) {
        com1.ClearCalls();
        port.SetBaudRate(static_cast<TBaudRate>(i));
        EXPECT_EQ(com1.Calls(), Calls{"SetCommState"});
        EXPECT_EQ(com1.LineSettings()->baudRate, rates[i]);
    }
}

TEST_F(ComPortTest, SettingChangesWhileConnectedAreAppliedAtOnce) {
    ASSERT_TRUE(port.OpenPort());
    com1.ClearCalls();

    port.Parity().SetBits(TParityBits::prEven);
    port.FlowControl().SetControlRts(TRtsFlowControl::rtsHandshake);
    EXPECT_EQ(com1.Calls(), (Calls{"SetCommState", "SetCommState"}));
    EXPECT_EQ(com1.LineSettings()->parity, 2);
    EXPECT_EQ(com1.LineSettings()->rtsControl, 2);

    com1.ClearCalls();
    port.Timeouts().SetReadInterval(20);
    EXPECT_EQ(com1.Calls(), Calls{"SetCommTimeouts"});
    EXPECT_EQ(com1.Timeouts()->readInterval, 20u);

    com1.ClearCalls();
    port.SetReadBufSize(4096);
    EXPECT_EQ(com1.Calls(), (Calls{"SetupComm 4096 1024", "SetCommState"}));
    EXPECT_EQ(com1.LineSettings()->xonLimit, 1024);
    EXPECT_EQ(com1.LineSettings()->xoffLimit, 1024);

    com1.ClearCalls();
    port.SetEvents({TEvent::evRxChar, TEvent::evRLSD});
    EXPECT_EQ(com1.Calls(), (Calls{"StopWatch", "Watch"}));
    EXPECT_EQ(com1.WatchedEvents(), event::RxChar | event::Rlsd);
    port.SetEvents({});
    EXPECT_FALSE(com1.IsWatched());

    com1.FailNext("SetCommState", 87);
    EXPECT_EQ(ComPortError([&] { port.SetStopBits(TStopBits::sbOne5StopBits); }), "Unable to set com state: 87");
    EXPECT_TRUE(port.Connected());
}

TEST_F(ComPortTest, ChangingThePortWhileConnectedReopensOnTheNewDevice) {
    auto& com2 = ports.Add("COM2");
    ASSERT_TRUE(port.OpenPort());
    com1.ClearCalls();
    port.SetPort(TPortType::COM1);
    EXPECT_TRUE(com1.Calls().empty());

    port.SetPort(TPortType::COM2);
    EXPECT_EQ(com1.Calls(), kCloseSequence);
    EXPECT_EQ(com2.Calls(), kOpenSequence);
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(log, (Calls{"open", "close", "open"}));

    port.SetPort(TPortType::COM4); // no such device: the port ends up closed
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(com2.IsOpen());

    port.SetPort(TPortType::COM1); // while closed nothing is opened
    EXPECT_EQ(ports.OpenRequests(), (Calls{"COM1", "COM2", "COM4"}));
}

TEST_F(ComPortTest, SyncMethodCannotChangeWhileConnected) {
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(ComPortError([&] { port.SetSyncMethod(TSyncMethod::smNone); }), "Cannot set SyncMethod while connected");
    EXPECT_EQ(port.SyncMethod(), TSyncMethod::smSynchronize);

    port.ClosePort();
    port.SetSyncMethod(TSyncMethod::smNone);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(com1.Delivery(), SerialDelivery::WatcherThread);
}

TEST_F(ComPortTest, ValuesOutsideAnEnumerationAreRefused) {
    EXPECT_THROW(port.SetPort(static_cast<TPortType>(8)), ERangeError);
    EXPECT_THROW(port.SetBaudRate(static_cast<TBaudRate>(13)), ERangeError);
    EXPECT_THROW(port.SetDataBits(static_cast<TDataBits>(-1)), ERangeError);
    EXPECT_THROW(port.Parity().SetBits(static_cast<TParityBits>(5)), ERangeError);
    EXPECT_THROW(port.FlowControl().SetControlRts(static_cast<TRtsFlowControl>(4)), ERangeError);
    EXPECT_EQ(port.Port(), TPortType::COM1);
    EXPECT_EQ(port.BaudRate(), TBaudRate::br9600);
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(com1.LineSettings()->parity, 0);
}

// --- reading, writing and the lines ---

TEST_F(ComPortTest, ReadTextKeepsOnlyTheBytesRead) {
    ASSERT_TRUE(port.OpenPort());
    com1.Receive(std::string("\x01\x00\x02", 3));
    com1.ClearCalls();
    std::string text = "old";
    EXPECT_EQ(port.ReadText(text, 10, true), 3);
    EXPECT_EQ(text, std::string("\x01\x00\x02", 3));
    EXPECT_EQ(com1.Calls(), Calls{"Read 10"});

    com1.Receive("ab");
    com1.ClearCalls();
    EXPECT_EQ(port.ReadText(text, 10, false), 2); // only what is waiting
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(com1.Calls(), (Calls{"QueueStatus", "Read 2"}));
    EXPECT_EQ(port.ReadText(text, 0, true), 0);
    EXPECT_EQ(text, "");
    EXPECT_THROW(port.ReadText(text, -1, true), ERangeError);
}

TEST_F(ComPortTest, WritesAndOutputLinesReachTheDevice) {
    ASSERT_TRUE(port.OpenPort());
    com1.ClearCalls();
    EXPECT_EQ(port.WriteText("I", true), 1);
    EXPECT_EQ(port.WriteText("R", false), 1);
    port.SetDtrLine(true);
    port.SetRtsLine(true);
    EXPECT_TRUE(com1.Dtr());
    EXPECT_TRUE(com1.Rts());
    port.SetDtrLine(false);
    port.SetRtsLine(false);
    EXPECT_EQ(com1.Written(), "IR");
    EXPECT_EQ(com1.Calls(), (Calls{"Write 1 wait", "Write 1 nowait", "Escape SetDtr", "Escape SetRts",
                                   "Escape ClrDtr", "Escape ClrRts"}));
    EXPECT_FALSE(com1.Dtr());
    EXPECT_FALSE(com1.Rts());
}

// A device that fails while open is reported by the first failure alone:
// the port lets it go, stays quiet, and opening it again re-arms it.
TEST_F(ComPortTest, ADeviceFailureIsRaisedOnceThenThePortStaysQuietUntilReopened) {
    int failures = 0;
    port.OnDeviceFailure = [&](TComPort* sender) {
        ++failures;
        EXPECT_FALSE(sender->Connected()); // let go before anyone hears of it
    };
    std::string text;
    struct Case {
        const char* operation;
        platform::SerialError error;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {"Read", 995, [&] { port.ReadText(text, 3, true); }, "Operation aborted: 995"},
        {"ReadWait", 31, [&] { port.ReadText(text, 3, true); }, "Operation failed: 31"},
        {"Write", 1117, [&] { port.WriteText("I", true); }, "Operation failed: 1117"},
        {"WriteWait", 121, [&] { port.WriteText("I", true); }, "Operation failed: 121"},
        {"QueueStatus", 5, [&] { port.PendingInputCount(); }, "Unable to read com status: 5"},
        {"Watch", 1167, [&] { com1.FailWatcher(1167); }, "Operation failed: 1167"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        failures = 0;
        log.clear();
        ASSERT_TRUE(port.OpenPort());
        com1.Receive("abc");
        if (std::string(c.operation) != "Watch") com1.FailNext(c.operation, c.error);
        EXPECT_EQ(ComPortError(c.call), c.message);
        EXPECT_EQ(failures, 1);
        EXPECT_TRUE(port.Failed());
        EXPECT_FALSE(com1.IsOpen());
        EXPECT_FALSE(com1.IsWatched());

        // Whatever still asks the port hears nothing more.
        EXPECT_EQ(ComPortError([&] { EXPECT_EQ(port.ReadText(text, 3, true), 0); }), "(nothing raised)");
        EXPECT_EQ(text, "");
        EXPECT_EQ(ComPortError([&] { EXPECT_EQ(port.WriteText("R", true), 0); }), "(nothing raised)");
        EXPECT_EQ(ComPortError([&] { EXPECT_EQ(port.PendingInputCount(), 0); }), "(nothing raised)");
        EXPECT_EQ(ComPortError([&] { EXPECT_FALSE(port.CarrierDetected()); }), "(nothing raised)");
        EXPECT_EQ(ComPortError([&] { port.SetRtsLine(true); }), "(nothing raised)");
        EXPECT_EQ(failures, 1);

        ASSERT_TRUE(port.OpenPort());
        EXPECT_FALSE(port.Failed());
        EXPECT_EQ(log, (Calls{"open", "open"})); // the lost device closed without OnClose
        EXPECT_EQ(port.WriteText("I", true), 1);
        port.ClosePort();
    }
    // Closing ends it too: a closed port raises again.
    ASSERT_TRUE(port.OpenPort());
    com1.FailNext("Read", 995);
    ComPortError([&] { port.ReadText(text, 3, true); });
    port.ClosePort();
    EXPECT_FALSE(port.Failed());
    EXPECT_EQ(ComPortError([&] { port.WriteText("I", true); }), "Operation failed: 6");
}

// Drivers without modem lines refuse them on a working device.
TEST_F(ComPortTest, RefusedModemLinesAreNoLostDevice) {
    ASSERT_TRUE(port.OpenPort());
    for (int i = 0; i < 2; ++i) {
        com1.FailNext("Escape", 50);
        EXPECT_EQ(ComPortError([&] { port.SetRtsLine(true); }), "Unable to set signal: 50");
        com1.FailNext("ModemStatus", 21);
        EXPECT_EQ(ComPortError([&] { port.CarrierDetected(); }), "Unable to read com status: 21");
    }
    com1.FailNext("Escape", 50);
    EXPECT_EQ(ComPortError([&] { port.SetDtrLine(true); }), "(nothing raised)");
    EXPECT_TRUE(port.Connected());
    EXPECT_FALSE(port.Failed());
}

// The adapter pulled out while bytes and line changes keep coming.
TEST_F(ComPortTest, AnUnpluggedAdapterIsReportedOnceNotOncePerEvent) {
    int failures = 0;
    std::string received;
    port.OnDeviceFailure = [&](TComPort*) { ++failures; };
    port.OnRxChar = [&](TComPort* sender, int inQue) {
        std::string text;
        sender->ReadText(text, inQue, true);
        received += text;
    };
    port.OnRLSD = [&](TComPort* sender) { sender->CarrierDetected(); };
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("a");
    com1.Unplug(22);
    EXPECT_EQ(ComPortError([&] { com1.Receive("b"); }), "Unable to read com status: 22");
    EXPECT_EQ(ComPortError([&] { com1.Receive("c"); }), "(nothing raised)");
    EXPECT_EQ(ComPortError([&] { com1.SetCarrier(true); }), "(nothing raised)");
    EXPECT_EQ(ComPortError([&] { com1.FailWatcher(22); }), "(nothing raised)");
    EXPECT_EQ(failures, 1);

    // Still out: opening fails quietly, as for a missing port.
    EXPECT_FALSE(port.OpenPort());
    com1.Replug();
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("d");
    EXPECT_EQ(received, "ad");
    EXPECT_EQ(failures, 1);
}

TEST_F(ComPortTest, OperationsOnAClosedPortRaiseWithTheInvalidHandleNumber) {
    std::string text;
    EXPECT_EQ(ComPortError([&] { port.ReadText(text, 1, true); }), "Operation aborted: 6");
    EXPECT_EQ(ComPortError([&] { port.WriteText("I", true); }), "Operation failed: 6");
    EXPECT_EQ(ComPortError([&] { port.PendingInputCount(); }), "Unable to read com status: 6");
    EXPECT_EQ(ComPortError([&] { port.CarrierDetected(); }), "Unable to read com status: 6");
    EXPECT_EQ(ComPortError([&] { port.SetRtsLine(false); }), "Unable to set signal: 6");
    EXPECT_EQ(ComPortError([&] { port.SetDtrLine(false); }), "(nothing raised)");
}

// --- events ---

TEST_F(ComPortTest, ReceivedBytesReachOnRxCharWithTheirCount) {
    std::vector<int> counts;
    std::string received;
    port.OnRxChar = [&](TComPort* sender, int inQue) {
        counts.push_back(inQue);
        std::string text;
        sender->ReadText(text, inQue, true);
        received += text;
    };
    ASSERT_TRUE(port.OpenPort());
    com1.ClearCalls();
    com1.Receive("\x10\x20\x30");
    com1.Receive("\x40");
    EXPECT_EQ(counts, (std::vector<int>{3, 1}));
    EXPECT_EQ(received, "\x10\x20\x30\x40");
    EXPECT_EQ(com1.Calls(), (Calls{"QueueStatus", "Read 3", "QueueStatus", "Read 1"}));
}

TEST_F(ComPortTest, AnRxCharWithNothingWaitingIsNotReported) {
    int calls = 0;
    port.OnRxChar = [&](TComPort*, int) { ++calls; };
    ASSERT_TRUE(port.OpenPort());
    com1.RaiseEvents(event::RxChar);
    EXPECT_EQ(calls, 0);
}

TEST_F(ComPortTest, CarrierChangesReachOnRLSD) {
    std::vector<bool> carrier;
    port.OnRLSD = [&](TComPort* sender) { carrier.push_back(sender->CarrierDetected()); };
    ASSERT_TRUE(port.OpenPort());
    com1.SetCarrier(true);
    com1.SetCarrier(false);
    com1.SetCarrier(true);
    EXPECT_EQ(carrier, (std::vector<bool>{true, false, true}));
}

TEST_F(ComPortTest, EveryEventReachesItsOwnHandlerInOneRound) {
    std::vector<std::string> seen;
    const auto note = [&](const char* name) { return [&seen, name](TComPort*) { seen.push_back(name); }; };
    port.OnRxChar = [&](TComPort*, int inQue) { seen.push_back("RxChar " + std::to_string(inQue)); };
    port.OnTxEmpty = note("TxEmpty");
    port.OnRxFlag = note("RxFlag");
    port.OnRing = note("Ring");
    port.OnBreak = note("Break");
    port.OnCTS = note("CTS");
    port.OnDSR = note("DSR");
    port.OnError = note("Error");
    port.OnRLSD = note("RLSD");
    port.OnRx80Full = note("Rx80Full");
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("xy");
    seen.clear();
    com1.RaiseEvents(event::All);
    EXPECT_EQ(seen, (Calls{"RxChar 2", "TxEmpty", "RxFlag", "Ring", "Break", "CTS", "DSR", "Error", "RLSD",
                           "Rx80Full"}));
    seen.clear();
    com1.RaiseEvents(event::Cts | event::Ring);
    EXPECT_EQ(seen, (Calls{"Ring", "CTS"}));
}

TEST_F(ComPortTest, OnlyWatchedEventsAreDelivered) {
    int rxChar = 0;
    int rlsd = 0;
    port.OnRxChar = [&](TComPort*, int) { ++rxChar; };
    port.OnRLSD = [&](TComPort*) { ++rlsd; };
    port.SetEvents({TEvent::evRLSD});
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(com1.WatchedEvents(), event::Rlsd);
    com1.Receive("x");
    com1.SetCarrier(true);
    EXPECT_EQ(rxChar, 0);
    EXPECT_EQ(rlsd, 1);

    port.ClosePort();
    port.SetEvents({});
    com1.ClearCalls();
    ASSERT_TRUE(port.OpenPort());
    EXPECT_EQ(com1.Calls(), (Calls{"SetupComm 1024 1024", "SetCommState", "SetCommTimeouts"}));
}

TEST_F(ComPortTest, AHandlerThatClosesThePortEndsTheRound) {
    int rlsd = 0;
    port.OnRxChar = [&](TComPort* sender, int) { sender->ClosePort(); };
    port.OnRLSD = [&](TComPort*) { ++rlsd; };
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("x");
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(com1.IsOpen());

    // Reopened by the handler: the rest of the round belongs to the old device.
    bool reopen = false;
    port.OnRxChar = [&](TComPort* sender, int) {
        if (reopen) sender->OpenPort();
    };
    ASSERT_TRUE(port.OpenPort());
    com1.Receive("y");
    reopen = true;
    com1.RaiseEvents(event::RxChar | event::Rlsd);
    EXPECT_EQ(rlsd, 0);
    EXPECT_TRUE(port.Connected());
}

} // namespace
} // namespace orvane::input
