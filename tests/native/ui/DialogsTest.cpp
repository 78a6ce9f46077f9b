// Dialogs asked through the application, answered by the scripted fake.
#include "TestForm.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

TEST(Dialogs, ScriptedDialogsAreAnsweredInOrder) {
    fakes::FakeUi ui;
    ui.dialogs.ExpectPrompt("New remote", "TV")
        .ExpectMessageBox("Are you sure you want to delete the remote 'TV' and all its commands?", mrYes)
        .ExpectPromptCancel("Rename")
        .ExpectOpenFile("Select sound file", "C:\\Sounds\\ding.wav");

    std::string name = "New remote";
    EXPECT_TRUE(ui.app.PromptText("New remote", "Remote name:", name));
    EXPECT_EQ(name, "TV");
    EXPECT_EQ(ui.app.MessageBox("Are you sure you want to delete the remote 'TV' and all its commands?",
                                "Delete remote", mb::YesNo | mb::IconQuestion),
              mrYes);
    // Cancel: the input box answers what it proposed.
    EXPECT_EQ(ui.app.InputBox("Rename", "Enter new name:", "TV"), "TV");

    TOpenDialog open(ui.app, "OpenFile");
    open.Title = "Select sound file";
    open.Filter = "Wave table (*.wav)|*.wav";
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "C:\\Sounds\\ding.wav");

    ASSERT_EQ(ui.dialogs.Prompts().size(), 2u);
    EXPECT_EQ(ui.dialogs.Prompts()[0].prompt, "Remote name:");
    EXPECT_EQ(ui.dialogs.Prompts()[1].proposed, "TV");
    EXPECT_EQ(ui.dialogs.MessageBoxes()[0].flags, 0x24u);
    EXPECT_EQ(ui.dialogs.FileRequests()[0].filter, "Wave table (*.wav)|*.wav");
}

TEST(Dialogs, ACancelledPromptLeavesTheTextAndAnswersFalse) {
    fakes::FakeUi ui;
    ui.dialogs.ExpectPromptCancel("New action");
    std::string name = "My action";
    EXPECT_FALSE(ui.app.PromptText("New action", "Action name:", name));
    EXPECT_EQ(name, "My action");
}

TEST(Dialogs, FileAndFontDialogsKeepTheirValuesWhenCancelled) {
    fakes::FakeUi ui;
    TSaveDialog save(ui.app, "SaveDialog");
    save.FileName = "old.orv";
    TFontDialog font(ui.app, "FontDialog");
    TFont chosen{"Arial", clRed, 24, fsBold | fsUnderline};
    ui.dialogs.ExpectSaveFile("", std::nullopt).ExpectFont(chosen).ExpectFont(std::nullopt);
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName, "old.orv");
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font, chosen);
    EXPECT_FALSE(font.Execute());
    EXPECT_EQ(font.Font, chosen);
}

TEST(Dialogs, AnUnexpectedDialogFailsTheTestWithWhatWasAsked) {
    EXPECT_NONFATAL_FAILURE(
        {
            fakes::FakeUi ui;
            ui.app.MessageBox("Save changes to the configuration file?", "Orvane", mb::YesNoCancel);
        },
        "Unexpected message box \"Save changes to the configuration file?\" caption \"Orvane\" flags 0x3");
    EXPECT_NONFATAL_FAILURE(
        {
            fakes::FakeUi ui;
            ui.dialogs.ExpectPrompt("New remote", "TV");
            ui.app.MessageBox("Delete?", "Delete remote", mb::YesNo);
            std::string name;
            ui.app.PromptText("New remote", "Remote name:", name); // the script goes on from where it was
            EXPECT_EQ(name, "TV");
        },
        "(expected prompt \"New remote\")");
}

TEST(Dialogs, AnExpectedDialogNeverShownFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            fakes::FakeUi ui;
            ui.dialogs.ExpectModal("LearnForm", mrOk);
        },
        "Expected dialog was never shown: modal form \"LearnForm\"");
}

TEST(Dialogs, AnUnscriptedModalFormFailsTheTestAndClosesCancelled) {
    EXPECT_NONFATAL_FAILURE(
        {
            fakes::FakeUi ui;
            testing::TDemoForm& dlg = ui.app.CreateForm<testing::TDemoForm>("SettingsForm");
            EXPECT_EQ(dlg.ShowModal(), mrCancel);
        },
        "Unexpected modal form \"SettingsForm\"");
}

} // namespace
} // namespace orvane::ui
