// Components found and changed by name, as the translator walks a window.
#include "TestForm.h"
#include "fakes/FakeUi.h"
#include "ui/Menus.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

using testing::TDemoForm;

TEST(Component, FormFindsItsControlsByNameWithoutRegardToCaseAndInCreationOrder) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    // A control on a group box is still owned by the form.
    EXPECT_EQ(form.FindComponent("launchchbx"), &form.LaunchChBx);
    EXPECT_EQ(form.FindComponent("OKBTN"), &form.OkBtn);
    EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
    EXPECT_EQ(form.FindComponent(""), nullptr);
    ASSERT_GE(form.Components().size(), 3u);
    EXPECT_EQ(form.Components()[0], &form.OkBtn);
    EXPECT_EQ(form.Components()[1], &form.CancelBtn);
    EXPECT_EQ(form.Components()[2], &form.OptionsGrpBx);
    EXPECT_EQ(form.LaunchChBx.Parent(), &form.OptionsGrpBx);
    EXPECT_EQ(form.LaunchChBx.ParentForm(), &form);
}

TEST(Component, PublishedPropertiesAreReadAndSetByNameOfAnyCase) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    form.OkBtn.SetTextProperty("caption", "&Accept");
    EXPECT_EQ(form.OkBtn.Caption(), "&Accept");
    EXPECT_EQ(form.OkBtn.GetTextProperty("CAPTION"), "&Accept");

    form.ModeRGrp.SetStringsProperty("items", {"Enabled", "Disabled"});
    EXPECT_EQ(form.ModeRGrp.Items.Items(), (std::vector<std::string>{"Enabled", "Disabled"}));
    form.DelayEdBx.SetTextProperty("Text", "750");
    EXPECT_EQ(form.DelayUpDwn.GetIntegerProperty("position"), 750);
    form.OkBtn.SetIntegerProperty("Width", 90);
    EXPECT_EQ(form.OkBtn.Width(), 90);
    form.SetTextProperty("Caption", "Réglages");
    EXPECT_EQ(form.Caption(), "Réglages");

    EXPECT_EQ(form.ModeRGrp.PropertyKindOf("ITEMS"), PropertyKind::Strings);
    EXPECT_EQ(form.DelayUpDwn.PropertyKindOf("Position"), PropertyKind::Integer);
    EXPECT_EQ(form.LaunchChBx.PropertyKindOf("Caption"), PropertyKind::Text);
}

TEST(Component, SettingAPropertyTheComponentDoesNotPublishDoesNothing) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    form.DelayEdBx.SetText("5");
    // An edit has no caption, a check box no items, and Caption is not an integer.
    form.DelayEdBx.SetTextProperty("Caption", "x");
    form.LaunchChBx.SetStringsProperty("Items", {"a"});
    form.OkBtn.SetIntegerProperty("Caption", 3);
    form.OkBtn.SetTextProperty("Colour", "red");
    EXPECT_EQ(form.DelayEdBx.Text(), "5");
    EXPECT_EQ(form.OkBtn.Caption(), "&OK");
    EXPECT_FALSE(form.DelayEdBx.PropertyKindOf("Caption").has_value());
    EXPECT_EQ(form.DelayEdBx.GetTextProperty("Caption"), "");
    EXPECT_TRUE(form.LaunchChBx.GetStringsProperty("Items").empty());
}

TEST(Component, ComponentsMadeAtRunTimeAreFoundUntilFreed) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    TMenuItem& sound = form.FileMenu.Add(std::make_unique<TMenuItem>(&form, "Sound0"));
    EXPECT_EQ(form.FindComponent("sound0"), &sound);
    form.FileMenu.Delete(form.FileMenu.IndexOf(sound));
    EXPECT_EQ(form.FindComponent("Sound0"), nullptr);
    // A member removed from a menu stays the form's.
    form.FileMenu.Remove(form.NewMenu);
    EXPECT_EQ(form.FindComponent("NewMenu"), &form.NewMenu);
    EXPECT_EQ(form.FileMenu.Count(), 0);
}

TEST(Component, AControlDestroyedBeforeItsFormLeavesNoTraceInIt) {
    fakes::FakeUi ui;
    TDemoForm form(ui.app);
    {
        TPanel panel(form, "Panel1");
        TLabel label(panel, "Label1");
        label.SetFocus();
        EXPECT_EQ(form.ActiveControl(), &label);
        EXPECT_EQ(form.FindComponent("Label1"), &label);
    }
    EXPECT_EQ(form.FindComponent("Label1"), nullptr);
    EXPECT_EQ(form.FindComponent("Panel1"), nullptr);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

} // namespace
} // namespace orvane::ui
