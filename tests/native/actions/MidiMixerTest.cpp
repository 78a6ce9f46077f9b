// The mixer component over scripted mixers: which controls fill which slots,
// the cache and what reaches the mixer, changes from outside, and failures.
#include "actions/MidiMixer.h"
#include "core/Exception.h"
#include "fakes/FakeMixer.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::actions {
namespace {

using namespace platform;

class MidiMixerTest : public ::testing::Test {
protected:
    std::unique_ptr<TMidiMixer> Make(bool active = true, int midiDeviceId = -2) {
        return std::make_unique<TMidiMixer>(nullptr, mixer, ui.app, active, midiDeviceId);
    }
    std::vector<unsigned> AvailableSlots(const TMidiMixer& m) {
        std::vector<unsigned> slots;
        for (unsigned slot = 0; slot < MixerSlotCount; ++slot)
            if (m.HasControl(slot)) slots.push_back(slot);
        return slots;
    }

    fakes::FakeMixer mixer;
    fakes::FakeUi ui;
};

TEST_F(MidiMixerTest, FillsTheMasterAndSourceSlotsFromTheFirstSpeakersDestination) {
    const auto device = mixer.AddDevice();
    const auto recording = mixer.AddDestination(device, 7, "Recording", 2);
    mixer.AddControl(recording, mixer_control::Volume, "Recording Volume", 0, 0, 100, 1);
    const auto master = mixer.AddDestination(device, mixer_line::Speakers, "Speakers", 2);
    const auto masterVolume = mixer.AddControl(master, mixer_control::Volume, "Master", 0, 0, 65535, 40000);
    mixer.AddControl(master, mixer_control::Bass, "Bass", 0, 0, 100, 50);
    // The first wave-out source wins; a microphone without a mute fills only its volume.
    const auto wave = mixer.AddSource(master, mixer_line::SourceWaveOut, "Wave", 2);
    mixer.AddControl(wave, mixer_control::Volume, "Wave", 0, 0, 65535, 1000);
    const auto otherWave = mixer.AddSource(master, mixer_line::SourceWaveOut, "Wave 2", 2);
    mixer.AddControl(otherWave, mixer_control::Volume, "Wave 2", 0, 0, 65535, 2000);
    const auto mic = mixer.AddSource(master, mixer_line::SourceMicrophone, "Mic", 1);
    mixer.AddControl(mic, mixer_control::Volume, "Microphone", 0, 0, 65535, 3000);
    const auto cd = mixer.AddSource(master, mixer_line::SourceCompactDisc, "CD", 2);
    mixer.AddControl(cd, mixer_control::Mute, "CD Mute", 0, 0, 1, 1);
    mixer.ChangeFromOutside(masterVolume, {40000, 30000});

    auto m = Make();
    ASSERT_TRUE(m->Active());
    EXPECT_EQ(AvailableSlots(*m), (std::vector<unsigned>{2, 5, 8, 11, 12}));
    EXPECT_EQ(m->ControlName(2), "Master");
    EXPECT_EQ(m->GetValue(2, 0), 40000u);
    EXPECT_EQ(m->GetValue(2, 1), 30000u);
    EXPECT_EQ(m->GetMax(2), 65535u);
    EXPECT_EQ(m->ControlName(5), "Bass");
    EXPECT_EQ(m->ControlName(12), "Wave");
    // A one-channel line reads both cached channels the same.
    EXPECT_EQ(m->GetValue(8, 0), 3000u);
    EXPECT_EQ(m->GetValue(8, 1), 3000u);
    EXPECT_EQ(m->GetValue(11, 0), 1u);
    // Only the low 7 bits of a slot count; a slot past the last is unavailable.
    EXPECT_EQ(m->ControlName(128 + 12), "Wave");
    EXPECT_FALSE(m->HasControl(26));
    EXPECT_EQ(m->GetValue(26, 0), 0u);
    EXPECT_EQ(m->GetValue(2, 2), 0u);
}

TEST_F(MidiMixerTest, WithoutASpeakersDestinationTheLastOneStandsInAndNoSourceIsFound) {
    const auto device = mixer.AddDevice();
    const auto first = mixer.AddDestination(device, 5, "Headphones", 2);
    mixer.AddControl(first, mixer_control::Volume, "Headphones", 0, 0, 100, 10);
    const auto last = mixer.AddDestination(device, 8, "Line Out", 2);
    mixer.AddControl(last, mixer_control::Volume, "Line Out Volume", 0, 0, 100, 20);
    mixer.AddControl(last, mixer_control::Mute, "Line Out Mute", 0, 0, 1, 0);
    const auto wave = mixer.AddSource(last, mixer_line::SourceWaveOut, "Wave", 2);
    mixer.AddControl(wave, mixer_control::Volume, "Wave", 0, 0, 100, 30);

    auto m = Make();
    EXPECT_TRUE(m->Active());
    EXPECT_EQ(AvailableSlots(*m), (std::vector<unsigned>{2, 3}));
    EXPECT_EQ(m->ControlName(2), "Line Out Volume");
    EXPECT_EQ(m->GetValue(2, 1), 20u);
}

TEST_F(MidiMixerTest, AUniformControlIsReadAndWrittenAsOneChannel) {
    const auto wine = mixer.AddWineLikeDevice();
    const std::string volume = std::to_string(wine.masterVolume);
    auto m = Make();
    ASSERT_EQ(AvailableSlots(*m), (std::vector<unsigned>{2, 3, 12, 13}));
    EXPECT_EQ(m->ControlName(2), "Volume");
    EXPECT_EQ(m->ControlName(3), "Mute");
    EXPECT_EQ(m->GetMax(3), 1u);
    EXPECT_EQ(std::count(mixer.log.begin(), mixer.log.end(), "mixerGetControlDetails " + volume + " 1"), 1);

    mixer.log.clear();
    m->SetValue(2, 1, 30000);
    EXPECT_EQ(m->GetValue(2, 0), 30000u);
    EXPECT_EQ(m->GetValue(2, 1), 30000u);
    EXPECT_EQ(mixer.log, (std::vector<std::string>{"mixerSetControlDetails " + volume + " 30000"}));
    EXPECT_EQ(mixer.Values(wine.masterVolume), (std::vector<std::uint32_t>{30000, 30000}));
}

TEST_F(MidiMixerTest, SetValueWritesBothChannelsAndLeavesTheMixerAloneForTheCachedValue) {
    const auto device = mixer.AddDevice();
    const auto master = mixer.AddDestination(device, mixer_line::Speakers, "Speakers", 2);
    const auto volume = mixer.AddControl(master, mixer_control::Volume, "Master", 0, 0, 65535, 500);
    auto m = Make();
    mixer.log.clear();

    m->SetValue(2, 0, 500);
    m->SetValue(2, 1, 500);
    EXPECT_TRUE(mixer.log.empty());

    m->SetValue(2, 1, 700);
    m->SetValue(2, 0, 900);
    const std::string id = std::to_string(volume);
    EXPECT_EQ(mixer.log, (std::vector<std::string>{"mixerSetControlDetails " + id + " 500 700",
                                                   "mixerSetControlDetails " + id + " 900 700"}));
    EXPECT_EQ(mixer.Values(volume), (std::vector<std::uint32_t>{900, 700}));
}

TEST_F(MidiMixerTest, AChangeFromOutsideRefreshesItsSlotAndIsReported) {
    const auto wine = mixer.AddWineLikeDevice();
    auto m = Make();
    std::vector<unsigned> reported;
    m->OnControlChange = [&](ui::Component* sender, unsigned slot) {
        EXPECT_EQ(sender, m.get());
        reported.push_back(slot);
    };

    mixer.ChangeFromOutside(wine.masterMute, {1});
    EXPECT_EQ(m->GetValue(3, 0), 1u);
    EXPECT_EQ(m->GetValue(3, 1), 1u);
    EXPECT_EQ(reported, (std::vector<unsigned>{3}));

    // A handler's failure goes to the application's error box.
    m->OnControlChange = [](ui::Component*, unsigned) { throw EMMError("Volume handler failed"); };
    ui.dialogs.ExpectMessageBox("Volume handler failed");
    mixer.ChangeFromOutside(wine.masterVolume, {12000});
    EXPECT_EQ(m->GetValue(2, 0), 12000u);

    // Once closed, nothing is reported.
    m->OnControlChange = [&](ui::Component*, unsigned slot) { reported.push_back(slot); };
    m->SetActive(false);
    mixer.ChangeFromOutside(wine.masterMute, {0});
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(MidiMixerTest, AMixerThatCannotBeOpenedLeavesEverySlotUnavailable) {
    mixer.AddWineLikeDevice();
    mixer.openFailure = 6;
    auto m = Make();
    EXPECT_FALSE(m->Active());
    EXPECT_TRUE(AvailableSlots(*m).empty());
    m->SetValue(2, 0, 100);
    EXPECT_EQ(m->GetValue(2, 0), 0u);
    EXPECT_EQ(mixer.log, (std::vector<std::string>{"mixerOpen 0"}));

    // Once the mixer can be had, activating opens it.
    mixer.openFailure = 0;
    m->SetActive(true);
    EXPECT_TRUE(m->Active());
    EXPECT_TRUE(m->HasControl(2));
}

TEST_F(MidiMixerTest, AFailedControlLookupRaisesAndLeavesTheMixerClosed) {
    mixer.AddWineLikeDevice();
    mixer.controlLookupFailure = 7;
    auto m = Make(false);
    try {
        m->SetActive(true);
        FAIL() << "no error raised";
    } catch (const EMMError& error) {
        EXPECT_STREQ(error.what(), "Multimedia System Error 7 - Memory allocation error in mixerGetLineControls");
    }
    EXPECT_FALSE(m->Active());
    EXPECT_FALSE(m->HasControl(2));
    EXPECT_EQ(mixer.OpenDevices(), 0);
}

TEST_F(MidiMixerTest, AControlTypeTheSystemDoesNotSupportIsUnavailable) {
    mixer.AddWineLikeDevice();
    mixer.controlLookupFailure = mixer_result::NotSupported;
    auto m = Make();
    EXPECT_TRUE(m->Active());
    EXPECT_TRUE(AvailableSlots(*m).empty());
}

TEST_F(MidiMixerTest, TheDeviceFollowsMidiDeviceID) {
    mixer.AddWineLikeDevice();
    mixer.midiOutMixers[3] = mixer.AddWineLikeDevice().device;
    auto created = std::make_unique<TMidiMixer>(nullptr, mixer, ui.app);
    EXPECT_EQ(created->MidiDeviceID(), -1);
    EXPECT_FALSE(created->Active()); // no MIDI output device -1 here
    created.reset();

    auto m = Make(false);
    m->SetMidiDeviceID(3); // inactive: only stored
    m->SetActive(true);
    EXPECT_TRUE(m->Active());
    m->SetMidiDeviceID(-2); // active: closed and opened again on mixer device 0
    EXPECT_TRUE(m->Active());
    EXPECT_EQ(mixer.OpenDevices(), 1);
    EXPECT_EQ(mixer.log.front(), "mixerOpen -1 midi");
    EXPECT_EQ(std::count(mixer.log.begin(), mixer.log.end(), "mixerOpen 3 midi"), 1);
    EXPECT_EQ(std::count(mixer.log.begin(), mixer.log.end(), "mixerClose 1"), 1);
    EXPECT_EQ(std::count(mixer.log.begin(), mixer.log.end(), "mixerOpen 0"), 1);
}

TEST(MixerErrorMessage, NamesTheKindTheCodeAndItsText) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {1, "Multimedia System Error 1 - Unspecified error in f"},
        {12, "Multimedia System Error 12 - Handle being used simultaneously on another thread (eg callback) in f"},
        {20, "Multimedia System Error 20 - Driver does not call DriverCallback in f"},
        {1024, "Multimedia Mixer Error 1024 - Invalid Mixer Line in f"},
        {1026, "Multimedia Mixer Error 1026 - Invalid Mixer Value in f"},
        {0, "Multimedia Unknown Error 0 - Unknown error in f"},
        {21, "Multimedia Unknown Error 21 - Unknown error in f"},
        {1027, "Multimedia Unknown Error 1027 - Unknown error in f"},
    };
    for (const auto& [code, message] : cases) EXPECT_EQ(MixerErrorMessage(code, "f"), message);
}

} // namespace
} // namespace orvane::actions
