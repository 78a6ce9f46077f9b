// The settings dialog as it is before anything is loaded into it, and its
// layout.
#include "SettingsFormFixture.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace orvane::settings::testing {
namespace {

using namespace orvane::ui;

TEST_F(SettingsFormTest, AtDesignFourBoxesAreCheckedAndNothingIsWritten) {
    std::vector<std::string> checked;
    for (Component* c : form->Components())
        if (auto* box = dynamic_cast<TCheckBox*>(c); box && box->Checked()) checked.push_back(box->Name());
    EXPECT_EQ(checked, (std::vector<std::string>{"LaunchChBx", "PlaySndsChBx", "AdvancedKeyPressChBx",
                                                 "SerialBasedChBx"}));
    EXPECT_TRUE(form->ExternalFileRBtn.Checked());
    EXPECT_FALSE(form->WinSoundsRBtn.Checked());
    EXPECT_TRUE(registry.valuesWritten.empty());
    EXPECT_FALSE(RunEntry());
    EXPECT_EQ(originsSwitchedOff, 0);
}

TEST_F(SettingsFormTest, DesignValuesShowInTheEditsWithPortsUngrouped) {
    EXPECT_EQ(form->ToleranceEdBox.Text(), "20");
    EXPECT_EQ(form->ValueSizeUpDwn.Min(), 1);
    EXPECT_EQ(form->ValueSizeUpDwn.Max(), 4);
    EXPECT_EQ(form->BinaryEdBx.Text(), "127");
    EXPECT_EQ(form->TCPIPPortEdBx.Text(), "1024");
    EXPECT_EQ(form->TCPServerPortEdBx.Text(), "4040");
    EXPECT_EQ(form->ShowTimeUpDwn.Position(), 1000);
    EXPECT_EQ(form->ShowTimeUpDwn.Increment(), 250);
    EXPECT_EQ(form->SpeedCoBx.Items.Count(), 13);
    EXPECT_EQ(form->SpeedCoBx.Items[6], "9600");
    EXPECT_EQ(form->CommandsDataCoBx.Items.Items(), (std::vector<std::string>{"All", "Recognized", "Unrecognized"}));
}

TEST_F(SettingsFormTest, DependentControlsStartDisabledAndTheHiddenOnesHidden) {
    for (Control* c : std::initializer_list<Control*>{
             &form->LogFileEdBx, &form->BrowseLogBtn, &form->UIRServerChBx, &form->BestBuyChBx,
             &form->CreativeiNFRAChBx, &form->AverWndBtn, &form->TCPIPPortLbl, &form->TCPIPPortEdBx,
             &form->TCPIPPortUpDwn, &form->TCPIPHostBtn, &form->BinaryEdBx, &form->BinaryUpDwn, &form->WinSoundsCoBx,
             &form->CommandsDataCoBx})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    for (Control* c : std::initializer_list<Control*>{&form->AverWndBtn, &form->CommandsDataCoBx,
                                                       &form->LangFilesLBx, &form->WinSoundsList})
        EXPECT_FALSE(c->Visible()) << c->Name();
}

TEST_F(SettingsFormTest, IsACentredDialogOfSevenTabsClosedByAccept) {
    EXPECT_EQ(form->Caption(), "Settings");
    EXPECT_EQ(form->BorderStyle(), FormBorderStyle::Dialog);
    EXPECT_EQ(form->Position(), FormPosition::ScreenCenter);
    std::vector<std::string> tabs;
    for (int i = 0; i < form->PageCtrl.PageCount(); ++i) tabs.push_back(form->PageCtrl.Page(i).Caption());
    EXPECT_EQ(tabs, (std::vector<std::string>{"General", "Origin of control", "Serial port", "Recognition", "Sounds",
                                              "OSD", "DDE / TCP"}));
    EXPECT_EQ(form->PageCtrl.ActivePage(), &form->GeneralTab);

    ui.dialogs.ExpectModal("SettingsForm", [](TForm& f) { f.DialogKey(keys::Return); });
    EXPECT_EQ(form->ShowModal(), mrOk);
}

// Each visible control lies inside its parent, clear of its visible
// siblings; inside a group box it keeps clear of the frame and the caption.
void ExpectTidy(const Control& parent) {
    const bool group = dynamic_cast<const TGroupBox*>(&parent) != nullptr;
    std::vector<const Control*> shown;
    for (const Control* c : parent.Controls())
        if (c->Visible()) shown.push_back(c);
    for (const Control* c : shown) {
        const Rect r = c->BoundsRect();
        const int margin = group ? 8 : 0;
        EXPECT_GE(r.left, margin) << c->Name();
        EXPECT_LE(r.right, parent.Width() - margin) << c->Name();
        EXPECT_GE(r.top, group ? 16 : 0) << c->Name();
        EXPECT_LE(r.bottom, parent.Height() - (group ? 6 : 0)) << c->Name();
        ExpectTidy(*c);
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            // Pages share their page control's area; one shows at a time.
            if (dynamic_cast<const TTabSheet*>(shown[i])) continue;
            const Rect a = shown[i]->BoundsRect(), b = shown[j]->BoundsRect();
            const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
            EXPECT_TRUE(apart) << shown[i]->Name() << " overlaps " << shown[j]->Name();
        }
}

TEST_F(SettingsFormTest, NoControlOverlapsAnotherOrLeavesItsParent) {
    ExpectTidy(*form);
}

TEST_F(SettingsFormTest, EachUpDownSitsAgainstItsEdit) {
    for (TUpDown* upDown : {&form->TCPIPPortUpDwn, &form->SkipFirstUpDwn, &form->ToleranceUpDwn, &form->LengthUpDwn,
                            &form->ValueSizeUpDwn, &form->BinaryUpDwn, &form->ShowTimeUpDwn,
                            &form->TCPServerPortUpDwn}) {
        const TEdit* edit = upDown->Associate();
        ASSERT_NE(edit, nullptr) << upDown->Name();
        EXPECT_EQ(upDown->Parent(), edit->Parent()) << upDown->Name();
        EXPECT_EQ(upDown->Left(), edit->Left() + edit->Width()) << upDown->Name();
        EXPECT_EQ(upDown->Top(), edit->Top()) << upDown->Name();
        EXPECT_EQ(upDown->Height(), edit->Height()) << upDown->Name();
    }
}

} // namespace
} // namespace orvane::settings::testing
