// The "Sounds" page: the Windows event sounds, the named sounds from and back
// from the registry, adding, deleting and playing them.
#include "native/settings/SettingsFormFixture.h"
#include "fakes/FakeSound.h"

namespace orvane::settings::testing {
namespace {

using platform::RootKey;
using platform::RegistryValue;
using platform::ValueType;
using Rows = std::vector<std::pair<std::string, std::string>>;

RegistryValue Text(std::string text, ValueType type = ValueType::String) { return {type, std::move(text)}; }

class SettingsSoundsTest : public SettingsFormTest {
protected:
    SettingsSoundsTest() { form->AttachSoundPlayer(player); }

    // The dialog's creation once more, now that the registry holds what the test put there.
    void ReadAgain() { form->FormCreate(nullptr); }
    void Event(const std::string& app, const std::string& event, RegistryValue current) {
        registry.Set(RootKey::CurrentUser, "\\AppEvents\\Schemes\\Apps\\" + app + "\\" + event + "\\.Current", "",
                     std::move(current));
    }
    void Label(const std::string& event, const std::string& label) {
        registry.Set(RootKey::CurrentUser, "\\AppEvents\\EventLabels\\" + event, "", Text(label));
    }
    static Rows RowsOf(const ui::TListView& list) {
        Rows rows;
        for (int i = 0; i < list.Count(); ++i)
            rows.emplace_back(list.Item(i)->Caption(), list.Item(i)->SubItems.Count() ? list.Item(i)->SubItems[0] : "?");
        return rows;
    }
    void AddRow(const std::string& name, const std::string& file) {
        ui::TListItem* item = form->SoundsList.Add();
        item->SetCaption(name);
        item->SubItems.Add(file);
    }

