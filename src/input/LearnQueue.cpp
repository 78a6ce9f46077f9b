#include "input/LearnQueue.h"

#include "input/Recognition.h"

#include <algorithm>

namespace orvane::input {

bool TLearnQueue::IsHandshakeAnswer(const core::TCommand& sample) {
    return sample.CodeHigh() == 1 && sample.Code[0] == 'O' && sample.Code[1] == 'K';
}

int TLearnQueue::Take(const core::TCommand& sample, const RecognitionSettings& settings) {
    if (Count < kSlots - 1) ++Count;
    TInQueueArray& slot = Slots[static_cast<std::size_t>(Count)];
    slot.Sequence.Code = sample.Code;
    slot.Match = Count == 0 || CompareSequences(Slots[0].Sequence, slot.Sequence, settings);
    return Count;
}

bool TLearnQueue::Acceptable() const {
    int agreeing = 0;
    for (int i = 0; i <= Count; ++i)
        if (Slots[static_cast<std::size_t>(i)].Match) ++agreeing;
    return agreeing >= 2;
}

bool TLearnQueue::MergeInto(core::TCommand& command) const {
    const TInQueueArray* shortest = nullptr;
    for (int i = 0; i <= Count; ++i) {
        const TInQueueArray& slot = Slots[static_cast<std::size_t>(i)];
        // A full-length sample may have been cut at the last position; it
        // never sets the length.
        if (!slot.Match || slot.Sequence.CodeHigh() < 0 || slot.Sequence.CodeHigh() >= core::kMaxCodeIndex) continue;
        if (!shortest || slot.Sequence.CodeHigh() < shortest->Sequence.CodeHigh()) shortest = &slot;
    }
    if (!shortest) return false;
    const std::int32_t last = shortest->Sequence.CodeHigh();
    command.Code = shortest->Sequence.Code;
    for (int i = 0; i <= Count; ++i) {
        const TInQueueArray& slot = Slots[static_cast<std::size_t>(i)];
        if (!slot.Match || slot.Sequence.CodeHigh() < last) continue;
        // Widened: two values near the ends of the range must not overflow;
        // the quotient of a 64-bit division rounds toward zero.
        for (std::int32_t j = 0; j <= last; ++j)
            command.Code[j] = static_cast<std::int32_t>(
                (static_cast<std::int64_t>(command.Code[j]) + slot.Sequence.Code[j]) / 2);
    }
    return true;
}

} // namespace orvane::input
