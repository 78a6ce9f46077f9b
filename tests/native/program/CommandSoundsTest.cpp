// A recognised command's sound: found by name in the settings dialog's list
// when "Play sounds" is on, and the list written back when the dialog closes.
#include "native/program/ProgramFixture.h"
#include "settings/SettingsForm.h"

namespace orvane::program {
namespace {

using Sounds = std::vector<std::pair<std::string, std::string>>;

class CommandSoundsTest : public ProgramFixture {
protected:
    settings::TSettingsForm& Settings() { return program->Settings(); }
    void SetSounds(const Sounds& sounds) {
        Settings().SoundsList.Clear();
        for (const auto& [name, file] : sounds) {
            ui::TListItem* item = Settings().SoundsList.Add();
            item->SetCaption(name);
            item->SubItems.Add(file);
        }
    }
};

TEST_F(CommandSoundsTest, TheFirstSoundOfTheCommandsNamePlaysWhenSoundsAreOn) {
    struct Case {
        const char* what;
        Sounds sounds;
        std::string commandSound;
        bool playSounds;
        std::vector<std::string> played;
    };
    const Case cases[] = {
        {"letter case ignored", {{"Bell", "bell.wav"}}, "BELL", true, {"bell.wav"}},
        {"the first of equal names", {{"Door", "door.wav"}, {"bell", "first.wav"}, {"Bell", "second.wav"}},
         "Bell", true, {"first.wav"}},
        {"\"None\" is silent", {{"Bell", "bell.wav"}}, "None", true, {}},
        {"unless a sound is called so", {{"none", "none.wav"}}, "None", true, {"none.wav"}},
        {"no sound named", {{"Bell", "bell.wav"}}, "", true, {}},
        {"a deleted sound", {}, "Bell", true, {}},
        {"sounds off", {{"Bell", "bell.wav"}}, "Bell", false, {}},
    };
    TCommand& command = AddCommand(AddRemote("TV"), "Power", {1});
    command.Typematic = false;
    for (const Case& c : cases) {
        platform.sounds.played.clear();
        SetSounds(c.sounds);
        Settings().PlaySndsChBx.SetChecked(c.playSounds);
        command.Sound = c.commandSound;
        Main().IncomingSequence.Append(1);
        Main().ProcessDataSequence();
        EXPECT_EQ(Main().CommandsTree.Selected()->Text(), "Power") << c.what;
        EXPECT_EQ(platform.sounds.played, c.played) << c.what;
    }
}

TEST_F(CommandSoundsTest, ClosingTheSettingsDialogWritesTheListBackWhateverClosedIt) {
    platform.registry.Set(platform::RootKey::CurrentUser, settings::kSoundsKey, "Old",
                          {platform::ValueType::String, "old.wav"});
    Main().SaveMenu.SetEnabled(false);
    ui.dialogs.ExpectModal("SettingsForm", [this](ui::TForm& form) {
        SetSounds({{"Bell", "bell.wav"}, {"BELL", "last.wav"}});
        form.Close();
    });
    Main().SettingsMenuClick(&Main().SettingsMenu);
    auto key = platform.registry.OpenKey(platform::RootKey::CurrentUser, settings::kSoundsKey, false);
    ASSERT_TRUE(key);
    ASSERT_EQ(key->ValueNames().size(), 1u);
    EXPECT_EQ(key->ReadString("bell"), "last.wav");
    EXPECT_TRUE(Main().SaveMenu.Enabled());
}

} // namespace
} // namespace orvane::program
