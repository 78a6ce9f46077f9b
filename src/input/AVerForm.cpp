#include "input/AVerForm.h"
#include "input/OriginCodes.h"

namespace orvane::input {

using namespace ui;

TAVerForm::TAVerForm(Application& app) : TForm(app, "AVerForm") {
    SetCaption(kIdleCaption);
    SetBorderStyle(FormBorderStyle::Single);
    SetClientSize(300, 44);

    // Two lines: the static control wraps the text.
    InfoLbl.SetCaption("Fake window to receive the messages from the AVerMedia TV Remote Series application.");
    InfoLbl.SetBounds(8, 8, 284, 28);

    const auto remote = [this](std::uintptr_t wParam, std::intptr_t lParam) { RemoteMessage(wParam, lParam); };
    SetMessageHandler(kRemoteMessage, remote);
    SetMessageHandler(kRemoteMessageAlt, remote);
}

void TAVerForm::RemoteMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    // Both numbers are 32-bit values on the sender's side.
    const std::int32_t code = JoinedTVCode(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
    if (OnRemoteCode) OnRemoteCode(code);
}

} // namespace orvane::input
