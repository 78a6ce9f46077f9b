#pragma once
#include "platform/Sound.h"

namespace orvane::platform::win32 {

class Win32SoundPlayer : public SoundPlayer {
public:
    bool PlayFile(const std::string& fileName) override;
};

} // namespace orvane::platform::win32
