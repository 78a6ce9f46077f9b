#include "platform/win32/Win32Sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace orvane::platform::win32 {

bool Win32SoundPlayer::PlayFile(const std::string& fileName) {
    // Without SND_NODEFAULT: a missing file still gives the default sound.
    return PlaySoundA(fileName.c_str(), nullptr, SND_ASYNC | SND_FILENAME) != FALSE;
}

} // namespace orvane::platform::win32
