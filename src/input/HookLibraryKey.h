#pragma once
// Each copy of the program writes the keyboard hook library out with a key of
// its own: the library derives the name of its shared block and the check of
// the target window from it, so that no other program can guess the one or
// forge the other.
#include "input/Bytes.h"
#include "platform/Random.h"

namespace orvane::input {

// Puts fresh random bytes into the key's place in the library's stored data.
// False, with the data unchanged, when the data lacks that place or has it
// more than once, or the system gave no random bytes; the library written
// from it then refuses to start its hook.
bool GiveHookLibraryKey(Bytes& fileData, platform::RandomSource& random);

} // namespace orvane::input
