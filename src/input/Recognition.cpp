#include "input/Recognition.h"

#include "feedback/LogFile.h"
#include "feedback/TrayFlash.h"
#include "ui/Timer.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cstdint>

namespace orvane::input {

namespace {

// A press is compared with every command, so the comparison goes a block of
// positions at a time, without a branch per value, in a form the compiler
// turns into vector instructions. A block's verdict is that of its values
// one by one; the next block is read only when every value so far passed.
constexpr std::int32_t kBlock = 32;

// Whether any position differs by more than the tolerance (0 or more). The
// distance, the larger value less the smaller taken unsigned, is exact over
// the whole range. It exceeds a tolerance below 2^31 exactly when it has bit
// 31 set itself, or else when the tolerance less it does: a comparison
// written as arithmetic, which vectorises where a compared flag does not.
std::uint32_t OutsideTolerance(const std::int32_t* a, const std::int32_t* b, std::int32_t count,
                               std::uint32_t tolerance) {
    std::uint32_t outside = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint32_t distance =
            static_cast<std::uint32_t>(std::max(a[i], b[i])) - static_cast<std::uint32_t>(std::min(a[i], b[i]));
        outside |= (distance | (tolerance - distance)) >> 31;
    }
    return outside;
}

bool OnOtherSides(const std::int32_t* a, const std::int32_t* b, std::int32_t count, std::int32_t threshold) {
    bool other = false;
    for (std::int32_t i = 0; i < count; ++i) other |= (a[i] < threshold) != (b[i] < threshold);
    return other;
}

} // namespace

bool CompareCodes(std::span<const std::int32_t> stored, std::span<const std::int32_t> incoming,
                  const RecognitionSettings& s) {
    if (stored.empty() || incoming.empty()) return false;
    if (s.sameLength && stored.size() != incoming.size()) return false;
    auto last = static_cast<std::int32_t>(std::min(stored.size(), incoming.size())) - 1;
    if (s.lengthLimit > 0 && s.lengthLimit <= last) last = s.lengthLimit;
    if (last <= 1) return stored[0] == incoming[0];
    const std::int32_t first = std::max(s.skipFirst, 0);
    if (first > last) return true;
    if (!s.binary && s.tolerance < 0) return false; // no value passes
    // Every index up to last is within both codes: read them unchecked.
    const std::int32_t* a = stored.data() + first;
    const std::int32_t* b = incoming.data() + first;
    const std::int32_t count = last - first + 1;
    for (std::int32_t done = 0; done < count; done += kBlock) {
        const std::int32_t n = std::min(kBlock, count - done);
        const bool differs = s.binary ? OnOtherSides(a + done, b + done, n, s.binaryThreshold)
                                      : OutsideTolerance(a + done, b + done, n, static_cast<std::uint32_t>(s.tolerance));
        if (differs) return false;
    }
    return true;
}

bool CompareSequences(const core::TCommand& stored, const core::TCommand& incoming, const RecognitionSettings& s) {
    return CompareCodes(stored.Code.Values(), incoming.Code.Values(), s);
}

void Recognizer::Process(core::Configuration* model) {
    // A failed log line or dispatch must not leave its values in front of
    // the next press.
    struct Emptied {
        core::TCommand& sequence;
        ~Emptied() { sequence.Clear(); }
    } emptied{l_.incoming};

    if (l_.takeLearningSample && l_.takeLearningSample(l_.incoming)) return;
    l_.activity.Start();

    const RecognitionSettings settings = Settings();
    core::TCommand* recognized = nullptr;
    bool windowOpen = false;
    // The codes are read from the configuration's index of them; a command
    // itself is looked at only when its code matches.
    const std::span<const std::int32_t> press = l_.incoming.Code.Values();
    const core::CodeIndex* codes = model ? &model->Codes() : nullptr;
    for (const core::CodeIndex::Entry& entry : codes ? codes->Entries() : std::span<const core::CodeIndex::Entry>()) {
        if (l_.typematicTimer.Enabled()) {
            windowOpen = true;
            break;
        }
        if (CompareCodes(codes->Code(entry), press, settings) && entry.command->Enabled) {
            recognized = entry.command;
            break;
        }
    }

    if (!recognized) {
        // No command stays shown as selected for a code that matches none.
        if (!windowOpen) l_.commandsTree.SetSelected(nullptr);
        return;
    }
    if (l_.logEnabled) WriteLogLine(*recognized);
    // Read first: an action's pending messages may replace the configuration
    // while it is dispatched; a command gone meanwhile is not kept to repeat.
    const bool typematic = recognized->Typematic;
    const bool stillThere = l_.dispatch(*recognized);
    l_.lastCommand = stillThere ? recognized : nullptr;
    if (typematic) {
        l_.typematicTimer.SetEnabled(true);
        l_.typematicActive = true;
    }
}

void Recognizer::EndTypematicWindow() {
    l_.typematicTimer.SetEnabled(false);
    l_.typematicActive = false;
}

void Recognizer::WriteLogLine(const core::TCommand& command) {
    const ui::TTreeNode* node = l_.commandsTree.Items().Item(command.NodeIndex);
    const ui::TTreeNode* remote = node->Parent();
    static const std::string kNoRemote;
    feedback::AppendLogLine(l_.logFileName(), remote ? remote->Text() : kNoRemote, node->Text());
}

} // namespace orvane::input
