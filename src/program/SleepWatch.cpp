#include "program/SleepWatch.h"

namespace orvane::program {

SleepWatch::Step SleepWatch::PowerEvent(std::uintptr_t event) {
    switch (event) {
    case power::kSuspend:
        if (asleep_) return Step::None;
        asleep_ = true;
        woken_ = false;
        // A restart still waiting is the sleep's business now.
        restartDue_ = false;
        return Step::Sleep;
    case power::kResumeCritical:
        // A critical sleep is not announced: this wake-up is new even after
        // an earlier one.
        woken_ = false;
        [[fallthrough]];
    case power::kResumeSuspend:
    case power::kResumeAutomatic:
        // The second message of the same wake-up only comes after the
        // restart, or while it is still waiting: nothing more to do.
        if (woken_ && !restartDue_) return Step::None;
        asleep_ = false;
        woken_ = true;
        restartDue_ = true;
        return Step::Wake;
    default:
        return Step::None;
    }
}

bool SleepWatch::TakeRestart() {
    const bool due = restartDue_;
    restartDue_ = false;
    return due;
}

} // namespace orvane::program
