#include "actions/CommandDispatch.h"

#include <algorithm>

namespace orvane::actions {

core::TLayout* MatchLayout(const core::Configuration& model, std::string_view title) {
    for (std::size_t i = 1; i < model.Layouts.size(); ++i) {
        core::TLayout& layout = *model.Layouts[i];
        if (!layout.WndTitle.empty() && title.find(layout.WndTitle) != std::string_view::npos) return &layout;
    }
    return nullptr;
}

core::TAction* AdvanceTriggers(const core::Configuration& model, core::TCommand& command,
                               const core::TLayout* matched) {
    const core::TLayout* defaultLayout = &model.DefaultLayout();
    core::TAction* firedDefault = nullptr;
    core::TAction* firedMatched = nullptr;
    for (core::TAction* action : command.TriggeredActions) {
        if (action->Layout != defaultLayout && (!matched || action->Layout != matched)) continue;
        const auto count = static_cast<std::int32_t>(action->Triggers.size());
        if (action->TrigPos < 0 || action->TrigPos >= count) {
            action->TrigPos = 0;
            continue;
        }
        // The command that breaks an AND sequence does not start it again.
        if (action->Triggers[static_cast<std::size_t>(action->TrigPos)] != &command && action->TrigType != 1) {
            action->TrigPos = 0;
            continue;
        }
        if (action->TrigEn != 0) {
            action->TrigPos = 0;
            continue;
        }
        if (++action->TrigPos >= count || action->TrigType == 1) {
            action->TrigPos = 0;
            (action->Layout == defaultLayout ? firedDefault : firedMatched) = action;
        }
    }

    // An AND sequence completes only when its commands come one after the
    // other, with no command of another action between them.
    const auto& own = command.TriggeredActions;
    for (core::TCommand* other : model.Commands) {
        if (other == &command) continue;
        for (core::TAction* action : other->TriggeredActions)
            if (std::find(own.begin(), own.end(), action) == own.end())
                action->TrigPos = action->Triggers.empty() ? -1 : 0;
    }
    return firedMatched ? firedMatched : firedDefault;
}

bool AdvanceActIndex(core::TAction& action) {
    if (action.ActIndex + 1 < static_cast<std::int32_t>(action.Actions.size())) {
        ++action.ActIndex;
        return action.AllAtOnce;
    }
    action.ActIndex = 0;
    return false;
}

} // namespace orvane::actions
