#include "fakes/FakeMixer.h"

#include <stdexcept>

namespace orvane::fakes {

using platform::MixerResult;
namespace result = platform::mixer_result;

class FakeMixerDevice : public platform::MixerDevice {
public:
    FakeMixerDevice(FakeMixer& mixer, std::int32_t device) : mixer_(mixer), device_(device) {}
    ~FakeMixerDevice() override {
        mixer_.handlers_.erase(device_);
        mixer_.log.push_back("mixerClose " + std::to_string(device_));
    }

    MixerResult DestinationCount(std::uint32_t& count) override {
        count = 0;
        for (const auto& line : mixer_.lines_)
            if (line.device == device_ && !line.isSource) ++count;
        return result::NoError;
    }

    MixerResult DestinationLine(std::uint32_t destination, platform::MixerLine& line) override {
        for (const auto& candidate : mixer_.lines_)
            if (candidate.device == device_ && !candidate.isSource && candidate.line.destination == destination) {
                line = candidate.line;
                return result::NoError;
            }
        return result::InvalidLine;
    }

    MixerResult SourceLine(std::uint32_t destination, std::uint32_t source, platform::MixerLine& line) override {
        for (const auto& candidate : mixer_.lines_)
            if (candidate.device == device_ && candidate.isSource && candidate.line.destination == destination &&
                candidate.line.source == source) {
                line = candidate.line;
                return result::NoError;
            }
        return result::InvalidLine;
    }

    MixerResult ControlByType(std::uint32_t lineId, std::uint32_t controlType,
                              platform::MixerControl& control) override {
        if (mixer_.controlLookupFailure) return mixer_.controlLookupFailure;
        const FakeMixer::Line* line = mixer_.FindLine(lineId);
        if (!line || line->device != device_) return result::InvalidLine;
        for (const auto& candidate : mixer_.controls_)
            if (candidate.lineId == lineId && candidate.description.controlType == controlType) {
                control = candidate.description;
                return result::NoError;
            }
        return result::InvalidControl;
    }

    MixerResult GetValues(std::uint32_t controlId, std::uint32_t channels,
                          std::vector<std::uint32_t>& values) override {
        mixer_.log.push_back("mixerGetControlDetails " + std::to_string(controlId) + " " + std::to_string(channels));
        FakeMixer::Control* control = mixer_.FindControl(device_, controlId);
        if (!control) return result::InvalidControl;
        if (channels == 0 || channels > control->values.size()) return result::InvalidParameter;
        values.assign(control->values.begin(), control->values.begin() + channels);
        return result::NoError;
    }

