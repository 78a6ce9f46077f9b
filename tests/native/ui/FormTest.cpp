// Forms: showing, activation, modal results and closing.
#include "TestForm.h"
#include "core/Exception.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

// Writes down the lifecycle events of a form.
void Record(TForm& form, std::vector<std::string>& log) {
    const std::string n = form.Name() + " ";
    form.OnShow = [&log, n](Component*) { log.push_back(n + "show"); };
    form.OnHide = [&log, n](Component*) { log.push_back(n + "hide"); };
    form.OnActivate = [&log, n](Component*) { log.push_back(n + "activate"); };
    form.OnDeactivate = [&log, n](Component*) { log.push_back(n + "deactivate"); };
    form.OnClose = [&log, n](Component*, CloseAction&) { log.push_back(n + "close"); };
}

TEST(Form, AModalFormReturnsTheModalResultOfTheButtonThatClosedIt) {
    fakes::FakeUi ui;
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>("SettingsForm");
    bool clicked = false;
    dlg.OkBtn.OnClick = [&](Component*) { clicked = true; };
    ui.dialogs.ExpectModal("SettingsForm", [&](TForm&) { dlg.OkBtn.UserClicked(); });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(dlg.Visible());

    ui.dialogs.ExpectModal("SettingsForm", [&](TForm& f) { f.UserClose(); }); // the close box
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
}

// A window system activates a window while it appears, before the model
// has run OnShow; the form still becomes active only after OnShow.
class ActivatingPeer : public ControlPeer {
public:
    explicit ActivatingPeer(TForm& form) : form_(form) {}
    void Changed(const Change& change) override {
        if (change.prop == Prop::Visible && form_.Visible()) form_.UserActivated();
    }

private:
    TForm& form_;
};

TEST(Form, AWindowActivatedAsItAppearsIsActivatedAfterOnShow) {
    fakes::FakeUi ui;
    std::vector<std::string> log;
    TDemoForm& main = ui.app.CreateForm<TDemoForm>("MainForm");
    main.SetPeer(std::make_unique<ActivatingPeer>(main));
    Record(main, log);
    main.Show();
    EXPECT_EQ(log, (std::vector<std::string>{"MainForm show", "MainForm activate"}));
}

TEST(Form, ReturningFromAModalFormActivatesTheMainFormAgain) {
    fakes::FakeUi ui;
    std::vector<std::string> log;
    TDemoForm& main = ui.app.CreateForm<TDemoForm>("MainForm");
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>("LearnForm");
    Record(main, log);
    Record(dlg, log);
    main.Show();
    ui.dialogs.ExpectModal("LearnForm", mrOk);
    dlg.ShowModal();
    EXPECT_EQ(log, (std::vector<std::string>{"MainForm show", "MainForm activate", "LearnForm show",
                                             "MainForm deactivate", "LearnForm activate", "LearnForm close",
                                             "LearnForm hide", "LearnForm deactivate", "MainForm activate"}));
    EXPECT_TRUE(main.Active());
}

TEST(Form, ARefusedCloseQueryKeepsTheModalFormOpen) {
    fakes::FakeUi ui;
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>("ActionForm");
    int asked = 0;
    dlg.OnCloseQuery = [&](Component*, bool& canClose) { canClose = ++asked > 1; };
    ui.dialogs.ExpectModal("ActionForm", [&](TForm&) { dlg.OkBtn.UserClicked(); })
        .ExpectModal("ActionForm", [&](TForm&) {
            EXPECT_TRUE(dlg.Visible());
            EXPECT_EQ(dlg.ModalResult(), mrNone);
            dlg.CancelBtn.UserClicked();
        });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST(Form, OnCloseMayKeepAModalFormOpen) {
    fakes::FakeUi ui;
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>("ActionForm");
    bool keep = true;
    dlg.OnClose = [&](Component*, CloseAction& action) {
        if (keep) action = CloseAction::None;
        keep = false;
    };
    ui.dialogs.ExpectModal("ActionForm", mrOk).ExpectModal("ActionForm", mrYes);
    EXPECT_EQ(dlg.ShowModal(), mrYes);
}

TEST(Form, ShowingAVisibleFormModallyIsRefused) {
    fakes::FakeUi ui;
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>();
    dlg.Show();
    try {
        dlg.ShowModal();
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Cannot make a visible window modal");
    }
    EXPECT_TRUE(dlg.Visible());
}

TEST(Form, ClosingTheMainFormEndsTheProgramUnlessCloseQueryRefuses) {
    fakes::FakeUi ui;
    TDemoForm& main = ui.app.CreateForm<TDemoForm>("MainForm");
    TDemoForm& other = ui.app.CreateForm<TDemoForm>("LayoutsForm");
    EXPECT_EQ(ui.app.MainForm(), &main);
    bool allow = false;
    main.OnCloseQuery = [&](Component*, bool& canClose) { canClose = allow; };
    main.Show();
    main.UserClose();
    EXPECT_FALSE(ui.app.Terminated());
    EXPECT_TRUE(main.Visible());

    other.Show();
    other.Close(); // any other form just hides
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(ui.app.Terminated());

    allow = true;
    main.Close();
    EXPECT_TRUE(ui.app.Terminated());
}

TEST(Form, KeyPreviewLetsTheFormSeeAndStopKeysBeforeItsControls) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    std::vector<std::string> seen;
    form.OnKeyDown = [&](Component*, Key& key, ShiftState) {
        seen.push_back("form " + std::to_string(key));
        if (key == keys::F2) key = 0;
    };
    form.DelayEdBx.OnKeyDown = [&](Component*, Key& key, ShiftState) { seen.push_back("edit " + std::to_string(key)); };
    form.DelayEdBx.UserKeyDown(keys::Delete, 0);
    form.SetKeyPreview(true);
    EXPECT_EQ(form.DelayEdBx.UserKeyDown(keys::Delete, 0), keys::Delete);
    EXPECT_EQ(form.DelayEdBx.UserKeyDown(keys::F2, 0), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"edit 46", "form 46", "edit 46", "form 113"}));
}

