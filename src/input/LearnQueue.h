#pragma once
// The samples of one learning run: up to four presses of the same button,
// each marked with whether it agrees with the first. The fifth and later
// presses replace the fourth. Accepting merges the agreeing samples into a
// command's code.
#include "core/Model.h"
#include "input/RecognitionSettings.h"

#include <array>

namespace orvane::input {

// One sample: a data sequence, and whether it agrees with slot 0.
struct TInQueueArray {
    core::TCommand Sequence;
    bool Match = false;
};

struct TLearnQueue {
    static constexpr int kSlots = 4;
    std::array<TInQueueArray, kSlots> Slots;
    // Index of the last filled slot; -1 while there is none.
    int Count = -1;

    void Reset() { Count = -1; }
    // The serial receiver's answer "OK" to its greeting: never a sample.
    static bool IsHandshakeAnswer(const core::TCommand& sample);
    // Stores a sample in the next slot (slot 3 once all are full) and marks
    // whether it agrees with slot 0; returns the slot.
    int Take(const core::TCommand& sample, const RecognitionSettings& settings);
    // Slot 0 always agrees with itself: a second agreeing sample is needed.
    bool Acceptable() const;
    // The learned code: the shortest agreeing sample (the lower slot on a
    // tie), then a running pairwise average with every agreeing slot in
    // order, rounding toward zero. False, and the command unchanged, when no
    // agreeing sample qualifies.
    bool MergeInto(core::TCommand& command) const;
};

} // namespace orvane::input
