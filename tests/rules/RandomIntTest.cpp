// RandomInt: ranges, adjusted bounds, rounding, redraws and reseeding.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/rules/FakePlatform.h"

namespace pelmora::test_support {
namespace {

// How often each value comes up, with a seeded generator and a stopped clock.
std::map<int, int> histogram(std::int32_t low, std::int32_t high, int draws) {
    MixingGenerator generator(20240611);
    FixedClock clock(12, 3);
    RandomSource random(generator, clock);
    std::map<int, int> counts;
    for (int i = 0; i < draws; ++i) ++counts[random.RandomInt(low, high)];
    return counts;
}

// Every value from `from` to `to` came up, and nothing else.
void expectExactly(const std::map<int, int>& counts, int from, int to) {
    std::set<int> expected, seen;
    for (int value = from; value <= to; ++value) expected.insert(value);
    for (const auto& entry : counts) seen.insert(entry.first);
    EXPECT_EQ(seen, expected);
}

TEST(RandomIntRanges, CallersRangesAndAdjustedBounds) {
    expectExactly(histogram(1, 40, 40000), 1, 40);
    expectExactly(histogram(5, 3, 4000), 0, 3);   // low >= high + 1: low becomes 0
    expectExactly(histogram(0, -1, 4000), 0, 9);  // high + 1 <= 0: 0 to 9
    expectExactly(histogram(7, -50, 4000), 0, 9);
}

TEST(RandomIntRanges, ZeroComesHalfAsOftenFromZeroToThirty) {
    const auto counts = histogram(0, 30, 124000);
    expectExactly(counts, 0, 30);
    double others = 0;
    for (int value = 1; value <= 30; ++value) others += counts.at(value);
    // Only u x 31 below one half rounds to 0: expected ratio 0.5.
    const double ratio = counts.at(0) / (others / 30);
    EXPECT_GT(ratio, 0.4);
    EXPECT_LT(ratio, 0.6);
}

struct Rounding {
    std::int32_t low, high;
    float u;
    std::int32_t expected;
};

class RandomIntRounding : public ::testing::TestWithParam<Rounding> {};

TEST_P(RandomIntRounding, RoundsToNearestWithHalvesToEven) {
    ScriptedGenerator generator;
    FixedClock clock(0, 1);
    RandomSource random(generator, clock);
    generator.script = {GetParam().u};
    EXPECT_EQ(random.RandomInt(GetParam().low, GetParam().high), GetParam().expected);
    EXPECT_EQ(generator.draws, 1);
}

INSTANTIATE_TEST_SUITE_P(ExactValues, RandomIntRounding,
                         ::testing::Values(Rounding{1, 40, 0.5f, 20},   // 20.5
                                           Rounding{0, 30, 0.5f, 16},   // 15.5
                                           Rounding{0, -1, 0.25f, 2},   // 2.5
                                           Rounding{0, -1, 0.75f, 8},   // 7.5
                                           Rounding{5, 3, 0.125f, 0},   // 0.5
                                           Rounding{5, 3, 0.375f, 2},   // 1.5
                                           Rounding{4, 3, 0.25f, 1},    // low = high + 1
                                           Rounding{1, 40, 0.26f, 11},  // 10.66: nearest, not floor
                                           Rounding{0, 30, 0.01f, 0}));

class RandomIntScripted : public ::testing::Test {
protected:
    ScriptedGenerator generator;
    FixedClock clock{37, 11};
    RandomSource random{generator, clock};
};

TEST_F(RandomIntScripted, DrawsAgainBelowLowAndAtHighPlusOne) {
    generator.script = {0.0f, 0.99f, 0.5f};  // 0 < low, 40.59 -> 41, then 20
    EXPECT_EQ(random.RandomInt(1, 40), 20);
    EXPECT_EQ(generator.draws, 3);
    generator.script = {0.99f, 0.0f};  // 30.69 -> 31, then 0
    EXPECT_EQ(random.RandomInt(0, 30), 0);
    generator.script = {0.875f, 0.625f};  // 3.5 -> 4 is one past the adjusted high
    EXPECT_EQ(random.RandomInt(5, 3), 2);
}

TEST_F(RandomIntScripted, ReseedsOncePerCallWithSecondPlusMonth) {
    generator.script = {0.0f, 0.0f, 0.5f};
    random.RandomInt(1, 40);
    clock.set(59, 12);
    random.RandomInt(1, 40);
    EXPECT_EQ(generator.reseeds, (std::vector<std::int32_t>{48, 71}));
}

TEST(MixingGeneratorTest, ReseedMixesIntoTheStateInsteadOfRestarting) {
    MixingGenerator generator(42);
    std::set<float> values;
    for (int i = 0; i < 1000; ++i) {
        generator.reseed(48);
        const float u = generator.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        values.insert(u);
    }
    EXPECT_GT(values.size(), 990u);

    MixingGenerator first(1), second(2);
    first.reseed(48);
    second.reseed(48);
    EXPECT_NE(first.next(), second.next());
}

}  // namespace
}  // namespace pelmora::test_support
