#pragma once
// The files asked to play, in order.
#include "platform/Sound.h"

#include <string>
#include <vector>

namespace orvane::fakes {

class FakeSoundPlayer : public platform::SoundPlayer {
public:
    std::vector<std::string> played;

    bool PlayFile(const std::string& fileName) override {
        played.push_back(fileName);
        return true;
    }
};

} // namespace orvane::fakes
