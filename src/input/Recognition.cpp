#include "input/Recognition.h"

#include "feedback/LogFile.h"
#include "feedback/TrayFlash.h"
#include "ui/Timer.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cstdint>

namespace orvane::input {

namespace {

bool Matches(std::int32_t a, std::int32_t b, const RecognitionSettings& s) {
    if (s.binary) return (a < s.binaryThreshold) == (b < s.binaryThreshold);
    // Widened, so that values near the ends of the range still match their
    // equals instead of the bounds wrapping round.
    const std::int64_t difference = static_cast<std::int64_t>(b) - a;
    return difference >= -static_cast<std::int64_t>(s.tolerance) && difference <= s.tolerance;
}

} // namespace

bool CompareSequences(const core::TCommand& stored, const core::TCommand& incoming, const RecognitionSettings& s) {
    if (stored.CodeHigh < 0 || incoming.CodeHigh < 0) return false;
    if (s.sameLength && stored.CodeHigh != incoming.CodeHigh) return false;
    std::int32_t last = std::min(stored.CodeHigh, incoming.CodeHigh);
    if (s.lengthLimit > 0 && s.lengthLimit <= last) last = s.lengthLimit;
    if (last <= 1) return stored.Code[0] == incoming.Code[0];
    for (std::int32_t i = std::max(s.skipFirst, 0); i <= last; ++i)
        if (!Matches(stored.Code[i], incoming.Code[i], s)) return false;
    return true;
}

void Recognizer::Process(const std::vector<core::TCommand*>& commands) {
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
    for (core::TCommand* command : commands) {
        if (l_.typematicTimer.Enabled()) {
            windowOpen = true;
            break;
        }
        if (command->Enabled && CompareSequences(*command, l_.incoming, settings)) {
            recognized = command;
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
