// The serial origin filling the data sequence: bytes cut into values, pulse
// timings from the carrier-detect line, the end of a sequence, and the
// repeats of a held typematic button.
#include "RecognitionFixture.h"

#include <cstdint>
#include <limits>

namespace orvane::input::testing {
namespace {

using SerialCapture = RecognitionFixture;
using Values = std::vector<int>;

TEST_F(SerialCapture, ValueSizeGroupsTheBytesOfEachReadFirstByteHighest) {
    Settings().ValueSizeUpDwn.SetPosition(2);
    line->Receive("\x01\x02\x03\x04");
    EXPECT_EQ(Incoming(), (Values{258, 772}));
    Advance(125);

    // A value never spans two reads: a short group is padded with zero bytes.
    line->Receive("\x01\x02\x03");
    line->Receive("\x04");
    EXPECT_EQ(Incoming(), (Values{258, 768, 1024}));
    Advance(125);

    Settings().ValueSizeUpDwn.SetPosition(4);
    line->Receive(std::string("\x80\x00\x00\x01\xFF\xFF\xFF\xFF", 8));
    EXPECT_EQ(Incoming(), (Values{std::numeric_limits<std::int32_t>::min() + 1, -1}));
}

TEST_F(SerialCapture, DataBeforeTheReceiverIsReadyIsReadAndDropped) {
    Main().SerialInitState = 2;
    line->Receive("OK");
    EXPECT_EQ(line->InputWaiting(), 0u);
    EXPECT_TRUE(Incoming().empty());
    EXPECT_FALSE(Main().IRTimer.Enabled());
}

TEST_F(SerialCapture, ASequenceEnds125msAfterItsFirstByteAndIsThenRecognised) {
    Command(Remote("TV"), "Power", {1, 2, 3});
    line->Receive("\x01");
    Advance(100);
    line->Receive("\x02\x03");
    Advance(24);
    EXPECT_EQ(Selected(), "");
    Advance(1);
    EXPECT_EQ(Selected(), "Power");
    EXPECT_TRUE(Incoming().empty());
    EXPECT_FALSE(Main().IRTimer.Enabled());
}

TEST_F(SerialCapture, ValuesPastThe1001stOfASequenceAreDropped) {
    line->Receive(std::string(1000, '\x07'));
    line->Receive("\x08\x09\x0A");
    EXPECT_EQ(Main().IncomingSequence.CodeHigh(), 1000);
    EXPECT_EQ(Main().IncomingSequence.Code[1000], 8);
    Advance(125);
    EXPECT_TRUE(Incoming().empty());
}

TEST_F(SerialCapture, RisingCarrierEdgesGiveTheMicrosecondsSinceThePreviousWithoutWholeSeconds) {
    platform.clock.counter = 5'000'000;
    line->SetCarrier(true); // the first edge ever has nothing to measure from
    EXPECT_TRUE(Incoming().empty());
    EXPECT_FALSE(Main().IRTimer.Enabled());

    platform.clock.counter += 700;
    line->SetCarrier(false); // falling edges are not measured
    platform.clock.counter += 800;
    line->SetCarrier(true);
    platform.clock.counter += 2'250'000;
    line->SetCarrier(false);
    line->SetCarrier(true);
    EXPECT_EQ(Incoming(), (Values{1500, 250000}));

    // The last edge outlives its sequence: the next one begins with the pause.
    Advance(125);
    platform.clock.counter += 3'000'042;
    line->SetCarrier(false);
    line->SetCarrier(true);
    EXPECT_EQ(Incoming(), (Values{42}));
}

TEST(PulseMicroseconds, CountsOnlyTheLow32BitsOfCounterAndFrequency) {
    constexpr std::int64_t wrap = std::int64_t{1} << 32;
    EXPECT_EQ(PulseMicroseconds(wrap + 200, wrap - 100, 1'000'000), 300);
    EXPECT_EQ(PulseMicroseconds(1500, 0, wrap + 1'000'000), 1500);
    // 5369 ticks of 3 579 545 a second are 1499.9 microseconds.
    EXPECT_EQ(PulseMicroseconds(5369, 0, 3'579'545), 1499);
    // More than 2^31 ticks apart reads as a negative time.
    EXPECT_EQ(PulseMicroseconds(0x80000000LL + 250, 0, 1'000'000), -483398);
    EXPECT_EQ(PulseMicroseconds(100, 0, wrap), 0);
}

TEST_F(SerialCapture, DataWhileATypematicWindowIsOpenRepeatsTheCommandAndKeepsTheWindowOpen) {
    Command(Remote("TV"), "Volume", {5, 5}, true);
    line->Receive("\x05\x05");
    Advance(125); // recognised at 125: the window is open until 300
    ASSERT_EQ(Selected(), "Volume");
    ASSERT_TRUE(Main().TypematicActive);
    Main().CommandsTree.SetSelected(nullptr);

    Advance(75);
    line->Receive("\x05"); // the first byte of a sequence is no repeat yet
    EXPECT_EQ(Selected(), "");
    Advance(50);
    line->Receive("\x05"); // at 250: repeated, and the window is open until 425
    EXPECT_EQ(Selected(), "Volume");

    Main().CommandsTree.SetSelected(nullptr);
    Advance(75); // the sequence ends inside the window: not recognised
    EXPECT_EQ(Selected(), "");
    EXPECT_TRUE(Main().TypematicActive);
    Advance(100);
    EXPECT_FALSE(Main().TypematicActive);
    EXPECT_FALSE(Main().TypematicTimer.Enabled());
}

TEST_F(SerialCapture, ARepeatOfACommandDeletedMeanwhileDispatchesNothing) {
    core::TCommand& volume = Command(Remote("TV"), "Volume", {5, 5}, true);
    line->Receive("\x05\x05");
    Advance(125);
    ASSERT_EQ(Selected(), "Volume");
    Main().CommandsTree.Items().Delete(Main().CommandsTree.Selected());
    Main().Model->DeleteRecord(volume);
    Main().CommandsTree.SetSelected(nullptr);

    line->Receive("\x05");
    line->Receive("\x05");
    EXPECT_EQ(Main().CommandsTree.Selected(), nullptr);
}

TEST_F(SerialCapture, AFailedReadIsShownAndAddsNothing) {
    line->FailNext("Read", 5);
    ui.dialogs.ExpectMessageBox("Operation aborted: 5");
    line->Receive("\x01");
    EXPECT_TRUE(Incoming().empty());
    EXPECT_FALSE(Main().IRTimer.Enabled());
}

} // namespace
} // namespace orvane::input::testing
