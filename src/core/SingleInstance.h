#pragma once
// Finding windows by title, and ending a copy of the program that is already
// running: a new copy looks for a window whose title contains the program
// title and posts it the quit message.
#include "platform/WindowSystem.h"

#include <string>

namespace orvane::core {

// The first top-level window, from the top of the z-order down, whose title
// contains part; 0 for none.
platform::WindowHandle FindWindowByTitlePart(platform::WindowSystem& windows, const std::string& part);
// The first top-level window whose title is exactly title; 0 for none.
platform::WindowHandle FindWindowByTitle(platform::WindowSystem& windows, const std::string& title);

// Posts the quit message to the window of a running copy, if there is one.
// Returns whether one was found.
bool EndRunningCopy(platform::WindowSystem& windows, const std::string& programTitle);

} // namespace orvane::core