TEST(Form, EnterPressesTheDefaultOrFocusedButtonAndEscapeTheCancelButton) {
    fakes::FakeUi ui;
    TDemoForm& dlg = ui.app.CreateForm<TDemoForm>("PasswordDlg");
    dlg.CancelBtn.SetCancel(true);
    ui.dialogs.ExpectModal("PasswordDlg", [&](TForm&) { dlg.DelayEdBx.UserKeyDown(keys::Return, 0); })
        .ExpectModal("PasswordDlg", [&](TForm&) { dlg.DelayEdBx.UserKeyDown(keys::Escape, 0); })
        .ExpectModal("PasswordDlg", [&](TForm&) {
            dlg.CancelBtn.SetFocus();
            dlg.CancelBtn.UserKeyDown(keys::Return, 0);
        });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    // With modifiers, or without such buttons, the keys go to the control.
    EXPECT_EQ(dlg.DelayEdBx.UserKeyDown(keys::Return, ssCtrl), keys::Return);
    dlg.OkBtn.SetDefault(false);
    dlg.SetActiveControl(nullptr);
    EXPECT_EQ(dlg.DelayEdBx.UserKeyDown(keys::Return, 0), keys::Return);
}

TEST(Form, FocusMovingOnRunsOnExitOfTheControlLeft) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    std::vector<std::string> exits;
    form.WindowCoBx.OnExit = [&](Component* sender) { exits.push_back(sender->Name()); };
    form.WindowCoBx.UserFocused();
    EXPECT_TRUE(form.WindowCoBx.Focused());
    form.DelayEdBx.UserFocused();
    form.WindowCoBx.SetFocus();
    form.OkBtn.SetFocus();
    EXPECT_EQ(exits, (std::vector<std::string>{"WindowCoBx", "WindowCoBx"}));
    EXPECT_EQ(form.ActiveControl(), &form.OkBtn);
}

TEST(Form, FormsAreCreatedInOrderAndDestroyedLastFirst) {
    std::vector<std::string> log;
    {
        fakes::FakeUi ui;
        for (const char* name : {"MainForm", "LayoutsForm", "PasswordDlg"}) {
            auto& form = ui.app.CreateForm<TDemoForm>(name);
            form.OnDestroy = [&log, name](Component*) { log.push_back(std::string("destroy ") + name); };
        }
        log.push_back("created");
    }
    EXPECT_EQ(log, (std::vector<std::string>{"created", "destroy PasswordDlg", "destroy LayoutsForm",
                                             "destroy MainForm"}));
}

class TCreatingForm : public TForm {
public:
    TCreatingForm(Application& app, std::vector<std::string>& log) : TForm(app, "PasswordDlg"), log_(log) {
        OnCreate = Handler(this, &TCreatingForm::FormCreate);
    }

    void FormCreate(Component* sender) {
        log_.push_back("create " + sender->Name());
        throw EConvertError::InvalidInteger("x");
    }

private:
    std::vector<std::string>& log_;
};

TEST(Form, AFailingOnCreateIsReportedAndTheFormStillExists) {
    fakes::FakeUi ui;
    std::vector<std::string> log;
    ui.dialogs.ExpectMessageBox("'x' is not a valid integer value");
    TCreatingForm& form = ui.app.CreateForm<TCreatingForm>(log);
    EXPECT_EQ(log, (std::vector<std::string>{"create PasswordDlg"}));
    EXPECT_EQ(ui.app.FindComponent("passworddlg"), &form);
}

} // namespace
} // namespace orvane::ui
