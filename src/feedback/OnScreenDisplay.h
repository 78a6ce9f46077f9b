#pragma once
// The on-screen display: one line of text drawn straight on the screen, in
// the middle, for the display time. What was under the text is copied away
// first and put back when the time ends (or every window repaints, with
// "OSD repaint"); a new text first puts back what the old one covered, so two
// texts never overlap.
#include "platform/Screen.h"
#include "ui/Graphics.h"
#include "ui/Timer.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace orvane::feedback {

// The OSD settings, read from the settings dialog at every display.
struct OSDOptions {
    bool showRemote = false, showCommand = false, showAction = false;
    int background = 0; // 0 transparent, 1 black, anything else white
    int displayTime = 1000;
    bool repaint = true;
    ui::TFont font;
};

class TOnScreenDisplay {
public:
    // timer is the main window's OSDShowTimer; its OnTimer is set here.
    TOnScreenDisplay(platform::Screen& screen, ui::TTimer& timer, std::function<OSDOptions()> options);

    void ShowOSD(const std::string& text);
    // Removes the text shown: a sender (the timer) means the display time
    // ended, and with "OSD repaint" every window repaints instead.
    void OSDShowTimerTimer(ui::Component* sender);
    // The text of a recognised command: the remote, the command and the
    // action named as the settings ask, joined by ", ", with OSDSuffix. Shown
    // when it is not empty.
    void AnnounceCommand(const std::string& remote, const std::string& command, const std::string* action);

    // Shown after the next announcement of a command; cleared by ShowOSD.
    std::string OSDSuffix;
    // The screen area of the text shown.
    ui::Rect OSDRect;
    bool Displayed() const { return OSDBackground != nullptr; }

private:
    platform::Screen& screen_;
    ui::TTimer& timer_;
    std::function<OSDOptions()> options_;
    std::unique_ptr<platform::ScreenCopy> OSDBackground;
};

// The screen font of a font description.
platform::ScreenFont ScreenFontOf(const ui::TFont& font);

} // namespace orvane::feedback
