// The value controls: of them, only the track bar raises an event, and only
// for the user's moves.
#include "TestForm.h"
#include "fakes/FakePeers.h"
#include "fakes/FakeUi.h"
#include "ui/Indicators.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace orvane::ui {
namespace {

class TrackBarTest : public ::testing::Test {
protected:
    TrackBarTest() {
        bar.SetMin(1);
        bar.SetMax(10);
        bar.SetPosition(5);
        bar.SetPeer(std::make_unique<fakes::RecordingPeer>());
        bar.OnChange = [this](Component*) { seen.push_back(bar.Position()); };
    }
    fakes::FakeUi ui;
    testing::TDemoForm form{ui.app};
    TTrackBar bar{form, "AccelBar"};
    std::vector<int> seen;
};

TEST_F(TrackBarTest, OnlyAUsersMoveToANewPositionRaisesOnChange) {
    bar.SetPosition(6);
    bar.UserSetPosition(7);
    bar.UserSetPosition(7);
    bar.UserSetPosition(42); // kept within the range
    bar.SetEnabled(false);
    bar.UserSetPosition(3);
    EXPECT_EQ(seen, (std::vector<int>{7, 10}));
    EXPECT_EQ(bar.Position(), 10);
    // The peer hears of the change made in code only: it shows the user's already.
    EXPECT_EQ(fakes::PeerOf(bar).Count(Prop::Position), 1);
}

TEST_F(TrackBarTest, AFailingHandlerIsReportedAndTheMoveStays) {
    bar.OnChange = [](Component*) { throw std::runtime_error("No mixer"); };
    ui.dialogs.ExpectMessageBox("No mixer");
    bar.UserSetPosition(8);
    EXPECT_EQ(bar.Position(), 8);
}

} // namespace
} // namespace orvane::ui
