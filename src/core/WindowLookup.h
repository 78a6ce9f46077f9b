#pragma once
// Finding top-level windows by their title, in Z order: the single-instance
// rule and the actions that name their destination window use the same search.
#include "platform/WindowSystem.h"

#include <string>

namespace orvane::core {

// The first top-level window whose title contains the text.
platform::WindowHandle FindWindowByTitlePart(platform::WindowSystem& windows, const std::string& part);
// The first top-level window whose title is exactly the text.
platform::WindowHandle FindWindowByTitle(platform::WindowSystem& windows, const std::string& title);

} // namespace orvane::core
