#pragma once
// Registers ".orv" configuration files with the shell, so that opening one
// starts the program with the file as its first argument.
#include "platform/Registry.h"
#include "platform/Shell.h"

namespace orvane::program {

void RegisterFileType(platform::Registry& registry, platform::Shell& shell);

} // namespace orvane::program
