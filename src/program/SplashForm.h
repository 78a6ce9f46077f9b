#pragma once
// The window shown while the program starts, and, with an OK button, as the
// "About" box. Its caption must never hold the program title: a copy starting
// later looks for that title to find the running one.
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Panels.h"

namespace orvane::program {

inline constexpr const char* kProductName = "Orvane";
inline constexpr const char* kVersion = "4.0b";
// "Orvane 4.0b": the main window's caption, by which copies find each other.
std::string ProgramTitle();

class TSplashForm : public ui::TForm {
public:
    // As the About box it has a caption, a frame and an OK button.
    TSplashForm(ui::Application& app, bool aboutBox);

    ui::TPanel FramePanel{*this, "FramePanel"};
    ui::TLabel ProductLbl{FramePanel, "ProductLbl"};
    ui::TLabel VersionLbl{FramePanel, "VersionLbl"};
    ui::TLabel PurposeLbl{FramePanel, "PurposeLbl"};
    ui::TButton OkBtn{*this, "OkBtn"};
};

} // namespace orvane::program
