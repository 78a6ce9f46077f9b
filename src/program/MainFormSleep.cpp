// The origins through the system's sleep: stopped as it goes to sleep,
// started again a moment after it wakes up, once per wake-up.
#include "program/MainForm.h"

#include <exception>
#include <utility>

namespace orvane::program {

void TMainForm::PowerBroadcast(std::uintptr_t event, std::intptr_t) {
    switch (sleepWatch_.PowerEvent(event)) {
    case SleepWatch::Step::Sleep:
        ResumeTimer.SetEnabled(false);
        SleepOrigins();
        break;
    case SleepWatch::Step::Wake:
        // The wait counts from the last message of the wake-up.
        ResumeTimer.SetEnabled(false);
        ResumeTimer.SetEnabled(true);
        break;
    case SleepWatch::Step::None:
        break;
    }
}

void TMainForm::SleepOrigins() {
    // Stopped already by a sleep whose restart is still waiting.
    if (slept_) return;
    slept_ = SleptOrigins{originRunning_, EnableOriginMenu.Checked() || originsLost_};
    IncomingSequence.Clear();
    const auto slots = OriginSlots();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!originRunning_[i]) continue;
        originRunning_[i] = false;
        try {
            (this->*slots[i].routine)(false);
        } catch (const std::exception&) {
            // Stopped all the same. A box now would hold the system's
            // suspend; the restart opens everything afresh.
        }
    }
}

void TMainForm::ResumeTimerTimer(ui::Component*) {
    ResumeTimer.SetEnabled(false);
    if (!sleepWatch_.TakeRestart()) return;
    // A sleep nobody announced: what runs now ran before it, on devices
    // that may be gone.
    SleepOrigins();
    const SleptOrigins slept = *std::exchange(slept_, std::nullopt);
    // The switch's own way, with its messages, menu and status text.
    if (slept.switchedOn) {
        SwitchOrigins(true);
        return;
    }
    // Origins running without the switch: the test viewer's choice, or the
    // others after one was lost.
    originFailure_ = nullptr;
    const auto slots = OriginSlots();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!slept.running[i]) continue;
        try {
            originRunning_[i] = (this->*slots[i].routine)(true);
        } catch (const std::exception&) {
            originRunning_[i] = false;
            NoteOriginFailure();
        }
    }
    ShowOriginFailure();
}

void TMainForm::CancelResume() {
    sleepWatch_.Cancel();
    slept_.reset();
    ResumeTimer.SetEnabled(false);
}

} // namespace orvane::program
