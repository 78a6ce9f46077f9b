#pragma once
// The learning dialog: collects a few presses of one remote button, shows
// each sample on the bar and whether it agrees with the first on a light.
#include "input/LearnQueue.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Indicators.h"
#include "ui/Panels.h"

namespace orvane::input {

class TLearnForm : public ui::TForm {
public:
    explicit TLearnForm(ui::Application& app);

    // The samples of the run under way.
    TLearnQueue LearnQueue;

    // Start the samples afresh: no sample, the bar at 0, every light teal,
    // Accept disabled.
    void FormShow(ui::Component* sender);
    void RestartBtnClick(ui::Component* sender);
    // One completed data sequence while the dialog is open.
    void TakeSample(const core::TCommand& sample, const RecognitionSettings& settings);

    ui::TLabel InstructionsLbl{*this, "InstructionsLbl"};
    ui::TGroupBox IncomingGrpBx{*this, "IncomingGrpBx"};
    ui::TProgressBar ProgressBar{IncomingGrpBx, "ProgressBar"};
    ui::TGroupBox ProgressGrpBx{*this, "ProgressGrpBx"};
    ui::TShape Circle1{ProgressGrpBx, "Circle1"};
    ui::TShape Circle2{ProgressGrpBx, "Circle2"};
    ui::TShape Circle3{ProgressGrpBx, "Circle3"};
    ui::TShape Circle4{ProgressGrpBx, "Circle4"};
    ui::TButton RestartBtn{*this, "RestartBtn"};
    ui::TButton AcceptBtn{*this, "AcceptBtn"};
    ui::TButton CancelBtn{*this, "CancelBtn"};
    ui::TButton HelpBtn{*this, "HelpBtn"};

    // Translates this window's texts and the messages it shows.
    settings::TLanguage Lang{*this, "Lang", settings::LearnFormKeys()};

private:
    void Reset();
    ui::TShape& Light(int slot);
};

} // namespace orvane::input
