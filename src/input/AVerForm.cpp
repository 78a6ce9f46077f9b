#include "input/AVerForm.h"

namespace orvane::input {

using namespace ui;

TAVerForm::TAVerForm(Application& app) : TForm(app, "AVerForm") {
    SetCaption(kIdleCaption);
    SetBorderStyle(FormBorderStyle::Single);
    SetClientSize(300, 44);

    // Two lines: the static control wraps the text.
    InfoLbl.SetCaption("Fake window to receive the messages from the AVerMedia TV Remote Series application.");
    InfoLbl.SetBounds(8, 8, 284, 28);
}

} // namespace orvane::input