    fakes::FakeSoundPlayer player;
};

TEST_F(SettingsSoundsTest, WindowsEventSoundsAreListedByLabelSortedAndEmptyOnesLeftOut) {
    // With no event sounds the file column keeps its design width.
    EXPECT_EQ(form->WinSoundsList.Count(), 0);
    EXPECT_EQ(form->SoundsList.Column(1).width, 270);
    Event(".Default", "SystemAsterisk", Text("%SystemRoot%\\media\\ding.wav", ValueType::ExpandString));
    Label("SystemAsterisk", "Asterisk");
    Event(".Default", "Silent", Text(""));
    Label("Silent", "Nothing at all");
    Event(".Default", "Beeper", Text("beep.wav"));
    Label("Beeper", "");
    Event("Explorer", "Navigating", Text("C:\\Windows\\Media\\Windows Navigation Start.wav"));
    Event("Explorer", "Odd", RegistryValue{ValueType::DWord, std::string(4, '\1')});
    ReadAgain();

    const Rows expected = {{"Asterisk", "%SystemRoot%\\media\\ding.wav"},
                           {"Beeper", "beep.wav"},
                           {"Navigating", "C:\\Windows\\Media\\Windows Navigation Start.wav"}};
    EXPECT_EQ(RowsOf(form->WinSoundsList), expected);
    EXPECT_EQ(form->WinSoundsCoBx.Items.Items(), (std::vector<std::string>{"Asterisk", "Beeper", "Navigating"}));
    EXPECT_EQ(form->WinSoundsCoBx.ItemIndex(), -1);
    EXPECT_EQ(form->SoundsList.Column(1).width,
              form->SoundsList.StringWidth("a") * static_cast<int>(expected[2].second.size()));
}

TEST_F(SettingsSoundsTest, SoundsAreAddedFromWindowsOrAFileAndNamedAfterItWhenTheBoxIsCancelled) {
    registry.Set(RootKey::CurrentUser, kSoundsKey, "Bell", Text("C:\\bell.wav"));
    Event(".Default", "Ding", Text("C:\\Windows\\Media\\ding-ding-ding-ding-ding-ding-ding-ding-ding.wav"));
    ReadAgain();
    EXPECT_EQ(RowsOf(form->SoundsList), (Rows{{"Bell", "C:\\bell.wav"}}));

    // A name given; a name box cancelled; a file dialog cancelled.
    ui.dialogs.ExpectOpenFile("Select sound file", "C:\\Sounds\\door.wav").ExpectPrompt("New sound", "Door");
    form->NewSoundBtn.UserClicked();
    ui.dialogs.ExpectOpenFile("Select sound file", "C:\\Sounds\\chime.wav").ExpectPromptCancel("New sound");
    form->NewSoundBtn.UserClicked();
    ui.dialogs.ExpectOpenFile("Select sound file", std::nullopt);
    form->NewSoundBtn.UserClicked();
    EXPECT_EQ(ui.dialogs.FileRequests().at(0).filter, "Wave table (*.wav)|*.wav");
    EXPECT_EQ(ui.dialogs.Prompts().at(1).prompt, "Enter sound name:");
    EXPECT_EQ(ui.dialogs.Prompts().at(1).proposed, "chime.wav");

    // From the Windows list: nothing while none is chosen.
    form->WinSoundsRBtn.UserClicked();
    EXPECT_TRUE(form->WinSoundsCoBx.Enabled());
    form->NewSoundBtn.UserClicked();
    form->WinSoundsCoBx.SetItemIndex(0);
    form->NewSoundBtn.UserClicked();
    const std::string ding = "C:\\Windows\\Media\\ding-ding-ding-ding-ding-ding-ding-ding-ding.wav";
    EXPECT_EQ(RowsOf(form->SoundsList), (Rows{{"Bell", "C:\\bell.wav"},
                                              {"Door", "C:\\Sounds\\door.wav"},
                                              {"chime.wav", "C:\\Sounds\\chime.wav"},
                                              {"Ding", ding}}));
    form->ExternalFileRBtn.UserClicked();
    EXPECT_FALSE(form->WinSoundsCoBx.Enabled());

    // The file column grows for a longer file, never shrinks.
    const int wide = form->SoundsList.Column(1).width;
    ui.dialogs.ExpectOpenFile("Select sound file", "C:\\" + std::string(200, 'x') + ".wav").ExpectPromptCancel("New sound");
    form->NewSoundBtn.UserClicked();
    EXPECT_EQ(form->SoundsList.Column(1).width, form->SoundsList.StringWidth("a") * 207);
    EXPECT_GT(form->SoundsList.Column(1).width, wide);
}

TEST_F(SettingsSoundsTest, DeletingAsksFirstAndDoubleClickPlaysTheFile) {
    AddRow("Bell", "C:\\bell.wav");
    AddRow("Door", "C:\\door.wav");
    form->SoundListPopUpMenu.Popup({0, 0});
    EXPECT_FALSE(form->DeleteMenu.Enabled());
    form->SoundsList.UserKeyDown(ui::keys::Delete, 0);

    form->SoundsList.UserSelect(form->SoundsList.Item(1));
    form->SoundListPopUpMenu.Popup({0, 0});
    EXPECT_TRUE(form->DeleteMenu.Enabled());
    form->SoundsList.UserDblClicked();
    EXPECT_EQ(player.played, (std::vector<std::string>{"C:\\door.wav"}));

    const char* question = "Are you sure you want to remove from list this sound?";
    ui.dialogs.ExpectMessageBox(question, ui::mrNo);
    form->DeleteMenu.Click();
    form->SoundsList.UserKeyDown('A', 0);
    EXPECT_EQ(form->SoundsList.Count(), 2);
    ui.dialogs.ExpectMessageBox(question, ui::mrYes);
    form->SoundsList.UserKeyDown(ui::keys::Delete, 0);
    EXPECT_EQ(RowsOf(form->SoundsList), (Rows{{"Bell", "C:\\bell.wav"}}));
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().caption, "Confirmation");
    EXPECT_EQ(ui.dialogs.MessageBoxes().back().flags, ui::mb::YesNo | ui::mb::IconQuestion);
}

} // namespace
} // namespace orvane::settings::testing
