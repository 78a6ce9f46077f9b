#pragma once
// The window the AVerMedia TV application sends its remote's codes to. It is
// never shown: the other program finds it by its caption, which names the TV
// application's expected window only while that origin is on.
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Panels.h"

namespace orvane::input {

class TAVerForm : public ui::TForm {
public:
    // The caption while the origin is off; nothing looks for a window of this name.
    static constexpr const char* kIdleCaption = "AVer";

    explicit TAVerForm(ui::Application& app);

    ui::TLabel InfoLbl{*this, "InfoLbl"};
};

} // namespace orvane::input
