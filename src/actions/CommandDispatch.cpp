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

core::TAction* AdvanceTriggers(core::Configuration& model, core::TCommand& command,
                               const core::TLayout* matched) {
    const auto& own = command.TriggeredActions;
    const auto triggeredHere = [&](const core::TAction* action) {
        return std::find(own.begin(), own.end(), action) != own.end();
    };
    // An AND sequence completes only when its commands come one after the
    // other, with no command of another action between them. Only a sequence
    // left part-way can need it; one whose triggers are all gone is no
    // command's any more and keeps its place.
    for (core::TAction* action : model.PartlyAdvanced)
        if (!triggeredHere(action) && !action->Triggers.empty()) action->TrigPos = 0;
    model.PartlyAdvanced.clear();

    const core::TLayout* defaultLayout = &model.DefaultLayout();
    core::TAction* firedDefault = nullptr;
    core::TAction* firedMatched = nullptr;
    for (core::TAction* action : own) {
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
    // Those of another layout keep their place too, until another command.
    for (core::TAction* action : own)
        if (action->TrigPos > 0) model.PartlyAdvanced.push_back(action);
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
