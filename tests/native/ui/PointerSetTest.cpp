// The tree's set of its nodes: every answer agrees with a plain set through
// long runs of insertions and removals, growth and emptying, where entries
// that probed past each other are removed in every order.
#include "ui/PointerSet.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace orvane::ui {
namespace {

TEST(PointerSet, AgreesWithAPlainSetThroughInsertionsRemovalsAndClearing) {
    std::vector<int> pool(3000);
    PointerSet<int> set;
    std::set<const int*> plain;
    std::mt19937 random(7);
    // A few entries only at first, so that removals often empty clusters;
    // then many, so that the table grows while entries come and go.
    for (const std::size_t used : {20u, 3000u, 300u}) {
        for (int step = 0; step < 40000; ++step) {
            const int* entry = &pool[random() % used];
            switch (random() % 3) {
            case 0:
                set.insert(entry);
                plain.insert(entry);
                break;
            case 1:
                set.erase(entry);
                plain.erase(entry);
                break;
            default:
                break;
            }
            ASSERT_EQ(set.contains(entry), plain.count(entry) != 0) << "step " << step << " of " << used;
            ASSERT_EQ(set.size(), plain.size());
        }
        for (const int& each : pool) ASSERT_EQ(set.contains(&each), plain.count(&each) != 0);
        set.clear();
        plain.clear();
        EXPECT_FALSE(set.contains(&pool[0]));
    }
    EXPECT_FALSE(set.contains(nullptr));
}

} // namespace
} // namespace orvane::ui
