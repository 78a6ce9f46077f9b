#pragma once
// The system's audio mixer the way the mixerOpen family shows it: an open
// device with destination lines, each destination with its source lines
// (connections), and controls looked up on a line by their type. Values go
// in and out one per channel (the value form of the control details). Result
// numbers are MMRESULT's; a control changed by anyone while the device is
// open is reported on the user-interface thread (MM_MIXM_CONTROL_CHANGE).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::platform {

// MMRESULT: 0 is success.
using MixerResult = std::uint32_t;

namespace mixer_result {
inline constexpr MixerResult NoError = 0;
inline constexpr MixerResult BadDeviceId = 2;        // MMSYSERR_BADDEVICEID
inline constexpr MixerResult NotSupported = 8;       // MMSYSERR_NOTSUPPORTED
inline constexpr MixerResult InvalidParameter = 11;  // MMSYSERR_INVALPARAM
inline constexpr MixerResult InvalidLine = 1024;     // MIXERR_INVALLINE
inline constexpr MixerResult InvalidControl = 1025;  // MIXERR_INVALCONTROL
} // namespace mixer_result

namespace mixer_line {
inline constexpr std::uint32_t Speakers = 4;           // MIXERLINE_COMPONENTTYPE_DST_SPEAKERS
inline constexpr std::uint32_t SourceUndefined = 0x1000;
inline constexpr std::uint32_t SourceDigital = 0x1001;
inline constexpr std::uint32_t SourceLine = 0x1002;
inline constexpr std::uint32_t SourceMicrophone = 0x1003;
inline constexpr std::uint32_t SourceSynthesizer = 0x1004;
inline constexpr std::uint32_t SourceCompactDisc = 0x1005;
inline constexpr std::uint32_t SourceTelephone = 0x1006;
inline constexpr std::uint32_t SourcePcSpeaker = 0x1007;
inline constexpr std::uint32_t SourceWaveOut = 0x1008;
inline constexpr std::uint32_t SourceAuxiliary = 0x1009;
inline constexpr std::uint32_t SourceAnalog = 0x100A;
} // namespace mixer_line

namespace mixer_control {
inline constexpr std::uint32_t Volume = 0x50030001; // MIXERCONTROL_CONTROLTYPE_VOLUME
inline constexpr std::uint32_t Bass = 0x50030002;
inline constexpr std::uint32_t Treble = 0x50030003;
inline constexpr std::uint32_t Mute = 0x20010002;
inline constexpr std::uint32_t Uniform = 0x1; // MIXERCONTROL_CONTROLF_UNIFORM
} // namespace mixer_control

// What mixerGetLineInfoA tells of a line.
struct MixerLine {
    std::uint32_t destination = 0; // the destination's index
    std::uint32_t source = 0;      // the source's index on its destination
    std::uint32_t lineId = 0;
    std::uint32_t componentType = 0;
    std::uint32_t channels = 0;
    std::uint32_t connections = 0; // a destination's source count
    std::uint32_t controls = 0;
    std::string name;              // the long name
};

// What mixerGetLineControlsA tells of one control (MIXERCONTROLA).
struct MixerControl {
    std::uint32_t controlId = 0;
    std::uint32_t controlType = 0;
    std::uint32_t flags = 0;
    std::string name; // the long name, at most 63 characters
    std::uint32_t minimum = 0;
    std::uint32_t maximum = 0;
};

// An open mixer device; destroying it closes it (mixerClose), and no change
// is reported from then on.
class MixerDevice {
public:
    virtual ~MixerDevice() = default;
    // mixerGetDevCapsA: the number of destination lines.
    virtual MixerResult DestinationCount(std::uint32_t& count) = 0;
    // mixerGetLineInfoA by destination index.
    virtual MixerResult DestinationLine(std::uint32_t destination, MixerLine& line) = 0;
    // mixerGetLineInfoA by source index on a destination.
    virtual MixerResult SourceLine(std::uint32_t destination, std::uint32_t source, MixerLine& line) = 0;
    // mixerGetLineControlsA for the line's one control of that type.
    virtual MixerResult ControlByType(std::uint32_t lineId, std::uint32_t controlType, MixerControl& control) = 0;
    // mixerGetControlDetailsA, value form: one value per channel asked for.
    virtual MixerResult GetValues(std::uint32_t controlId, std::uint32_t channels,
                                  std::vector<std::uint32_t>& values) = 0;
    // mixerSetControlDetails, value form: one value per channel given.
    virtual MixerResult SetValues(std::uint32_t controlId, const std::vector<std::uint32_t>& values) = 0;
};

// Called with the control's identifier on the user-interface thread.
using MixerChangeHandler = std::function<void(std::uint32_t controlId)>;

class Mixer {
public:
    virtual ~Mixer() = default;
    // mixerOpen with a callback window: the mixer device of that number, or,
    // with midiOut, the mixer of the MIDI output device of that number. On
    // success device holds the open device.
    virtual MixerResult Open(std::int32_t deviceId, bool midiOut, MixerChangeHandler onControlChange,
                             std::unique_ptr<MixerDevice>& device) = 0;
};

} // namespace orvane::platform
