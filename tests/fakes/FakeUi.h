#pragma once
// An application on fake services: timers on a manual clock, scripted
// dialogs and an in-memory file list. Declared last, the application goes
// first, so forms may still show dialogs while they are destroyed.
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileLister.h"
#include "fakes/FakeTimers.h"
#include "ui/Application.h"

namespace orvane::fakes {

struct FakeUi {
    FakeTimers timers;
    FakeDialogs dialogs;
    FakeFileLister files;
    ui::Application app{ui::UiServices{timers, dialogs, files}};
};

} // namespace orvane::fakes
