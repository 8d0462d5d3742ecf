#include "scoring/sort_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "scoring/workspace.h"

namespace veltora {
namespace {

// order[1..n] is a permutation of 1..n that puts the keys in the requested order.
template <typename Key>
void ExpectOrdered(const std::vector<Key>& keys, const std::vector<std::int16_t>& order, bool ascending) {
    const std::size_t n = keys.size();
    ASSERT_EQ(order.size(), n + 1);
    std::vector<std::int16_t> positions(order.begin() + 1, order.end());
    std::sort(positions.begin(), positions.end());
    for (std::size_t p = 0; p < n; ++p) ASSERT_EQ(positions[p], static_cast<std::int16_t>(p + 1));
    for (std::size_t p = 1; p < n; ++p) {
        const Key& a = keys[static_cast<std::size_t>(order[p] - 1)];
        const Key& b = keys[static_cast<std::size_t>(order[p + 1] - 1)];
        ASSERT_TRUE(ascending ? !(b < a) : !(a < b)) << "at position " << p;
    }
}

struct RandomCase {
    const char* what;
    UnitRandom random;
};

std::vector<RandomCase> RandomSources() {
    return {{"seeded", MakeUnitRandom(7)},
            {"always lowest", [] { return 0.0; }},
            {"always highest", [] { return std::nextafter(1.0, 0.0); }},
            {"faulty one", [] { return 1.0; }},
            {"faulty nan", [] { return std::numeric_limits<double>::quiet_NaN(); }},
            {"none", UnitRandom{}}};
}

std::vector<std::vector<double>> NumberInputs() {
    std::vector<double> ascending(500), descending(500), equal(300, 5.0), mixed;
    std::iota(ascending.begin(), ascending.end(), -100.0);
    std::iota(descending.rbegin(), descending.rend(), 0.0);
    const auto random = MakeUnitRandom(3);
    for (int i = 0; i < 400; ++i) mixed.push_back(std::floor(random() * 20) - 5);
    return {{}, {4}, {2, 1}, ascending, descending, equal, mixed};
}

TEST(SortIndex, OrdersNumbersWithAnyPivotSource) {
    for (const auto& source : RandomSources())
        for (const auto& keys : NumberInputs())
            for (const bool ascending : {true, false}) {
                std::vector<std::int16_t> order;
                ASSERT_TRUE(SortIndex(keys, order, ascending, source.random)) << source.what;
                ExpectOrdered(keys, order, ascending);
            }
}

TEST(SortIndex, OrdersTextsByCharacterCode) {
    const std::vector<std::string> keys = {"b", "B", "", "a", "ab", "张", "A", "b"};
    std::vector<std::int16_t> order;
    ASSERT_TRUE(SortIndex(keys, order, true, MakeUnitRandom(1)));
    ExpectOrdered(keys, order, true);
    EXPECT_EQ(keys[static_cast<std::size_t>(order[1] - 1)], "");
    EXPECT_EQ(keys[static_cast<std::size_t>(order[2] - 1)], "A");
    EXPECT_EQ(keys[static_cast<std::size_t>(order[8] - 1)], "张");
}

TEST(SortIndex, SortsTheLargestListAndRefusesALongerOne) {
    std::vector<double> keys(kMaxRankRows);
    std::iota(keys.rbegin(), keys.rend(), 0.0);
    std::vector<std::int16_t> order;
    ASSERT_TRUE(SortIndex(keys, order, true, MakeUnitRandom(5)));
    ExpectOrdered(keys, order, true);
    keys.push_back(1);
    std::vector<std::int16_t> untouched = {0, 1};
    EXPECT_FALSE(SortIndex(keys, untouched, true, MakeUnitRandom(5)));
    EXPECT_EQ(untouched, (std::vector<std::int16_t>{0, 1}));
}

TEST(SortIndex, ManyEqualKeysStaySortable) {
    const std::vector<double> keys(kMaxRankRows, 0.0);
    std::vector<std::int16_t> order;
    ASSERT_TRUE(SortIndex(keys, order, false, MakeUnitRandom(9)));
    ExpectOrdered(keys, order, false);
}

}  // namespace
}  // namespace veltora
