#pragma once
// Scripted mixer devices: destination lines with their sources, controls on
// any line with values per channel, a log of the calls made, and changes made
// "from outside" that reach the open device's handler at once.
#include "platform/Mixer.h"

#include <map>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeMixer : public platform::Mixer {
public:
    // A new device; returns its number.
    std::int32_t AddDevice();
    // Lines; each returns the new line's identifier.
    std::uint32_t AddDestination(std::int32_t device, std::uint32_t componentType, std::string name,
                                 std::uint32_t channels);
    std::uint32_t AddSource(std::uint32_t destinationLine, std::uint32_t componentType, std::string name,
                            std::uint32_t channels);
    // A control on a line, every channel at value; returns its identifier.
    std::uint32_t AddControl(std::uint32_t lineId, std::uint32_t controlType, std::string name, std::uint32_t flags,
                             std::uint32_t minimum, std::uint32_t maximum, std::uint32_t value);
    // The mixer Wine shows over a PulseAudio null sink: speakers "Master
    // Volume" (2 channels) with a uniform volume "Volume" 0..65535 and a
    // mute "Mute", and one wave-out source.
    struct WineLikeDevice {
        std::int32_t device;
        std::uint32_t masterVolume, masterMute;
    };
    WineLikeDevice AddWineLikeDevice();

    // The mixer of a MIDI output device.
    std::map<std::int32_t, std::int32_t> midiOutMixers;
    // Answers every Open, or every control lookup, with this instead, when not 0.
    platform::MixerResult openFailure = 0;
    platform::MixerResult controlLookupFailure = 0;

    // A change made by someone else: takes the values (one per channel, or
    // one for all) and reports it to the device's handler when it is open.
    void ChangeFromOutside(std::uint32_t controlId, const std::vector<std::uint32_t>& values);
    // The values a control holds now, one per channel of its line.
    const std::vector<std::uint32_t>& Values(std::uint32_t controlId) const;
    int OpenDevices() const { return static_cast<int>(handlers_.size()); }

    // "mixerOpen DEVICE[ midi]", "mixerGetControlDetails ID CHANNELS",
    // "mixerSetControlDetails ID VALUE...", "mixerClose DEVICE".
    std::vector<std::string> log;

    platform::MixerResult Open(std::int32_t deviceId, bool midiOut, platform::MixerChangeHandler onControlChange,
                               std::unique_ptr<platform::MixerDevice>& device) override;

private:
    friend class FakeMixerDevice;
    struct Line {
        std::int32_t device;
        platform::MixerLine line;
        std::uint32_t destinationLine; // for a source: its destination's identifier
        bool isSource;
    };
    struct Control {
        std::uint32_t lineId;
        platform::MixerControl description;
        std::vector<std::uint32_t> values;
    };
    Line* FindLine(std::uint32_t lineId);
    Control* FindControl(std::int32_t device, std::uint32_t controlId);
    static platform::MixerResult Store(Control& control, const std::vector<std::uint32_t>& values);

    std::int32_t devices_ = 0;
    std::vector<Line> lines_;
    std::vector<Control> controls_;
    std::map<std::int32_t, platform::MixerChangeHandler> handlers_; // by open device
    std::uint32_t nextId_ = 0x100;
};

} // namespace orvane::fakes