    MixerResult SetValues(std::uint32_t controlId, const std::vector<std::uint32_t>& values) override {
        std::string entry = "mixerSetControlDetails ";
        entry += std::to_string(controlId);
        for (std::uint32_t value : values) (entry += ' ') += std::to_string(value);
        mixer_.log.push_back(entry);
        FakeMixer::Control* control = mixer_.FindControl(device_, controlId);
        if (!control) return result::InvalidControl;
        return FakeMixer::Store(*control, values);
    }

private:
    FakeMixer& mixer_;
    std::int32_t device_;
};

std::int32_t FakeMixer::AddDevice() { return devices_++; }

std::uint32_t FakeMixer::AddDestination(std::int32_t device, std::uint32_t componentType, std::string name,
                                        std::uint32_t channels) {
    Line line{device, {}, 0, false};
    std::uint32_t index = 0;
    for (const auto& other : lines_)
        if (other.device == device && !other.isSource) ++index;
    line.line = {index, 0, nextId_++, componentType, channels, 0, 0, std::move(name)};
    lines_.push_back(line);
    return line.line.lineId;
}

std::uint32_t FakeMixer::AddSource(std::uint32_t destinationLine, std::uint32_t componentType, std::string name,
                                   std::uint32_t channels) {
    Line* destination = FindLine(destinationLine);
    if (!destination || destination->isSource) throw std::logic_error("FakeMixer: no such destination");
    const std::uint32_t source = destination->line.connections++;
    Line line{destination->device, {}, destinationLine, true};
    line.line = {destination->line.destination, source, nextId_++, componentType, channels, 0, 0, std::move(name)};
    lines_.push_back(line);
    return line.line.lineId;
}

std::uint32_t FakeMixer::AddControl(std::uint32_t lineId, std::uint32_t controlType, std::string name,
                                    std::uint32_t flags, std::uint32_t minimum, std::uint32_t maximum,
                                    std::uint32_t value) {
    Line* line = FindLine(lineId);
    if (!line) throw std::logic_error("FakeMixer: no such line");
    ++line->line.controls;
    Control control{lineId, {nextId_++, controlType, flags, std::move(name), minimum, maximum},
                    std::vector<std::uint32_t>(line->line.channels ? line->line.channels : 1, value)};
    controls_.push_back(control);
    return control.description.controlId;
}

FakeMixer::WineLikeDevice FakeMixer::AddWineLikeDevice() {
    using namespace platform;
    WineLikeDevice made{AddDevice(), 0, 0};
    const std::uint32_t master = AddDestination(made.device, mixer_line::Speakers, "Master Volume", 2);
    made.masterVolume = AddControl(master, mixer_control::Volume, "Volume", mixer_control::Uniform, 0, 65535, 65535);
    made.masterMute = AddControl(master, mixer_control::Mute, "Mute", mixer_control::Uniform, 0, 1, 0);
    const std::uint32_t wave = AddSource(master, mixer_line::SourceWaveOut, "Wave Out", 2);
    AddControl(wave, mixer_control::Volume, "Volume", mixer_control::Uniform, 0, 65535, 65535);
    AddControl(wave, mixer_control::Mute, "Mute", mixer_control::Uniform, 0, 1, 0);
    return made;
}

void FakeMixer::ChangeFromOutside(std::uint32_t controlId, const std::vector<std::uint32_t>& values) {
    for (auto& control : controls_) {
        if (control.description.controlId != controlId) continue;
        Store(control, values);
        const std::int32_t device = FindLine(control.lineId)->device;
        auto found = handlers_.find(device);
        if (found == handlers_.end() || !found->second) return;
        // A copy: the handler may close its own device.
        const platform::MixerChangeHandler handler = found->second;
        handler(controlId);
        return;
    }
    throw std::logic_error("FakeMixer: no such control");
}

const std::vector<std::uint32_t>& FakeMixer::Values(std::uint32_t controlId) const {
    for (const auto& control : controls_)
        if (control.description.controlId == controlId) return control.values;
    throw std::logic_error("FakeMixer: no such control");
}

MixerResult FakeMixer::Open(std::int32_t deviceId, bool midiOut, platform::MixerChangeHandler onControlChange,
                            std::unique_ptr<platform::MixerDevice>& device) {
    log.push_back("mixerOpen " + std::to_string(deviceId) + (midiOut ? " midi" : ""));
    if (openFailure) return openFailure;
    std::int32_t number = deviceId;
    if (midiOut) {
        auto found = midiOutMixers.find(deviceId);
        if (found == midiOutMixers.end()) return result::BadDeviceId;
        number = found->second;
    }
    if (number < 0 || number >= devices_) return result::BadDeviceId;
    handlers_[number] = std::move(onControlChange);
    device = std::make_unique<FakeMixerDevice>(*this, number);
    return result::NoError;
}

FakeMixer::Line* FakeMixer::FindLine(std::uint32_t lineId) {
    for (auto& line : lines_)
        if (line.line.lineId == lineId) return &line;
    return nullptr;
}

FakeMixer::Control* FakeMixer::FindControl(std::int32_t device, std::uint32_t controlId) {
    for (auto& control : controls_)
        if (control.description.controlId == controlId && FindLine(control.lineId)->device == device)
            return &control;
    return nullptr;
}

// One value sets every channel, as for a uniform control; otherwise one per channel.
MixerResult FakeMixer::Store(Control& control, const std::vector<std::uint32_t>& values) {
    if (values.size() == 1 || (control.description.flags & platform::mixer_control::Uniform)) {
        if (values.empty()) return result::InvalidParameter;
        control.values.assign(control.values.size(), values[0]);
        return result::NoError;
    }
    if (values.size() != control.values.size()) return result::InvalidParameter;
    control.values = values;
    return result::NoError;
}

} // namespace orvane::fakes
