#pragma once
// The settings that recognition works with, taken from the settings dialog's
// controls at each press, so that a change made there applies to the next one.
#include <cstdint>

namespace orvane::settings {
class TSettingsForm;
}

namespace orvane::input {

// Defaults are the first-run values.
struct RecognitionSettings {
    // Positions before this one are not compared.
    std::int32_t skipFirst = 0;
    // The largest difference at which two values count as equal.
    std::int32_t tolerance = 10;
    // Above 0: the last position compared.
    std::int32_t lengthLimit = 0;
    // Bytes of serial data per value, 1 to 4.
    int valueSize = 1;
    // Sequences of different length never match.
    bool sameLength = false;
    // Values compare only as below or not below the threshold.
    bool binary = false;
    std::int32_t binaryThreshold = 127;
};

// The Recognition tab's up-down positions and check boxes, as they are now.
RecognitionSettings ReadRecognitionSettings(const settings::TSettingsForm& dialog);

} // namespace orvane::input
