// Translating windows and messages from a language file: the rules of the
// file, of the key walk and of the three kinds of property, on a small window.
#include "settings/Language.h"

#include "core/Exception.h"
#include "fakes/FakeUi.h"
#include "native/ui/TestForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::settings {
namespace {

using ui::testing::TDemoForm;

struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> keys;
    // What the window shows afterwards.
    std::string okCaption = "&OK";
    std::vector<std::string> kinds = {"Left", "Middle", "Right"};
    std::string newMenu = "&New";
};

class LanguageCases : public ::testing::TestWithParam<Case> {};

TEST_P(LanguageCases, TheWindowShows) {
    const Case& c = GetParam();
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<TDemoForm>();
    TLanguage lang(form, "Lang", c.keys);
    lang.SetLanguageFile("demo.lng", std::make_shared<const LanguageText>(LanguageText::FromBytes(c.file)));
    EXPECT_EQ(form.OkBtn.Caption(), c.okCaption);
    EXPECT_EQ(form.KindCoBx.Items.Items(), c.kinds);
    EXPECT_EQ(form.NewMenu.Caption(), c.newMenu);
}

const std::vector<std::string> kKeys = {"DemoForm.OkBtn.Caption", "", "  DemoForm.KindCoBx.Items  ",
                                        "DemoForm.NewMenu.Caption"};

INSTANTIATE_TEST_SUITE_P(
    Files, LanguageCases,
    ::testing::Values(
        Case{"OnlyMessages", "[Messages]\r\nDefault=Standard\r\n", kKeys},
        Case{"TextListAndTab",
             "[Translations]\r\nDemoForm.OkBtn.Caption=&Gut\r\nDemoForm.KindCoBx.Items=Links, Mitte ,Rechts\r\n"
             "DemoForm.NewMenu.Caption=&Neu~Strg+N\r\n",
             kKeys, "&Gut", {"Links", "Mitte", "Rechts"}, "&Neu\tStrg+N"},
        Case{"EmptyItemBetweenTwo", "[Translations]\nDemoForm.KindCoBx.Items=a,,b\n", kKeys, "&OK", {"a", "", "b"}},
        Case{"TrailingSeparatorAddsNothing", "[Translations]\nDemoForm.KindCoBx.Items=a,b,\n", kKeys, "&OK",
             {"a", "b"}},
        // Names without regard to case, blanks around names and values, a
        // lone line feed or carriage return ends a line, quotes around a value.
        Case{"ProfileRules", "; comment\n [ translations ] \rdemoform.okbtn.CAPTION =  \"Gut\"  \n", kKeys, "Gut"},
        Case{"FirstOfTwoSectionsAndKeys",
             "[Translations]\nDemoForm.OkBtn.Caption=Eins\nDemoForm.OkBtn.Caption=Zwei\n"
             "[Translations]\nDemoForm.NewMenu.Caption=Drei\n",
             kKeys, "Eins"},
        Case{"EmptyValueKeepsTheText", "[Translations]\nDemoForm.OkBtn.Caption=\n", kKeys},
        // The window's own name finds no component: nothing to change.
        Case{"TwoPartKeyAndUnknownNames",
             "[Translations]\nDemoForm.Caption=Fenster\nDemoForm.NoSuchBtn.Caption=x\nDemoForm.OkBtn.NoSuch=x\n"
             "DemoForm.OkBtn.Caption=Gut\n",
             {"DemoForm.Caption", "DemoForm.NoSuchBtn.Caption", "DemoForm.OkBtn.NoSuch", "DemoForm.OkBtn.Caption"},
             "Gut"}),
    [](const auto& info) { return info.param.what; });

TEST(Language, AValueIsReadUpTo1023Characters) {
    const std::string text = LanguageText::FromBytes("[S]\nK=" + std::string(1500, 'x') + "\n").Read("s", "k");
    EXPECT_EQ(text, std::string(1023, 'x'));
}

TEST(Language, MessagesAreLookedUpByTheirEnglishWording) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<TDemoForm>();
    TLanguage lang(form, "Lang");
    EXPECT_EQ(lang.LookupMessage("Default"), "Default"); // no language yet
    lang.SetLanguageFile("de.lng", std::make_shared<const LanguageText>(LanguageText::FromBytes(
                                       "[Messages]\nDefault=Standard\n' and all its commands?=' und alle Befehle?\n"
                                       "Rename=\n")));
    EXPECT_EQ(lang.LookupMessage("Default"), "Standard");
    EXPECT_EQ(lang.LookupMessage("' and all its commands?"), "' und alle Befehle?");
    EXPECT_EQ(lang.LookupMessage("Cannot open file"), "Cannot open file"); // missing: English
    EXPECT_EQ(lang.LookupMessage("Rename"), "Rename");                     // empty: English too
}

TEST(Language, EventsSeparatorAndAnIntegerThatIsNoNumber) {
    fakes::FakeUi ui;
    auto& form = ui.app.CreateForm<TDemoForm>();
    TLanguage lang(form, "Lang",
                   {"DemoForm.KindCoBx.Items", "DemoForm.OkBtn.Caption", "DemoForm.OkBtn.Width",
                    "DemoForm.CancelBtn.Caption"});
    lang.SetSeparator("  ");
    EXPECT_EQ(lang.Separator(), ",");
    lang.SetSeparator(";");
    std::vector<std::string> seen;
    lang.OnBeforeTranslation = [&](ui::Component*) { seen.push_back("before"); };
    lang.OnAfterTranslation = [&](ui::Component*) { seen.push_back("after"); };
    lang.OnTranslate = [&](ui::Component*, ui::Component* target, const std::string& property,
                           const std::string& old, std::string& value) {
        seen.push_back(target->Name() + "." + property + ":" + old + ">" + value);
        if (property == "Caption") value += "!";
    };
    const auto file = [](const std::string& width) {
        return std::make_shared<const LanguageText>(LanguageText::FromBytes(
            "[Translations]\nDemoForm.KindCoBx.Items=a;b,c\nDemoForm.OkBtn.Caption=Gut\nDemoForm.OkBtn.Width=" +
            width + "\nDemoForm.CancelBtn.Caption=Abbrechen\n"));
    };
    lang.SetLanguageFile("a.lng", file("90"));
    EXPECT_EQ(seen, (std::vector<std::string>{"before", "KindCoBx.Items:>a;b,c", "OkBtn.Caption:&OK>Gut",
                                              "OkBtn.Width:>90", "CancelBtn.Caption:&Cancel>Abbrechen", "after"}));
    EXPECT_EQ(form.KindCoBx.Items.Items(), (std::vector<std::string>{"a", "b,c"}));
    EXPECT_EQ(form.OkBtn.Caption(), "Gut!");
    EXPECT_EQ(form.OkBtn.Width(), 90);

    // The same file again translates nothing; a width that is no number stops
    // the pass there.
    seen.clear();
    lang.SetLanguageFile("a.lng", file("x"));
    EXPECT_TRUE(seen.empty());
    lang.OnTranslate = nullptr;
    form.CancelBtn.SetCaption("&Cancel");
    try {
        lang.SetLanguageFile("b.lng", file("wide"));
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'wide' is not a valid integer value");
    }
    EXPECT_EQ(form.CancelBtn.Caption(), "&Cancel");
}

} // namespace
} // namespace orvane::settings
