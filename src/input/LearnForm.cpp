#include "input/LearnForm.h"

namespace orvane::input {

using namespace ui;

TLearnForm::TLearnForm(Application& app) : TForm(app, "LearnForm") {
    SetCaption("Learn command");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(346, 244);

    // Five lines: the static control wraps the text.
    InstructionsLbl.SetCaption(
        "Send several remote commands, with some space of time between them. The bar will show the values "
        "received and the progress lights will tell you if the commands are being recognized. Once you get "
        "enough recognized commands, press Accept.");
    InstructionsLbl.SetBounds(8, 8, 330, 65);

    IncomingGrpBx.SetCaption("Incoming values");
    IncomingGrpBx.SetBounds(8, 80, 330, 48);
    ProgressBar.SetMax(255);
    ProgressBar.SetBounds(10, 20, 310, 18);

    ProgressGrpBx.SetCaption("Progress");
    ProgressGrpBx.SetBounds(8, 136, 330, 60);
    TShape* lights[] = {&Circle1, &Circle2, &Circle3, &Circle4};
    for (int i = 0; i < 4; ++i) {
        lights[i]->SetShape(ShapeType::Ellipse);
        lights[i]->SetBrushColor(clTeal);
        lights[i]->SetBounds(40 + 75 * i, 22, 25, 25);
    }

    RestartBtn.SetCaption("&Restart");
    RestartBtn.SetBounds(8, 211, 75, 25);
    AcceptBtn.SetCaption("&Accept");
    AcceptBtn.SetBounds(101, 211, 75, 25);
    AcceptBtn.SetDefault(true);
    AcceptBtn.SetEnabled(false);
    AcceptBtn.SetModalResult(mrOk);
    CancelBtn.SetCaption("&Cancel");
    CancelBtn.SetBounds(182, 211, 75, 25);
    CancelBtn.SetCancel(true);
    CancelBtn.SetModalResult(mrCancel);
    HelpBtn.SetCaption("&Help");
    HelpBtn.SetBounds(263, 211, 75, 25);
}

} // namespace orvane::input
