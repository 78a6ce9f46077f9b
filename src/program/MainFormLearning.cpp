// Learning a command's code: the run that LearnMenu starts, and the samples
// that every origin hands over while the learning dialog is open.
#include "program/CommandImages.h"
#include "program/MainForm.h"
#include "input/LearnForm.h"

namespace orvane::program {

void TMainForm::AttachLearnForm(input::TLearnForm& learn) { learnForm_ = &learn; }

bool TMainForm::TakeLearningSample(TCommand& sample) {
    if (!learnForm_ || !learnForm_->Visible()) return false;
    learnForm_->TakeSample(sample, RecognitionSettingsNow());
    return true;
}

void TMainForm::LearnMenuClick(ui::Component*) {
    ui::TTreeNode* node = CommandsTree.Selected();
    TCommand* command = RecordOf(node);
    if (!learnForm_ || !Model || !command || node->Level() == 0) return;
    const Configuration* model = Model.get();
    if (!EnableOriginMenu.Checked() && !SwitchOrigins(true)) return;

    // A serial sample may take up to 300 ms; back to 125 ms however the run ends.
    struct SerialTime {
        ui::TTimer& timer;
        explicit SerialTime(ui::TTimer& t) : timer(t) { timer.SetInterval(300); }
        ~SerialTime() { timer.SetInterval(125); }
    } serialTime{IRTimer};

    if (learnForm_->ShowModal() != ui::mrOk) return;
    // The command learns only if it still exists: the configuration may have
    // been replaced or the command deleted while the dialog was open.
    if (Model.get() != model || !Model->Owns(command) || !learnForm_->LearnQueue.MergeInto(*command)) return;
    for (ui::TTreeNode* n = CommandsTree.Items().GetFirstNode(); n; n = n->GetNext())
        if (RecordOf(n) == command) n->SetImageIndex(CommandImage(*command));
    SaveMenu.SetEnabled(true);
}

} // namespace orvane::program
