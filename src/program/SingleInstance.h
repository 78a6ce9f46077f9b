#pragma once
// Ending a copy of the program that is already running: a new copy looks for
// a window whose title contains the program title and posts it the quit
// message.
#include "platform/WindowSystem.h"

#include <string>

namespace orvane::program {

// Posts the quit message to the window of a running copy, if there is one.
// Returns whether one was found.
bool EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle);

} // namespace orvane::program
