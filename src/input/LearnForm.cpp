#include "input/LearnForm.h"

#include <algorithm>

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

    OnShow = Handler(this, &TLearnForm::FormShow);
    RestartBtn.OnClick = Handler(this, &TLearnForm::RestartBtnClick);
}

void TLearnForm::FormShow(Component*) { Reset(); }

void TLearnForm::RestartBtnClick(Component*) { Reset(); }

void TLearnForm::Reset() {
    LearnQueue.Reset();
    ProgressBar.SetPosition(0);
    for (int slot = 0; slot < TLearnQueue::kSlots; ++slot) Light(slot).SetBrushColor(clTeal);
    AcceptBtn.SetEnabled(false);
}

TShape& TLearnForm::Light(int slot) {
    TShape* lights[] = {&Circle1, &Circle2, &Circle3, &Circle4};
    return *lights[slot];
}

void TLearnForm::TakeSample(const core::TCommand& sample, const RecognitionSettings& settings) {
    if (TLearnQueue::IsHandshakeAnswer(sample)) return;
    // The bar runs through the sample's positive values and stays at the last.
    std::int32_t largest = 0;
    for (std::int32_t i = 0; i <= sample.CodeHigh(); ++i) largest = std::max(largest, sample.Code[i]);
    ProgressBar.SetMax(largest);
    for (std::int32_t i = 0; i <= sample.CodeHigh(); ++i)
        if (sample.Code[i] > 0) ProgressBar.SetPosition(sample.Code[i]);
    const int slot = LearnQueue.Take(sample, settings);
    Light(slot).SetBrushColor(LearnQueue.Slots[static_cast<std::size_t>(slot)].Match ? clLime : clRed);
    if (LearnQueue.Acceptable()) AcceptBtn.SetEnabled(true);
}

} // namespace orvane::input
