#pragma once
// The mixerOpen family. Every open device reports its control changes to one
// hidden message-only window of the user-interface thread (CALLBACK_WINDOW),
// which hands each to the device's handler.
#include "platform/Mixer.h"

#include <memory>

namespace orvane::platform::win32 {

class Win32Mixer : public Mixer {
public:
    // Must be made on the user-interface thread: its window receives the changes.
    Win32Mixer();
    ~Win32Mixer() override;
    Win32Mixer(const Win32Mixer&) = delete;
    Win32Mixer& operator=(const Win32Mixer&) = delete;

    MixerResult Open(std::int32_t deviceId, bool midiOut, MixerChangeHandler onControlChange,
                     std::unique_ptr<MixerDevice>& device) override;

    // Shared by the service, its window and its open devices, so that a
    // device may outlive the service without harm.
    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace orvane::platform::win32
