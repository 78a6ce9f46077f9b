#include "program/CommandImages.h"

#include <string>
#include <vector>

namespace orvane::program {
namespace {

// A remote control: grey body, red power key, a display and rows of keys.
const std::vector<std::string> kRemote = {
    "....kkkkkkkk....",
    "...kggggggggk...",
    "...kgrrgwwwgk...",
    "...kgrrgwwwgk...",
    "...kggggggggk...",
    "...kglglglggk...",
    "...kggggggggk...",
    "...kglglglggk...",
    "...kggggggggk...",
    "...kglglglggk...",
    "...kggggggggk...",
    "...kgbbbbbbgk...",
    "...kggggggggk...",
    "...kggggggggk...",
    "....kkkkkkkk....",
    "................",
};

// A round key; X is its colour, h its shine, o its rim.
const std::vector<std::string> kKey = {
    "................",
    "................",
    ".....oooooo.....",
    "....oXXXXXXo....",
    "...oXhhXXXXXo...",
    "..oXhhXXXXXXXo..",
    "..oXhXXXXXXXXo..",
    "..oXXXXXXXXXXo..",
    "..oXXXXXXXXXXo..",
    "..oXXXXXXXXXXo..",
    "..oXXXXXXXXXXo..",
    "...oXXXXXXXXo...",
    "....oXXXXXXo....",
    ".....oooooo.....",
    "................",
    "................",
};

std::vector<std::string> Key(char colour, char shine, char rim) {
    std::vector<std::string> rows = kKey;
    for (std::string& row : rows)
        for (char& c : row) c = c == 'X' ? colour : c == 'h' ? shine : c == 'o' ? rim : c;
    return rows;
}

} // namespace

void DrawCommandImages(ui::TImageList& images) {
    images.SetSize(16, 16);
    images.SetCount(5);
    images.SetPalette({
        {'k', 0x000000},
        {'g', 0x808080},
        {'l', 0xC0C0C0},
        {'w', 0xFFFFFF},
        {'r', 0x0000E0},
        {'b', 0xC06000},
        {'G', 0x00B000},
        {'y', 0x00D8FF},
        {'R', 0x000080},
        {'D', 0x006000},
        {'Y', 0x0080A0},
    });
    images.SetPicture(kRemoteImage, kRemote);
    // Not learned yet: an empty key with a grey rim.
    images.SetPicture(kNoCodeImage, Key('w', 'w', 'g'));
    images.SetPicture(kRecognitionOffImage, Key('r', 'w', 'R'));
    images.SetPicture(kRecognitionOnImage, Key('G', 'w', 'D'));
    images.SetPicture(kSelectedCommandImage, Key('y', 'w', 'Y'));
}

} // namespace orvane::program
