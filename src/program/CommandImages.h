#pragma once
// The pictures of the commands tree: a remote, a command without code, one
// whose recognition is off, one whose recognition is on, and any command
// while selected.
#include "core/Model.h"
#include "ui/ImageList.h"

namespace orvane::program {

inline constexpr int kRemoteImage = 0;
inline constexpr int kNoCodeImage = 1;
inline constexpr int kRecognitionOffImage = 2;
inline constexpr int kRecognitionOnImage = 3;
inline constexpr int kSelectedCommandImage = 4;

// The image a command's node shows while not selected.
inline int CommandImage(const core::TCommand& command) {
    return command.CodeHigh() < 0 ? kNoCodeImage : command.Enabled ? kRecognitionOnImage : kRecognitionOffImage;
}

// Gives the list its five pictures, 16 by 16 pixels.
void DrawCommandImages(ui::TImageList& images);

} // namespace orvane::program
