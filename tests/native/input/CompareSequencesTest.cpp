// The comparison of a stored code with an incoming sequence under each of
// the recognition settings.
#include "input/Recognition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace orvane::input {
namespace {

core::TCommand Seq(std::vector<std::int32_t> values) {
    core::TCommand s;
    for (std::int32_t v : values) s.Append(v);
    return s;
}

bool Same(std::vector<std::int32_t> a, std::vector<std::int32_t> b, RecognitionSettings s = {}) {
    return CompareSequences(Seq(a), Seq(b), s);
}

TEST(CompareSequences, ToleranceIsAbsoluteAndIncludesItsBound) {
    RecognitionSettings s;
    s.tolerance = 10;
    EXPECT_TRUE(Same({100, 200, 300}, {105, 190, 310}, s));
    s.tolerance = 9;
    EXPECT_FALSE(Same({100, 200, 300}, {105, 190, 310}, s));
    s.tolerance = 0;
    EXPECT_TRUE(Same({-7, 0, 7}, {-7, 0, 7}, s));
}

TEST(CompareSequences, OneOrTwoValuesMatchOnlyOnAnEqualFirstValueWhateverTheSettings) {
    RecognitionSettings lax;
    lax.tolerance = 32767;
    lax.skipFirst = 1;
    EXPECT_FALSE(Same({5}, {6}, lax));
    EXPECT_FALSE(Same({5, 9}, {6, 9}, lax));
    EXPECT_TRUE(Same({5, 100}, {5, 900}, RecognitionSettings{}));
    // The shorter side decides: three values against two compare as two.
    EXPECT_TRUE(Same({5, 100, 300}, {5, 900}, RecognitionSettings{}));
    lax.binary = true;
    EXPECT_FALSE(Same({1, 300}, {2, 300}, lax));
    // A length limit of 1 makes longer sequences compare the same way.
    RecognitionSettings limitOne;
    limitOne.lengthLimit = 1;
    limitOne.tolerance = 32767;
    EXPECT_FALSE(Same({1, 2, 3}, {2, 2, 3}, limitOne));
    EXPECT_TRUE(Same({1, 2, 3}, {1, 900, -900}, limitOne));
}

TEST(CompareSequences, LengthLimitAndSkipFirstBoundThePositionsCompared) {
    RecognitionSettings limit;
    limit.lengthLimit = 2;
    EXPECT_TRUE(Same({1, 2, 3, 500, 600}, {1, 2, 3, -500}, limit));
    EXPECT_FALSE(Same({1, 2, 3, 500}, {1, 2, 99, 500}, limit));

    RecognitionSettings skip;
    skip.skipFirst = 1;
    EXPECT_TRUE(Same({99999, 2, 3, 4}, {1, 2, 3, 4}, skip));
    EXPECT_FALSE(Same({99999, 2, 3, 4}, {1, 2, 3, 4}, RecognitionSettings{}));
    // Skipping beyond the shorter end compares nothing: any non-empty pair matches.
    skip.skipFirst = 5;
    EXPECT_TRUE(Same({1, 2, 3, 4}, {100, 200, 300, 400}, skip));
    EXPECT_FALSE(Same({}, {100, 200, 300, 400}, skip));
    EXPECT_FALSE(Same({1, 2, 3, 4}, {}, skip));
}

TEST(CompareSequences, SameLengthAndBinaryModes) {
    RecognitionSettings s;
    s.sameLength = true;
    EXPECT_FALSE(Same({1, 2, 3}, {1, 2, 3, 4}, s));
    EXPECT_TRUE(Same({1, 2, 3}, {1, 2, 4}, s));

    RecognitionSettings binary;
    binary.binary = true; // threshold 127
    EXPECT_TRUE(Same({0, 127, 126, -5}, {126, 40000, -9, 126}, binary));
    EXPECT_FALSE(Same({0, 126, 0}, {0, 127, 0}, binary));
}

TEST(CompareSequences, ValuesAtTheEndsOfTheRangeMatchTheirEquals) {
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    EXPECT_TRUE(Same({max, max - 3, 0}, {max, max, 0}));
    EXPECT_TRUE(Same({min, min + 3, 0}, {min + 10, min, 0}));
    RecognitionSettings wide;
    wide.tolerance = 32767;
    EXPECT_FALSE(Same({max, 0, 0}, {min, 0, 0}, wide));
    EXPECT_FALSE(Same({min, 0, 0}, {max, 0, 0}, wide));
}

TEST(CompareSequences, FullSequencesCompareUpToTheirLastPosition) {
    core::TCommand a, b;
    for (int i = 0; i <= core::kMaxCodeIndex; ++i) {
        a.Append(i);
        b.Append(i);
    }
    EXPECT_TRUE(CompareSequences(a, b, {}));
    b.Code[core::kMaxCodeIndex] += 11;
    EXPECT_FALSE(CompareSequences(a, b, {}));
}

} // namespace
} // namespace orvane::input
