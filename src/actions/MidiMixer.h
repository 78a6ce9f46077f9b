#pragma once
// TMidiMixer: the volume actions' view of the system mixer. It opens one
// mixer device, finds the master output line and the usual source lines, and
// keeps 26 slots, each one control (volume, mute, treble or bass of one line)
// with its bounds and its value on two channels, cached:
//
//   0, 1 synthesizer      2-5 master: volume, mute, treble, bass
//   6, 7 line             8, 9 microphone      10, 11 compact disc
//   12, 13 wave out       14, 15 undefined     16, 17 digital
//   18, 19 telephone      20, 21 PC speaker    22, 23 auxiliary
//   24, 25 analog         (each pair: volume, mute)
//
// A control changed outside the program refreshes its slot and raises
// OnControlChange, through the application's dispatch point.
#include "platform/Mixer.h"
#include "ui/Component.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace orvane::ui {
class Application;
}

namespace orvane::actions {

inline constexpr unsigned MixerSlotCount = 26;

using TMixerNotifyEvent = std::function<void(ui::Component* sender, unsigned slot)>;

// "Multimedia %s Error %d - %s in %s": the kind, the code, the code's text and
// the failing function.
std::string MixerErrorMessage(std::uint32_t code, const std::string& function);

class TMidiMixer : public ui::Component {
public:
    // active and midiDeviceId are the stored state, applied as the component
    // is loaded: it opens at once when active.
    TMidiMixer(ui::Component* owner, platform::Mixer& mixer, ui::Application& app, bool active = true,
               int midiDeviceId = -1);
    ~TMidiMixer() override;

    // The device is open. Setting it opens or closes; an open that fails
    // leaves it false with every slot unavailable.
    bool Active() const { return active_; }
    void SetActive(bool active);
    // -2 is mixer device 0; any other value a MIDI output device whose mixer
    // is opened. A change closes, and reopens when it was open.
    int MidiDeviceID() const { return midiDeviceId_; }
    void SetMidiDeviceID(int id);

    TMixerNotifyEvent OnControlChange;

    // Slots and channels use their low 7 bits; a slot beyond the 26 or a
    // channel beyond 1 is unavailable and reads 0.
    bool HasControl(unsigned slot) const;
    std::string ControlName(unsigned slot) const;
    std::uint32_t GetValue(unsigned slot, unsigned channel) const;
    // Changes one channel; nothing reaches the mixer when the cache already
    // holds the value. A uniform control's two channels change together.
    void SetValue(unsigned slot, unsigned channel, std::uint32_t value);
    std::uint32_t GetMin(unsigned slot) const;
    std::uint32_t GetMax(unsigned slot) const;

private:
    struct Slot {
        bool available = false;
        platform::MixerControl control;
        std::uint32_t channels = 0; // of the control's line
        std::uint32_t values[2] = {0, 0};
    };

    void Open();
    void Close();
    void Clear();
    void LookUp(platform::MixerDevice& device, unsigned slot, const platform::MixerLine& line,
                std::uint32_t controlType);
    void ReadSlot(Slot& slot);
    void ControlChanged(std::uint32_t controlId);
    const Slot* At(unsigned slot) const;
    Slot* At(unsigned slot);
    // The channels a control is read and written with.
    static std::uint32_t ChannelsOf(const Slot& slot);

    platform::Mixer& mixer_;
    ui::Application& app_;
    bool active_ = false;
    int midiDeviceId_;
    bool destroying_ = false;
    std::unique_ptr<platform::MixerDevice> device_;
    std::array<Slot, MixerSlotCount> slots_;
};

} // namespace orvane::actions
