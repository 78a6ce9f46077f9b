#pragma once
// The system's sleep and wake-up, as the origins see them. Going to sleep,
// the origins that run are stopped, so that nothing talks to a device that
// is about to vanish; waking up, they are started again once the devices
// have had a moment to come back. Windows announces one wake-up with several
// messages (automatic, then again when the user is present), and a critical
// sleep with none at all: each wake-up restarts the origins once.
#include <cstdint>

namespace orvane::program {

// WM_POWERBROADCAST and the events of its wParam that matter here.
namespace power {
inline constexpr unsigned kBroadcast = 0x0218;
inline constexpr std::uintptr_t kSuspend = 4;
inline constexpr std::uintptr_t kResumeCritical = 6;
inline constexpr std::uintptr_t kResumeSuspend = 7;
inline constexpr std::uintptr_t kResumeAutomatic = 0x12;
} // namespace power

class SleepWatch {
public:
    enum class Step {
        None,
        // Stop the origins now and remember which ran.
        Sleep,
        // (Re)arm the wait before the restart.
        Wake,
    };

    // One power broadcast.
    Step PowerEvent(std::uintptr_t event);
    // The wait after a wake-up is over: true once per wake-up.
    bool TakeRestart();
    // Someone switched the origins meanwhile: that choice stands.
    void Cancel() { restartDue_ = false; }
    bool RestartDue() const { return restartDue_; }

private:
    bool asleep_ = false;
    // A wake-up since the last sleep was seen already.
    bool woken_ = false;
    bool restartDue_ = false;
};

} // namespace orvane::program
