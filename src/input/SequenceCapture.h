#pragma once
// The serial origin's half of the data sequence: received bytes cut into
// values, or the time between rising edges of the carrier-detect line, added
// to the incoming sequence as they arrive. The sequence ends when IRTimer
// fires, 125 ms after its first value (300 ms while learning). Data arriving
// while a typematic command's repeat window is open repeats that command.
#include "core/Model.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvane::platform {
class Clock;
}
namespace orvane::ui {
class TTimer;
}

namespace orvane::input {

class TComPort;

// Adds a value at the next position; once position 1000 holds one, further
// values of the same sequence are dropped.
inline void AppendToSequence(core::TCommand& sequence, std::int32_t value) {
    if (sequence.CodeHigh() < core::kMaxCodeIndex) sequence.Append(value);
}

// The time between two performance counter readings in microseconds, whole
// seconds left out, as the receiver's codes were learned: the low 32 bits of
// the difference over the low 32 bits of the frequency, both taken as signed
// 32-bit numbers, and the fraction of that truncated to microseconds. A
// frequency whose low 32 bits are 0 gives 0.
std::int32_t PulseMicroseconds(std::int64_t now, std::int64_t lastEdge, std::int64_t frequency);

class SequenceCapture {
public:
    // The main window's fields and timers it works on, and what it asks of
    // the rest of the program.
    struct Links {
        platform::Clock& clock;
        ui::TTimer& irTimer;
        ui::TTimer& typematicTimer;
        core::TCommand& incoming;
        // 3 once the receiver has answered the handshake.
        const int& serialInitState;
        const std::int64_t& counterFrequency;
        std::int64_t& lastEdgeTime;
        const bool& typematicActive;
        // "Value size", read at each call.
        std::function<int()> valueSize;
        // Dispatches the command recognised last once more.
        std::function<void()> repeatLastCommand;
        // ProcessDataSequence.
        std::function<void()> processSequence;
        // True when the origin test viewer is open: it has shown the
        // sequence and emptied it. None while there is no viewer.
        std::function<bool(core::TCommand& sequence)> showInTestViewer;
    };

    explicit SequenceCapture(Links links) : l_(std::move(links)) {}

    // ComPortRxChar: reads the waiting bytes, which are dropped until the
    // receiver is ready. Grouping into values starts afresh at each call; the
    // missing low-order bytes of a short last group count as 0.
    void ReceiveBytes(TComPort& port, int waiting);
    // ComPortRLSD: a rising edge adds the time since the previous one; the
    // first edge ever adds nothing, falling edges are ignored.
    void CarrierChanged(TComPort& port);
    // IRTimerTimer: the sequence is complete.
    void EndSequence();

private:
    void ValuesAdded();

    Links l_;
    // Reused for every read, so that receiving allocates nothing.
    std::string bytes_;
};

} // namespace orvane::input
