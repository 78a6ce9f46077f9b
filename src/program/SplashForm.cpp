#include "program/SplashForm.h"

namespace orvane::program {

std::string ProgramTitle() { return std::string(kProductName) + " " + kVersion; }

TSplashForm::TSplashForm(ui::Application& app, bool aboutBox) : TForm(app, aboutBox ? "AboutBox" : "SplashForm") {
    SetPosition(ui::FormPosition::ScreenCenter);
    const int panelHeight = 112;
    if (aboutBox) {
        SetCaption("About");
        SetBorderStyle(ui::FormBorderStyle::Dialog);
        SetClientSize(312, panelHeight + 49);
        OkBtn.SetBounds(229, panelHeight + 16, 75, 25);
        OkBtn.SetCaption("OK");
        OkBtn.SetModalResult(ui::mrOk);
        OkBtn.SetDefault(true);
        OkBtn.SetCancel(true);
    } else {
        SetCaption("Starting");
        SetBorderStyle(ui::FormBorderStyle::None);
        SetClientSize(312, panelHeight + 16);
        OkBtn.Hide();
    }
    FramePanel.SetBounds(8, 8, 296, panelHeight);
    ProductLbl.SetBounds(16, 16, 264, 16);
    ProductLbl.SetCaption(kProductName);
    VersionLbl.SetBounds(16, 40, 264, 16);
    VersionLbl.SetCaption(std::string("Version ") + kVersion);
    PurposeLbl.SetBounds(16, 72, 264, 16);
    PurposeLbl.SetCaption("Your PC at the command of a remote control");
}

} // namespace orvane::program
