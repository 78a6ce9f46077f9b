#include "input/SequenceCapture.h"

#include "input/ComPort.h"
#include "platform/Clock.h"
#include "ui/Timer.h"

#include <algorithm>

namespace orvane::input {

namespace {
// The receiver's handshake is through: its data is a remote's code.
constexpr int kReceiverReady = 3;
} // namespace

std::int32_t PulseMicroseconds(std::int64_t now, std::int64_t lastEdge, std::int64_t frequency) {
    const auto ticks = static_cast<std::int32_t>(static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(lastEdge));
    const auto perSecond = static_cast<std::int32_t>(static_cast<std::uint32_t>(frequency));
    if (perSecond == 0) return 0;
    // In whole numbers: the fraction's truncation is exact, where a
    // floating-point quotient would sometimes land a microsecond short.
    const std::int64_t remainder = static_cast<std::int64_t>(ticks) % perSecond;
    return static_cast<std::int32_t>(remainder * 1'000'000 / perSecond);
}

void SequenceCapture::ReceiveBytes(TComPort& port, int waiting) {
    port.ReadText(bytes_, waiting, true);
    if (l_.serialInitState != kReceiverReady) return;
    // The up-down keeps it within 1 to 4; anything else would never end the loop.
    const std::size_t size = static_cast<std::size_t>(std::clamp(l_.valueSize(), 1, 4));
    const std::size_t count = bytes_.size();
    for (std::size_t start = 0; start < count; start += size) {
        std::uint32_t value = 0;
        for (std::size_t i = start; i < start + size; ++i)
            value = (value << 8) | (i < count ? static_cast<unsigned char>(bytes_[i]) : 0u);
        AppendToSequence(l_.incoming, static_cast<std::int32_t>(value));
    }
    ValuesAdded();
}

void SequenceCapture::CarrierChanged(TComPort& port) {
    if (!port.CarrierDetected()) return;
    const std::int64_t now = l_.clock.PerformanceCounter();
    const std::int64_t previous = l_.lastEdgeTime;
    // Stored first: a failing repeat must not make the next pulse measure
    // from an older edge.
    l_.lastEdgeTime = now;
    if (previous == 0) return;
    AppendToSequence(l_.incoming, PulseMicroseconds(now, previous, l_.counterFrequency));
    ValuesAdded();
}

void SequenceCapture::ValuesAdded() {
    // Data after the first of a sequence, while a typematic command's window
    // is open, is that command held down.
    if (l_.irTimer.Enabled() && l_.typematicActive) {
        l_.typematicTimer.SetEnabled(false);
        l_.typematicTimer.SetEnabled(true);
        l_.repeatLastCommand();
    }
    l_.irTimer.SetEnabled(true);
}

void SequenceCapture::EndSequence() {
    l_.irTimer.SetEnabled(false);
    if (l_.showInTestViewer && l_.showInTestViewer(l_.incoming)) return;
    l_.processSequence();
}

} // namespace orvane::input
