#include "input/RecognitionSettings.h"

#include "settings/SettingsForm.h"

namespace orvane::input {

RecognitionSettings ReadRecognitionSettings(const settings::TSettingsForm& dialog) {
    RecognitionSettings s;
    s.skipFirst = dialog.SkipFirstUpDwn.Position();
    s.tolerance = dialog.ToleranceUpDwn.Position();
    s.lengthLimit = dialog.LengthUpDwn.Position();
    s.valueSize = dialog.ValueSizeUpDwn.Position();
    s.sameLength = dialog.SameLengthChBx.Checked();
    s.binary = dialog.BinaryChBx.Checked();
    s.binaryThreshold = dialog.BinaryUpDwn.Position();
    return s;
}

} // namespace orvane::input
