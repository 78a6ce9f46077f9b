#include "platform/win32/Win32Mixer.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace orvane::platform::win32 {
namespace {

const char kMixerWindowClass[] = "OrvaneMixerWindow";

std::string Text(const char* text, std::size_t size) { return std::string(text, strnlen(text, size)); }

void Convert(const MIXERLINEA& from, MixerLine& to) {
    to.destination = from.dwDestination;
    to.source = from.dwSource;
    to.lineId = from.dwLineID;
    to.componentType = from.dwComponentType;
    to.channels = from.cChannels;
    to.connections = from.cConnections;
    to.controls = from.cControls;
    to.name = Text(from.szName, sizeof(from.szName));
}

} // namespace

struct Win32Mixer::State {
    HWND window = nullptr;
    std::map<HMIXER, MixerChangeHandler> handlers;
};

namespace {

LRESULT CALLBACK MixerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != MM_MIXM_CONTROL_CHANGE) return DefWindowProcA(window, message, wParam, lParam);
    auto* state = reinterpret_cast<Win32Mixer::State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!state) return 0;
    auto it = state->handlers.find(reinterpret_cast<HMIXER>(wParam));
    // Left over from a device closed since it was posted.
    if (it == state->handlers.end() || !it->second) return 0;
    // A copy: the handler may close its own device.
    const MixerChangeHandler handler = it->second;
    try {
        handler(static_cast<std::uint32_t>(lParam));
    } catch (...) {
        // The handler runs through the application's dispatch point; whatever
        // still comes out of it must not pass the system's frames.
        OutputDebugStringA("A mixer change handler raised an exception");
    }
    return 0;
}

class Win32MixerDevice : public MixerDevice {
public:
    Win32MixerDevice(std::shared_ptr<Win32Mixer::State> state, HMIXER mixer)
        : state_(std::move(state)), mixer_(mixer) {}
    Win32MixerDevice(const Win32MixerDevice&) = delete;
    Win32MixerDevice& operator=(const Win32MixerDevice&) = delete;

    ~Win32MixerDevice() override {
        state_->handlers.erase(mixer_);
        mixerClose(mixer_);
    }

    MixerResult DestinationCount(std::uint32_t& count) override {
        MIXERCAPSA caps{};
        const MMRESULT result = mixerGetDevCapsA(reinterpret_cast<UINT_PTR>(mixer_), &caps, sizeof(caps));
        if (result == MMSYSERR_NOERROR) count = caps.cDestinations;
        return result;
    }

    MixerResult DestinationLine(std::uint32_t destination, MixerLine& line) override {
        MIXERLINEA info{};
        info.cbStruct = sizeof(info);
        info.dwDestination = destination;
        return LineInfo(info, MIXER_GETLINEINFOF_DESTINATION, line);
    }

    MixerResult SourceLine(std::uint32_t destination, std::uint32_t source, MixerLine& line) override {
        MIXERLINEA info{};
        info.cbStruct = sizeof(info);
        info.dwDestination = destination;
        info.dwSource = source;
        return LineInfo(info, MIXER_GETLINEINFOF_SOURCE, line);
    }

    MixerResult ControlByType(std::uint32_t lineId, std::uint32_t controlType, MixerControl& control) override {
        MIXERCONTROLA found{};
        found.cbStruct = sizeof(found);
        MIXERLINECONTROLSA controls{};
        controls.cbStruct = sizeof(controls);
        controls.dwLineID = lineId;
        controls.dwControlType = controlType;
        controls.cControls = 1;
        controls.cbmxctrl = sizeof(found);
        controls.pamxctrl = &found;
        const MMRESULT result = mixerGetLineControlsA(Object(), &controls,
                                                      MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER);
        if (result != MMSYSERR_NOERROR) return result;
        control.controlId = found.dwControlID;
        control.controlType = found.dwControlType;
        control.flags = found.fdwControl;
        control.name = Text(found.szName, sizeof(found.szName));
        control.minimum = found.Bounds.dwMinimum;
        control.maximum = found.Bounds.dwMaximum;
        return result;
    }

    MixerResult GetValues(std::uint32_t controlId, std::uint32_t channels,
                          std::vector<std::uint32_t>& values) override {
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> read(std::max<std::uint32_t>(channels, 1));
        MIXERCONTROLDETAILS details = Details(controlId, channels, read.data());
        const MMRESULT result =
            mixerGetControlDetailsA(Object(), &details, MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER);
        if (result != MMSYSERR_NOERROR) return result;
        values.assign(channels, 0);
        for (std::uint32_t i = 0; i < channels; ++i) values[i] = read[i].dwValue;
        return result;
    }

    MixerResult SetValues(std::uint32_t controlId, const std::vector<std::uint32_t>& values) override {
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> written(std::max<std::size_t>(values.size(), 1));
        for (std::size_t i = 0; i < values.size(); ++i) written[i].dwValue = values[i];
        MIXERCONTROLDETAILS details = Details(controlId, static_cast<DWORD>(values.size()), written.data());
        return mixerSetControlDetails(Object(), &details, MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER);
    }

private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }

    MixerResult LineInfo(MIXERLINEA& info, DWORD how, MixerLine& line) {
        const MMRESULT result = mixerGetLineInfoA(Object(), &info, how | MIXER_OBJECTF_HMIXER);
        if (result == MMSYSERR_NOERROR) Convert(info, line);
        return result;
    }

    static MIXERCONTROLDETAILS Details(std::uint32_t controlId, DWORD channels, MIXERCONTROLDETAILS_UNSIGNED* values) {
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof(details);
        details.dwControlID = controlId;
        details.cChannels = channels;
        details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
        details.paDetails = values;
        return details;
    }

    std::shared_ptr<Win32Mixer::State> state_;
    HMIXER mixer_;
};

} // namespace

Win32Mixer::Win32Mixer() : state_(std::make_shared<State>()) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MixerWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMixerWindowClass;
    RegisterClassA(&windowClass); // already registered by an earlier instance is fine
    state_->window = CreateWindowExA(0, kMixerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    if (state_->window) SetWindowLongPtrA(state_->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_.get()));
}

Win32Mixer::~Win32Mixer() {
    if (!state_->window) return;
    SetWindowLongPtrA(state_->window, GWLP_USERDATA, 0);
    DestroyWindow(state_->window);
    state_->window = nullptr;
}

MixerResult Win32Mixer::Open(std::int32_t deviceId, bool midiOut, MixerChangeHandler onControlChange,
                             std::unique_ptr<MixerDevice>& device) {
    if (!state_->window) return MMSYSERR_ERROR;
    HMIXER mixer = nullptr;
    const DWORD flags = CALLBACK_WINDOW | (midiOut ? MIXER_OBJECTF_MIDIOUT : 0);
    const MMRESULT result = mixerOpen(&mixer, static_cast<UINT>(deviceId), reinterpret_cast<DWORD_PTR>(state_->window),
                                      0, flags);
    if (result != MMSYSERR_NOERROR) return result;
    state_->handlers[mixer] = std::move(onControlChange);
    device = std::make_unique<Win32MixerDevice>(state_, mixer);
    return result;
}

} // namespace orvane::platform::win32
