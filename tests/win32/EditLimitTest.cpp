// An edit's limit on a real window: the system refuses what the user types
// past it, and text put into the window by other means is cut to it.
// The system's headers first: they undo the macros that would rename the
// model's methods.
#include "ui/win32/Win32Ui.h"
#include "ui/win32/WindowPeer.h"

#include "fakes/FakeUi.h"
#include "ui/Edits.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::ui {
namespace {

class TNameForm : public TForm {
public:
    explicit TNameForm(Application& app) : TForm(app, "NameForm") {
        SetBounds(10, 10, 300, 100);
        NameEdBx.SetMaxLength(5);
    }
    TEdit NameEdBx{*this, "NameEdBx"};
};

std::string Text(HWND window) {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

TEST(EditLimit, TheWindowTakesNoMoreThanTheLimitAndTheModelKeepsWhatItShows) {
    fakes::FakeUi ui;
    win32::Win32Ui native{ui.app};
    auto& form = ui.app.CreateForm<TNameForm>();
    HWND edit = dynamic_cast<win32::WindowPeer*>(form.NameEdBx.Peer())->Handle();
    ASSERT_TRUE(edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);

    for (char c : std::string("Kitchen")) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(Text(edit), "Kitch");
    EXPECT_EQ(form.NameEdBx.Text(), "Kitch");

    // Text set through the window's own message passes the system's limit.
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Living room"));
    EXPECT_EQ(form.NameEdBx.Text(), "Livin");
    EXPECT_EQ(Text(edit), "Livin");

    form.NameEdBx.SetMaxLength(0);
    for (char c : std::string(" and more")) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(form.NameEdBx.Text().size(), 5u + 9u);
    ui.app.DestroyForms();
}

} // namespace
} // namespace orvane::ui
