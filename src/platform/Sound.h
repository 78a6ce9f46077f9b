#pragma once
// Sound playback: a WAV file played in the background.
#include <string>

namespace orvane::platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // PlaySound with a file name, asynchronously: returns at once, ending the
    // sound played before. A file that cannot be found plays the system's
    // default sound. False when nothing could be played.
    virtual bool PlayFile(const std::string& fileName) = 0;
};

} // namespace orvane::platform
