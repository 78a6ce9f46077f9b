#include "input/TestOriginForm.h"

namespace orvane::input {

using namespace ui;

namespace {
constexpr int kWidth = 400, kHeight = 300;
constexpr int kTop = 52, kBottom = 41, kMargin = 8;
} // namespace

TTestOriginForm::TTestOriginForm(Application& app) : TForm(app, "TestOriginForm") {
    SetCaption("Test origin");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(kWidth, kHeight);

    Panel1.SetBounds(0, 0, kWidth, kTop);
    ShowDataFromLbl.SetCaption("Show data coming from:");
    ShowDataFromLbl.SetBounds(8, 8, 180, 13);
    ShowDataFromCoBx.SetStyle(ComboStyle::DropDownList);
    ShowDataFromCoBx.SetBounds(8, 24, 220, 21);
    DataFormatLbl.SetCaption("Data format:");
    DataFormatLbl.SetBounds(240, 8, 152, 13);
    DataFormatCoBx.SetStyle(ComboStyle::DropDownList);
    DataFormatCoBx.Items.Assign({"Decimal", "Hexadecimal", "ASCII"});
    DataFormatCoBx.SetBounds(240, 24, 152, 21);

    Panel2.SetBounds(0, kHeight - kBottom, kWidth, kBottom);
    CloseBtn.SetCaption("&Close");
    CloseBtn.SetBounds(kWidth - 164, 8, 75, 25);
    CloseBtn.SetDefault(true);
    CloseBtn.SetModalResult(mrOk);
    HelpBtn.SetCaption("&Help");
    HelpBtn.SetBounds(kWidth - 83, 8, 75, 25);

    const int middle = kHeight - kTop - kBottom;
    Panel3.SetBounds(0, kTop, kMargin, middle);
    Panel4.SetBounds(kWidth - kMargin, kTop, kMargin, middle);
    Memo.SetBounds(kMargin, kTop, kWidth - 2 * kMargin, middle);

    OnShow = Handler(this, &TTestOriginForm::FormShow);
    OnClose = Handler(this, &TTestOriginForm::FormClose);
    ShowDataFromCoBx.OnChange = Handler(this, &TTestOriginForm::ShowDataFromCoBxChange);
}

void TTestOriginForm::FormShow(Component*) {
    ShowDataFromCoBx.Items.Assign(CheckedOrigins ? CheckedOrigins() : std::vector<std::string>{});
    ShowDataFromCoBx.SetItemIndex(-1);
    DataFormatCoBx.SetItemIndex(0);
}

void TTestOriginForm::ShowDataFromCoBxChange(Component*) {
    if (RunOnly) RunOnly(ShowDataFromCoBx.Text());
}

void TTestOriginForm::FormClose(Component* sender, CloseAction&) {
    ShowDataFromCoBx.SetItemIndex(-1);
    ShowDataFromCoBxChange(sender);
    if (SwitchOriginsOn) SwitchOriginsOn();
}

} // namespace orvane::input
