#pragma once
// The window the AVerMedia TV application sends its remote's codes to. It is
// never shown: the other program finds it by its caption, which names the TV
// application's expected window only while that origin is on.
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Panels.h"

#include <cstdint>
#include <functional>

namespace orvane::input {

class TAVerForm : public ui::TForm {
public:
    // The caption while the origin is off; nothing looks for a window of this name.
    static constexpr const char* kIdleCaption = "AVer";

    // The two message numbers the TV application uses; both mean the same.
    static constexpr unsigned kRemoteMessage = 1026;
    static constexpr unsigned kRemoteMessageAlt = 3002;

    explicit TAVerForm(ui::Application& app);

    // A remote message: its two numbers joined into one code for OnRemoteCode.
    void RemoteMessage(std::uintptr_t wParam, std::intptr_t lParam);
    std::function<void(std::int32_t code)> OnRemoteCode;

    ui::TLabel InfoLbl{*this, "InfoLbl"};
};

} // namespace orvane::input
