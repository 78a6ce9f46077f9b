#pragma once
// The learning dialog: collects a few presses of one remote button, shows
// each sample on the bar and whether it agrees with the first on a light.
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Indicators.h"
#include "ui/Panels.h"

namespace orvane::input {

class TLearnForm : public ui::TForm {
public:
    explicit TLearnForm(ui::Application& app);

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
};

} // namespace orvane::input
