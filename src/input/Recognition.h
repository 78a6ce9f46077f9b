#pragma once
// Recognition: a completed data sequence, from any origin, goes to learning
// while the learning dialog takes samples, or is compared with the code of
// every command in creation order. The first enabled command that matches is
// written to the log and handed to dispatch; a typematic one then keeps
// further sequences from being recognised for a while.
#include "core/Model.h"
#include "input/RecognitionSettings.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace orvane::ui {
class TTimer;
class TTreeView;
} // namespace orvane::ui
namespace orvane::feedback {
class TrayFlash;
}

namespace orvane::input {

// Whether an incoming sequence matches a stored code. Sequences of one or two
// values (or a length limit of 1) match only on an equal first value; longer
// ones compare positions from "Skip first" to the shorter end or the length
// limit, each within the tolerance or, in binary mode, on the same side of
// the threshold. An empty sequence never matches.
bool CompareSequences(const core::TCommand& stored, const core::TCommand& incoming,
                      const RecognitionSettings& settings);
// The same on the values alone.
bool CompareCodes(std::span<const std::int32_t> stored, std::span<const std::int32_t> incoming,
                  const RecognitionSettings& settings);

class Recognizer {
public:
    // The main window's fields and components it works on, and what it asks
    // of the rest of the program.
    struct Links {
        core::TCommand& incoming;
        core::TCommand*& lastCommand;
        bool& typematicActive;
        const bool& logEnabled;
        ui::TTimer& typematicTimer;
        ui::TTreeView& commandsTree;
        feedback::TrayFlash& activity;
        std::function<RecognitionSettings()> settings;
        std::function<const std::string&()> logFileName;
        // Dispatches the command; false when the command no longer exists
        // afterwards (an action opened another configuration or deleted it).
        std::function<bool(core::TCommand& command)> dispatch;
        // True when the learning dialog took the sequence as a sample; none
        // while there is no learning.
        std::function<bool(core::TCommand& sample)> takeLearningSample;
    };

    explicit Recognizer(Links links) : l_(std::move(links)) {}

    // ProcessDataSequence: recognises the incoming sequence among the
    // configuration's commands (none without one) and empties it, however
    // that ends.
    void Process(core::Configuration* model);

    // TypematicTimerTimer: the repeat window of a typematic command closes.
    void EndTypematicWindow();

private:
    RecognitionSettings Settings() const { return l_.settings ? l_.settings() : RecognitionSettings{}; }
    void WriteLogLine(const core::TCommand& command);

    Links l_;
};

} // namespace orvane::input
