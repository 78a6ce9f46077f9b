#include "feedback/OnScreenDisplay.h"

namespace orvane::feedback {

platform::ScreenFont ScreenFontOf(const ui::TFont& font) {
    return {font.name,
            font.color,
            font.size,
            (font.style & ui::fsBold) != 0,
            (font.style & ui::fsItalic) != 0,
            (font.style & ui::fsUnderline) != 0,
            (font.style & ui::fsStrikeOut) != 0};
}

TOnScreenDisplay::TOnScreenDisplay(platform::Screen& screen, ui::TTimer& timer, std::function<OSDOptions()> options)
    : screen_(screen), timer_(timer), options_(std::move(options)) {
    timer_.SetEnabled(false);
    timer_.OnTimer = [this](ui::Component* sender) { OSDShowTimerTimer(sender); };
}

void TOnScreenDisplay::ShowOSD(const std::string& text) {
    if (timer_.Enabled()) OSDShowTimerTimer(nullptr);
    const OSDOptions options = options_();
    const platform::ScreenFont font = ScreenFontOf(options.font);
    const platform::ScreenSize size = screen_.TextExtent(font, text);
    const platform::ScreenSize resolution = screen_.Resolution();
    // Integer division toward zero, as the text is centred.
    const int left = resolution.width / 2 - size.width / 2;
    const int top = resolution.height / 2 - size.height / 2;
    OSDRect = {left, top, left + size.width, top + size.height};
    OSDBackground = screen_.Copy(left, top, size.width, size.height);
    const auto background = options.background == 0   ? platform::TextBackground::Transparent
                            : options.background == 1 ? platform::TextBackground::Black
                                                      : platform::TextBackground::White;
    screen_.DrawLine(left, top, text, font, background);
    timer_.SetInterval(static_cast<std::uint32_t>(std::max(options.displayTime, 0)));
    timer_.SetEnabled(true);
    OSDSuffix.clear();
}

void TOnScreenDisplay::OSDShowTimerTimer(ui::Component* sender) {
    timer_.SetEnabled(false);
    if (!OSDBackground) return;
    if (sender && options_().repaint)
        screen_.InvalidateAll(OSDRect.left, OSDRect.top, OSDRect.right, OSDRect.bottom);
    else
        screen_.PutBack(*OSDBackground, OSDRect.left, OSDRect.top);
    OSDBackground.reset();
}

void TOnScreenDisplay::AnnounceCommand(const std::string& remote, const std::string& command,
                                       const std::string* action) {
    const OSDOptions options = options_();
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (options.showRemote) text = remote;
    if (options.showCommand) add(command);
    if (options.showAction && action) add(*action);
    if (text.empty()) return;
    ShowOSD(text + OSDSuffix);
}

} // namespace orvane::feedback
