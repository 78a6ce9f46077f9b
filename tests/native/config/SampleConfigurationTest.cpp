// The sample configuration shipped with the release opens with what the guide
// promises, each action reads as a sensible caption, and the program writes
// it back byte for byte (but for the date): it is in the program's own format.
#include "native/program/ProgramFixture.h"

#include <sstream>

namespace orvane::program {
namespace {

class SampleConfiguration : public ProgramFixture {};

std::string WithoutDate(const std::string& text) {
    std::istringstream in(text);
    std::string line, out;
    while (std::getline(in, line))
        if (line.rfind("Date=", 0) != 0) out += line + "\n";
    return out;
}

TEST_F(SampleConfiguration, OpensWithOneRemoteTwoLayoutsAndActionsThatReadWellAndSavesBackTheSame) {
    platform.windows.keyNames[0x1C] = "Enter"; // as the system names it
    const std::string path = PathOf("Sample.orv");
    const std::string shipped = Bytes(ORVANE_SOURCE_DIR "/package/Sample.orv");
    Write("Sample.orv", shipped);
    ui.dialogs.ExpectOpenFile("", path);
    Main().OpenMenu.UserClicked();

    EXPECT_EQ(TreeText(), "My remote\n  Power\n  Play\n  Pause\n  Stop\n  Previous\n  Next\n  Volume up\n"
                          "  Volume down\n  Mute\n  OK\n  Info\n  Full screen\n");
    for (const TCommand* command : Model().Commands) EXPECT_EQ(command->CodeHigh(), -1) << "codes are left to learn";
    EXPECT_TRUE(Model().Commands[6]->Typematic) << "held volume buttons repeat";
    EXPECT_FALSE(Model().Commands[1]->Typematic) << "a held Play does not";

    // Each layout's actions: name, triggers, and the action list's captions.
    std::string seen;
    for (const auto& layout : Model().Layouts) {
        seen += layout->Name + " (" + layout->WndTitle + ")\n";
        for (const auto& action : layout->Actions) {
            seen += "  " + action->Name + " <-";
            for (const TCommand* trigger : action->Triggers)
                seen += " " + Main().CommandsTree.Items().Item(trigger->NodeIndex)->Text();
            Model().CurrentLayout = layout.get();
            Model().CurrentAction = action.get();
            Main().RefreshActionPane();
            for (int row = 0; row < Main().ActionsList.Count(); ++row)
                seen += ": " + Main().ActionsList.Item(row)->Caption();
            seen += "\n";
        }
    }
    EXPECT_EQ(seen, "Default ()\n"
                    "  Volume up <- Volume up: Volume, volume up, 5\n"
                    "  Volume down <- Volume down: Volume, volume down, 5\n"
                    "  Mute <- Mute: Volume, toggle mute\n"
                    "  Show the time <- Info: Current time\n"
                    "Media player (Media Player)\n"
                    "  Play <- Play: Ctrl+p\n"
                    "  Pause <- Pause: Ctrl+p\n"
                    "  Full screen <- Full screen: Alt+Enter\n"
                    "  Previous <- Previous: Ctrl+b\n"
                    "  Next <- Next: Ctrl+f\n");

    Main().SaveMenu.SetEnabled(true);
    Main().SaveMenu.UserClicked();
    EXPECT_EQ(WithoutDate(Bytes(path)), WithoutDate(shipped));
}

} // namespace
} // namespace orvane::program
