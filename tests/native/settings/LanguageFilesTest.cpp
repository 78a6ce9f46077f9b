// The shipped language files against the windows' keys, and a language chosen
// in the settings dialog reaching every window of the running program.
#include "actions/ActionForm.h"
#include "program/Program.h"
#include "settings/Language.h"
#include "settings/LanguageKeys.h"
#include "settings/SettingsForm.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakeSerialPort.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace orvane::settings {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "," : "") + items[i];
    return text;
}

// What a key names, as its window shows it now (a list joined by ",").
std::string Shown(ui::TForm& window, const std::string& key) {
    const std::size_t dot = key.rfind('.');
    const std::string path = key.substr(0, dot);
    ui::Component* target = window.FindComponent(path.substr(path.rfind('.') + 1));
    if (!target) return "<no component>";
    const std::string property = key.substr(dot + 1);
    const auto kind = target->PropertyKindOf(property);
    if (!kind) return "<no property>";
    if (*kind == ui::PropertyKind::Strings) return Joined(target->GetStringsProperty(property));
    return target->GetTextProperty(property);
}

class LanguageFiles : public ::testing::Test {
protected:
    LanguageFiles() {
        // A folder per test: ctest runs the tests of this fixture side by side.
        dir_ = std::filesystem::path(::testing::TempDir()) /
               ("orvane-language-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        platform.shell.executablePath = (dir_ / "orvane.exe").string();
    }
    ~LanguageFiles() override { std::filesystem::remove_all(dir_); }

    // A language file beside the program, as the program names it.
    void AddLanguage(const std::string& fileName, const std::string& bytes) {
        std::ofstream(dir_ / ("Lang\\" + fileName), std::ios::binary) << bytes;
        languages_.push_back(fileName);
    }
    static std::string Shipped(const std::string& name) {
        std::ifstream in(std::string(ORVANE_LANG_DIR) + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // A fresh start of the program, on the same registry and files.
    void Start() {
        program.reset();
        ui = std::make_unique<fakes::FakeUi>();
        for (const std::string& name : languages_) ui->files.AddFile((dir_ / "Lang").string(), name);
        program = std::make_unique<program::Program>(ui->app, platform.Services(), serialPorts);
        program->Start();
    }
    TLanguage& LangOf(ui::TForm& window) { return *dynamic_cast<TLanguage*>(window.FindComponent("Lang")); }

    std::filesystem::path dir_;
    fakes::FakePlatform platform;
    fakes::FakeSerialPorts serialPorts;
    std::vector<std::string> languages_;
    std::unique_ptr<fakes::FakeUi> ui;
    std::unique_ptr<program::Program> program;
};

TEST_F(LanguageFiles, EnglishIsTheIdentityOfEveryKeyAndMessageAndTheTranslationHasThemAll) {
    Start();
    const LanguageText english = LanguageText::FromBytes(Shipped("English.lng"));
    const LanguageText german = LanguageText::FromBytes(Shipped("Deutsch.lng"));
    for (ui::TForm* window : program->TranslatedWindows()) {
        ASSERT_FALSE(LangOf(*window).Properties.empty()) << window->Name();
        for (const std::string& key : LangOf(*window).Properties) {
            std::string value = english.Read("Translations", key);
            for (char& c : value)
                if (c == '~') c = '\t';
            // Window captions are not properties: the file's line holds the window's caption.
            const bool caption = key == window->Name() + ".Caption";
            EXPECT_EQ(value, caption ? window->Caption() : Shown(*window, key)) << key;
            EXPECT_NE(german.Read("Translations", key), "") << "Deutsch.lng lacks " << key;
        }
    }
    for (const std::string& message : MessageKeys()) {
        EXPECT_EQ(english.Read("Messages", message), message);
        EXPECT_NE(german.Read("Messages", message), "") << "Deutsch.lng lacks " << message;
    }
}

TEST_F(LanguageFiles, AChosenLanguageReachesEveryWindowAndIsStoredForTheNextStart) {
    AddLanguage("Deutsch.lng", Shipped("Deutsch.lng"));
    AddLanguage("my.lang.lng", "[Translations]\r\nMainForm.RunBtn.Caption=Mine\r\n");
    Start();
    TSettingsForm& settings = program->Settings();
    ASSERT_EQ(settings.LangCoBx.Items.Items(), (std::vector<std::string>{"Deutsch", "my"}));

    // my.lang.lng is looked for as my.lng: nothing changes, nothing is stored.
    settings.LangCoBx.UserSelect(1);
    EXPECT_EQ(program->Main().RunBtn.Caption(), "&Run!");
    EXPECT_EQ(program->Store().ReadSettingString("Language"), "english");

    settings.LangCoBx.UserSelect(0);
    EXPECT_EQ(program->Store().ReadSettingString("Language"), "Deutsch");
    const LanguageText german = LanguageText::FromBytes(Shipped("Deutsch.lng"));
    for (ui::TForm* window : program->TranslatedWindows()) {
        EXPECT_EQ(LangOf(*window).LanguageFile(), (dir_ / "Lang\\Deutsch.lng").string());
        if (window != &program->Main()) {
            EXPECT_EQ(window->Caption(), *german.Value(window->Name() + ".Caption"));
        }
    }
    EXPECT_EQ(program->Main().RunBtn.Caption(), german.Read("Translations", "MainForm.RunBtn.Caption"));
    EXPECT_EQ(program->Main().Caption(), "Orvane 4.0b");
    EXPECT_FALSE(program->Main().SaveMenu.Enabled()); // the configuration did not change
    // The action editor's lists were replaced and their first items chosen again.
    auto& editor = *dynamic_cast<actions::TActionForm*>(program->TranslatedWindows()[1]);
    EXPECT_EQ(editor.ActionTypeCoBx.ItemIndex(), 0);
    EXPECT_EQ(editor.ShutDownCoBx.Text(), editor.ShutDownCoBx.Items[0]);

    // The next start chooses the stored language again.
    Start();
    EXPECT_EQ(program->Settings().LangCoBx.Text(), "Deutsch");
    EXPECT_EQ(program->Main().RunBtn.Caption(), german.Read("Translations", "MainForm.RunBtn.Caption"));
}

} // namespace
} // namespace orvane::settings
