// The mixer component over Wine's real mixer. tests/win32/mixer/run.sh runs
// these twice: with no audio server to reach, and with a PulseAudio null sink
// of its own; the plain run skips them.
#include "ui/win32/SystemHeaders.h"

#include "actions/MidiMixer.h"
#include "fakes/FakeUi.h"
#include "platform/win32/Win32Mixer.h"

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane::actions {
namespace {

// The master volume as a separate handle of the system's mixer reads it now.
DWORD MasterVolumeReadFresh() {
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) return ~0u;
    MIXERLINEA line{};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    MIXERCONTROLA control{};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof(controls);
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    MIXERCONTROLDETAILS_UNSIGNED value{};
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.cChannels = 1;
    details.cbDetails = sizeof(value);
    details.paDetails = &value;
    const auto object = reinterpret_cast<HMIXEROBJ>(mixer);
    DWORD result = ~0u;
    if (mixerGetLineInfoA(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE | MIXER_OBJECTF_HMIXER) == 0) {
        controls.dwLineID = line.dwLineID;
        if (mixerGetLineControlsA(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER) == 0) {
            details.dwControlID = control.dwControlID;
            if (mixerGetControlDetailsA(object, &details, MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) == 0)
                result = value.dwValue;
        }
    }
    mixerClose(mixer);
    return result;
}

class Win32MidiMixer : public ::testing::Test {
protected:
    platform::win32::Win32Mixer mixer;
    fakes::FakeUi ui;
};

TEST_F(Win32MidiMixer, OpensTheOneMixerWithTheMasterVolumeAndMuteAndWritesTheVolume) {
    if (!std::getenv("ORVANE_AUDIO_SERVER")) GTEST_SKIP() << "no audio server on this run";
    TMidiMixer midiMixer(nullptr, mixer, ui.app, true, -2);
    ASSERT_TRUE(midiMixer.Active());
    ASSERT_TRUE(midiMixer.HasControl(2));
    EXPECT_EQ(midiMixer.ControlName(2), "Volume");
    EXPECT_EQ(midiMixer.GetMin(2), 0u);
    EXPECT_EQ(midiMixer.GetMax(2), 65535u);
    EXPECT_TRUE(midiMixer.HasControl(3));
    EXPECT_EQ(midiMixer.GetMax(3), 1u);
    EXPECT_TRUE(midiMixer.HasControl(12)); // the wave-out source
    EXPECT_FALSE(midiMixer.HasControl(0));

    const std::uint32_t before = midiMixer.GetValue(2, 0);
    EXPECT_EQ(MasterVolumeReadFresh(), before);
    const std::uint32_t wanted = before == 20000 ? 30000 : 20000;
    midiMixer.SetValue(2, 0, wanted);
    EXPECT_EQ(midiMixer.GetValue(2, 1), wanted); // a uniform control
    // Wine keeps the volume as a fraction, so the value may come back one lower.
    EXPECT_NEAR(MasterVolumeReadFresh(), wanted, 1);
    midiMixer.SetValue(2, 0, before);
}

TEST_F(Win32MidiMixer, WithoutAnAudioServerOpeningFailsCleanly) {
    if (!std::getenv("ORVANE_NO_AUDIO_SERVER")) GTEST_SKIP() << "an audio server may be reachable on this run";
    EXPECT_EQ(mixerGetNumDevs(), 0u);
    TMidiMixer midiMixer(nullptr, mixer, ui.app, true, -2);
    EXPECT_FALSE(midiMixer.Active());
    for (unsigned slot = 0; slot < MixerSlotCount; ++slot) {
        EXPECT_FALSE(midiMixer.HasControl(slot)) << slot;
        EXPECT_EQ(midiMixer.GetValue(slot, 0), 0u) << slot;
    }
}

} // namespace
} // namespace orvane::actions
