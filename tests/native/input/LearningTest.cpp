// Learning a code: the samples a run collects, the lights and bar that show
// them, and the code that the agreeing samples merge into.
#include "input/LearnForm.h"
#include "fakes/FakeUi.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::input {
namespace {

core::TCommand Sequence(const std::vector<int>& values) {
    core::TCommand sequence;
    for (int value : values) sequence.Append(value);
    return sequence;
}

std::vector<int> CodeOf(const core::TCommand& command) {
    return {command.Code.begin(), command.Code.begin() + command.Count()};
}

struct LearningRun {
    const char* what;
    std::vector<std::vector<int>> samples;
    std::vector<ui::TColor> lights; // after the last sample
    bool acceptable;
    bool merged;
    std::vector<int> code;
};

TEST(Learning, AgreeingSamplesMergeIntoTheShortestWithARunningAverage) {
    const ui::TColor t = ui::clTeal, g = ui::clLime, r = ui::clRed;
    const LearningRun runs[] = {
        {"three agree, the third shortest", {{10, 20, 30}, {12, 18, 31}, {10, 21}}, {g, g, g, t}, true, true, {10, 20}},
        {"the third disagrees on position 0", {{10, 20, 30}, {12, 18, 31}, {11, 21}}, {g, g, r, t}, true, true,
         {11, 19, 30}},
        {"negative values average toward zero", {{-3, 100, 7}, {-4, 101, 8}}, {g, g, t, t}, true, true, {-3, 100, 7}},
        {"only the first agrees with itself", {{10, 20, 30}, {90, 90, 90}}, {g, r, t, t}, false, true, {10, 20, 30}},
        {"the fifth and sixth replace the fourth",
         {{10, 20, 30}, {10, 20, 30}, {10, 20, 30}, {10, 20, 30}, {10, 20, 30}, {50, 50, 50}},
         {g, g, g, r},
         true,
         true,
         {10, 20, 30}},
        {"79 75 10 is a sample like any other", {{79, 75, 10}, {79, 75, 11}}, {g, g, t, t}, true, true, {79, 75, 10}},
    };
    fakes::FakeUi ui;
    TLearnForm& form = ui.app.CreateForm<TLearnForm>();
    const RecognitionSettings settings; // tolerance 10, nothing skipped, no limit
    for (const LearningRun& run : runs) {
        SCOPED_TRACE(run.what);
        form.RestartBtn.Click();
        for (const auto& sample : run.samples) form.TakeSample(Sequence(sample), settings);
        const ui::TShape* lights[] = {&form.Circle1, &form.Circle2, &form.Circle3, &form.Circle4};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(lights[i]->BrushColor(), run.lights[i]) << "light " << i + 1;
        EXPECT_EQ(form.AcceptBtn.Enabled(), run.acceptable);
        core::TCommand command = Sequence({1, 2, 3, 4, 5});
        EXPECT_EQ(form.LearnQueue.MergeInto(command), run.merged);
        EXPECT_EQ(CodeOf(command), run.code);
    }
}

TEST(Learning, TheReceiversOkAnswerIsNoSampleAndRestartBeginsAfresh) {
    fakes::FakeUi ui;
    TLearnForm& form = ui.app.CreateForm<TLearnForm>();
    form.TakeSample(Sequence({40, 0, 200, -5, 120}), {});
    EXPECT_EQ(form.ProgressBar.Max(), 200);
    EXPECT_EQ(form.ProgressBar.Position(), 120); // the last positive value
    form.TakeSample(Sequence({79, 75}), {});
    EXPECT_EQ(form.LearnQueue.Count, 0);
    EXPECT_EQ(form.Circle2.BrushColor(), ui::clTeal);
    EXPECT_EQ(form.ProgressBar.Position(), 120);

    form.TakeSample(Sequence({40, 0, 200, -5, 120}), {});
    EXPECT_TRUE(form.AcceptBtn.Enabled());
    form.RestartBtn.Click();
    EXPECT_EQ(form.LearnQueue.Count, -1);
    EXPECT_EQ(form.ProgressBar.Position(), 0);
    EXPECT_EQ(form.Circle1.BrushColor(), ui::clTeal);
    EXPECT_FALSE(form.AcceptBtn.Enabled());
}

TEST(Learning, ASampleOfTheFullLengthNeverSetsTheLearnedLength) {
    TLearnQueue queue;
    core::TCommand full;
    for (int i = 0; i <= core::kMaxCodeIndex; ++i) full.Append(i % 50);
    queue.Take(full, {});
    queue.Take(full, {});
    core::TCommand command = Sequence({7});
    EXPECT_FALSE(queue.MergeInto(command));
    EXPECT_EQ(CodeOf(command), std::vector<int>{7});

    // Values at the ends of the range average without overflowing.
    queue.Reset();
    queue.Take(Sequence({2147483647, -2147483647 - 1, 5}), {});
    queue.Take(Sequence({2147483647, -2147483647 - 1, 5}), {});
    ASSERT_TRUE(queue.MergeInto(command));
    EXPECT_EQ(CodeOf(command), (std::vector<int>{2147483647, -2147483647 - 1, 5}));
}

} // namespace
} // namespace orvane::input
