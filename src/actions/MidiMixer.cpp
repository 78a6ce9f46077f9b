#include "actions/MidiMixer.h"

#include "core/Exception.h"
#include "ui/Application.h"

#include <algorithm>
#include <vector>

namespace orvane::actions {
namespace {

using platform::MixerLine;
using platform::MixerResult;
namespace line_type = platform::mixer_line;
namespace control_type = platform::mixer_control;

// A driver's counts are believed only this far.
constexpr std::uint32_t kMaxLines = 256;
constexpr std::uint32_t kMaxChannels = 32;
constexpr unsigned kMasterSlot = 2;

// The source lines in the order they are looked for, with their slot pair.
struct SourceSlot {
    std::uint32_t componentType;
    unsigned slot;
};
constexpr SourceSlot kSources[] = {
    {line_type::SourceSynthesizer, 0}, {line_type::SourceLine, 6},       {line_type::SourceCompactDisc, 10},
    {line_type::SourceWaveOut, 12},    {line_type::SourceMicrophone, 8}, {line_type::SourceUndefined, 14},
    {line_type::SourceDigital, 16},    {line_type::SourceTelephone, 18}, {line_type::SourcePcSpeaker, 20},
    {line_type::SourceAuxiliary, 22},  {line_type::SourceAnalog, 24},
};

const char* ErrorText(std::uint32_t code) {
    static const char* const kSystem[] = {
        "Unspecified error",
        "Device ID out of range",
        "Driver failed enable",
        "Device already allocated",
        "Device handle is invalid",
        "No device driver present",
        "Memory allocation error",
        "Function isn't supported",
        "Error value out of range",
        "Invalid flag passed",
        "Invalid parameter passed",
        "Handle being used simultaneously on another thread (eg callback)",
        "Specified alias not found",
        "Bad registry database",
        "Registry key not found",
        "Registry read error",
        "Registry write error",
        "Registry delete error",
        "Registry value not found",
        "Driver does not call DriverCallback",
    };
    static const char* const kMixer[] = {"Invalid Mixer Line", "Invalid Mixer Control", "Invalid Mixer Value"};
    if (code >= 1 && code <= 20) return kSystem[code - 1];
    if (code >= 1024 && code <= 1026) return kMixer[code - 1024];
    return "Unknown error";
}

} // namespace

std::string MixerErrorMessage(std::uint32_t code, const std::string& function) {
    const char* kind = code >= 1 && code <= 20 ? "System" : code >= 1024 && code <= 1026 ? "Mixer" : "Unknown";
    return std::string("Multimedia ") + kind + " Error " + std::to_string(code) + " - " + ErrorText(code) + " in " +
           function;
}

TMidiMixer::TMidiMixer(ui::Component* owner, platform::Mixer& mixer, ui::Application& app, bool active,
                       int midiDeviceId)
    : Component(owner, "MidiMixer"), mixer_(mixer), app_(app), midiDeviceId_(midiDeviceId) {
    if (active) Open();
}

TMidiMixer::~TMidiMixer() {
    destroying_ = true;
    Close();
}

void TMidiMixer::SetActive(bool active) {
    if (active == active_) return;
    if (active)
        Open();
    else
        Close();
}

void TMidiMixer::SetMidiDeviceID(int id) {
    if (id == midiDeviceId_) return;
    const bool wasActive = active_;
    Close();
    midiDeviceId_ = id;
    if (wasActive) Open();
}

void TMidiMixer::Open() {
    Close();
    std::unique_ptr<platform::MixerDevice> device;
    const bool midiOut = midiDeviceId_ != -2;
    const MixerResult opened = mixer_.Open(
        midiOut ? midiDeviceId_ : 0, midiOut, [this](std::uint32_t controlId) { ControlChanged(controlId); }, device);
    if (opened != platform::mixer_result::NoError || !device) return;

    std::uint32_t destinations = 0;
    if (device->DestinationCount(destinations) != platform::mixer_result::NoError) return;

    // The master line is the first speakers destination; without one, the
    // last destination stands in for it and no source line is looked for.
    MixerLine master;
    bool examined = false, speakers = false;
    for (std::uint32_t d = 0; d < std::min(destinations, kMaxLines) && !speakers; ++d) {
        MixerLine line;
        if (device->DestinationLine(d, line) != platform::mixer_result::NoError) continue;
        master = line;
        examined = true;
        speakers = line.componentType == line_type::Speakers;
    }

    try {
        if (examined) {
            LookUp(*device, kMasterSlot, master, control_type::Volume);
            LookUp(*device, kMasterSlot + 1, master, control_type::Mute);
            LookUp(*device, kMasterSlot + 2, master, control_type::Treble);
            LookUp(*device, kMasterSlot + 3, master, control_type::Bass);
        }
        if (speakers) {
            for (const SourceSlot& source : kSources) {
                for (std::uint32_t s = 0; s < std::min(master.connections, kMaxLines); ++s) {
                    MixerLine line;
                    if (device->SourceLine(master.destination, s, line) != platform::mixer_result::NoError ||
                        line.componentType != source.componentType)
                        continue;
                    LookUp(*device, source.slot, line, control_type::Volume);
                    LookUp(*device, source.slot + 1, line, control_type::Mute);
                    break;
                }
            }
        }
    } catch (...) {
        // The device closes with the half-filled slots.
        Clear();
        throw;
    }

    device_ = std::move(device);
    for (Slot& slot : slots_)
        if (slot.available) ReadSlot(slot);
    active_ = true;
}

void TMidiMixer::LookUp(platform::MixerDevice& device, unsigned slot, const MixerLine& line,
                        std::uint32_t controlType) {
    Slot& target = slots_[slot];
    const MixerResult result = device.ControlByType(line.lineId, controlType, target.control);
    if (result == platform::mixer_result::NoError) {
        target.available = true;
        target.channels = std::min(line.channels, kMaxChannels);
        return;
    }
    target = Slot{};
    // Wine answers "not supported" for a control type that the line lacks,
    // where Windows says "invalid control": both mean there is none.
    if (result != platform::mixer_result::InvalidLine && result != platform::mixer_result::InvalidControl &&
        result != platform::mixer_result::NotSupported)
        throw EMMError(MixerErrorMessage(result, "mixerGetLineControls"));
}

void TMidiMixer::Close() {
    device_.reset();
    active_ = false;
    Clear();
}

void TMidiMixer::Clear() { slots_.fill(Slot{}); }

std::uint32_t TMidiMixer::ChannelsOf(const Slot& slot) {
    return slot.control.flags & control_type::Uniform ? 1 : slot.channels;
}

void TMidiMixer::ReadSlot(Slot& slot) {
    if (!slot.available) {
        slot.values[0] = slot.values[1] = 0;
        return;
    }
    if (!device_) return;
    std::vector<std::uint32_t> values;
    const std::uint32_t channels = ChannelsOf(slot);
    if (device_->GetValues(slot.control.controlId, channels, values) != platform::mixer_result::NoError ||
        values.empty())
        return;
    slot.values[0] = values[0];
    slot.values[1] = values.size() > 1 ? values[1] : values[0];
}

const TMidiMixer::Slot* TMidiMixer::At(unsigned slot) const {
    slot &= 0x7F;
    return slot < MixerSlotCount ? &slots_[slot] : nullptr;
}

TMidiMixer::Slot* TMidiMixer::At(unsigned slot) {
    slot &= 0x7F;
    return slot < MixerSlotCount ? &slots_[slot] : nullptr;
}

bool TMidiMixer::HasControl(unsigned slot) const {
    const Slot* s = At(slot);
    return s && s->available;
}

std::string TMidiMixer::ControlName(unsigned slot) const {
    const Slot* s = At(slot);
    return s ? s->control.name : std::string();
}

std::uint32_t TMidiMixer::GetValue(unsigned slot, unsigned channel) const {
    const Slot* s = At(slot);
    channel &= 0x7F;
    return s && channel < 2 ? s->values[channel] : 0;
}

std::uint32_t TMidiMixer::GetMin(unsigned slot) const {
    const Slot* s = At(slot);
    return s ? s->control.minimum : 0;
}

std::uint32_t TMidiMixer::GetMax(unsigned slot) const {
    const Slot* s = At(slot);
    return s ? s->control.maximum : 0;
}

void TMidiMixer::SetValue(unsigned slot, unsigned channel, std::uint32_t value) {
    Slot* found = At(slot);
    channel &= 0x7F;
    if (!found || !found->available || channel > 1 || found->values[channel] == value) return;
    Slot& target = *found;
    const std::uint32_t channels = ChannelsOf(target);
    if (channels == 1)
        target.values[0] = target.values[1] = value;
    else
        target.values[channel] = value;
    if (!device_) return;
    // Channels past the second take the right channel's value.
    std::vector<std::uint32_t> values(std::max<std::uint32_t>(channels, 1), target.values[1]);
    values[0] = target.values[0];
    device_->SetValues(target.control.controlId, values); // a failed write is not reported
}

void TMidiMixer::ControlChanged(std::uint32_t controlId) {
    app_.Dispatch([&] {
        for (unsigned slot = 0; slot < MixerSlotCount; ++slot) {
            if (!slots_[slot].available || slots_[slot].control.controlId != controlId) continue;
            ReadSlot(slots_[slot]);
            if (!destroying_ && OnControlChange) OnControlChange(this, slot);
            return;
        }
    });
}

} // namespace orvane::actions
