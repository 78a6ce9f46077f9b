#pragma once
// Ending a copy of the program that is already running: a new copy looks for
// a window whose title contains the program title and asks it to close, as
// its user would, so that it asks about unsaved changes first.
#include "platform/WindowSystem.h"

#include <cstdint>
#include <string>

namespace orvane::program {

enum class RunningCopy {
    None,   // no copy was running
    Ended,  // it closed within the wait
    Stayed, // it is still there (its user kept it, or has not answered yet)
};

// How long a starting copy waits for the running one to answer its question.
inline constexpr std::uint32_t kRunningCopyWait = 60000;

// Asks the window of a running copy, if there is one, to close, and waits at
// most `wait` milliseconds for that copy to end.
RunningCopy EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle, std::uint32_t wait);

} // namespace orvane::program
