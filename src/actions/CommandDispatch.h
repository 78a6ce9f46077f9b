#pragma once
// What a recognised command sets going: the layout chosen by the window in
// front, the trigger progress of every action, and the action that fires. No
// window, timer or executor here: the main window reads the foreground title,
// announces the command and runs the chosen action.
#include "core/Model.h"

#include <string_view>

namespace orvane::actions {

// A foreground title is read into this many characters.
inline constexpr std::size_t kForegroundTitleLength = 200;

// The first layout after the default one whose window title fragment occurs in
// the title, with case; none when no fragment does. An empty fragment never
// matches, and the application name takes no part.
core::TLayout* MatchLayout(const core::Configuration& model, std::string_view title);

// Advances the triggers of the command's actions that belong to the default or
// the matched layout, resets the progress of every action with triggers that
// the command does not trigger, and returns the action to run: the matched
// layout's firing action, else the default layout's, else none.
core::TAction* AdvanceTriggers(core::Configuration& model, core::TCommand& command,
                               const core::TLayout* matched);

// After a description of the action ran: the index of the next one, wrapping
// to the first after the last. True when an "all at once" chain goes on.
bool AdvanceActIndex(core::TAction& action);

} // namespace orvane::actions
