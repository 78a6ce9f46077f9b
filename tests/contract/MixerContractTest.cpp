#include "contract/Subjects.h"

#include <gtest/gtest.h>

namespace orvane::contract {
namespace {

using namespace platform;

class MixerContract : public ::testing::Test {
protected:
    void SetUp() override {
        if (!subject) GTEST_SKIP() << "no audio server on this run";
        ASSERT_EQ(subject->Mixer().Open(0, false, [this](std::uint32_t id) { changes.push_back(id); }, device),
                  mixer_result::NoError);
        ASSERT_NE(device, nullptr);
    }

    std::unique_ptr<MixerSubject> subject = MakeMixerSubject();
    std::unique_ptr<MixerDevice> device;
    std::vector<std::uint32_t> changes;
};

TEST_F(MixerContract, TheMasterLineIsTheFirstDestinationWithAVolumeAndAMute) {
    std::uint32_t destinations = 0;
    ASSERT_EQ(device->DestinationCount(destinations), mixer_result::NoError);
    EXPECT_EQ(destinations, 1u);
    MixerLine master;
    ASSERT_EQ(device->DestinationLine(0, master), mixer_result::NoError);
    EXPECT_EQ(master.componentType, mixer_line::Speakers);
    EXPECT_EQ(master.channels, 2u);
    EXPECT_EQ(master.destination, 0u);
    EXPECT_GE(master.connections, 1u);

    MixerControl volume;
    ASSERT_EQ(device->ControlByType(master.lineId, mixer_control::Volume, volume), mixer_result::NoError);
    EXPECT_EQ(volume.name, "Volume");
    EXPECT_EQ(volume.controlType, mixer_control::Volume);
    EXPECT_EQ(volume.flags & mixer_control::Uniform, mixer_control::Uniform);
    EXPECT_EQ(volume.minimum, 0u);
    EXPECT_EQ(volume.maximum, 65535u);
    MixerControl mute;
    ASSERT_EQ(device->ControlByType(master.lineId, mixer_control::Mute, mute), mixer_result::NoError);
    EXPECT_NE(mute.controlId, volume.controlId);
    // Windows answers "invalid control" for a type the line lacks, Wine "not supported".
    MixerControl treble;
    const MixerResult noTreble = device->ControlByType(master.lineId, mixer_control::Treble, treble);
    EXPECT_TRUE(noTreble == mixer_result::InvalidControl || noTreble == mixer_result::NotSupported) << noTreble;

    MixerLine source;
    ASSERT_EQ(device->SourceLine(0, 0, source), mixer_result::NoError);
    EXPECT_EQ(source.componentType, mixer_line::SourceWaveOut);
    EXPECT_EQ(device->SourceLine(0, master.connections, source), mixer_result::InvalidLine);
    EXPECT_NE(device->DestinationLine(destinations, source), mixer_result::NoError);
}

TEST_F(MixerContract, AValueWrittenIsReadBack) {
    MixerLine master;
    ASSERT_EQ(device->DestinationLine(0, master), mixer_result::NoError);
    MixerControl volume;
    ASSERT_EQ(device->ControlByType(master.lineId, mixer_control::Volume, volume), mixer_result::NoError);
    std::vector<std::uint32_t> before;
    ASSERT_EQ(device->GetValues(volume.controlId, 1, before), mixer_result::NoError);
    ASSERT_EQ(before.size(), 1u);

    const std::uint32_t wanted = before[0] == 20000 ? 30000 : 20000;
    ASSERT_EQ(device->SetValues(volume.controlId, {wanted}), mixer_result::NoError);
    std::vector<std::uint32_t> after;
    ASSERT_EQ(device->GetValues(volume.controlId, 1, after), mixer_result::NoError);
    // Wine keeps the volume as a fraction, so the value may come back one lower.
    ASSERT_EQ(after.size(), 1u);
    EXPECT_NEAR(after[0], wanted, 1);
    device->SetValues(volume.controlId, before);
}

TEST_F(MixerContract, ADeviceThatIsNotThereDoesNotOpen) {
    std::unique_ptr<MixerDevice> other;
    EXPECT_EQ(subject->Mixer().Open(5, false, nullptr, other), mixer_result::BadDeviceId);
    EXPECT_EQ(other, nullptr);
}

} // namespace
} // namespace orvane::contract
