// RandomInt, and the new board it deals.
#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <map>
#include <vector>

#include "tests/rules/GameTest.h"

namespace pelmora::test_support {

// How often each value comes up, with a seeded generator and a stopped clock.
std::map<int, int> histogram(std::int32_t low, std::int32_t high, int draws) {
    MixingGenerator generator(20240611);
    FixedClock clock;
    RandomSource random(generator, clock);
    std::map<int, int> counts;
    for (int i = 0; i < draws; ++i) ++counts[random.RandomInt(low, high)];
    return counts;
}

TEST(RandomIntTest, RangesAdjustedBoundsAndTheRarerZero) {
    for (const auto& [low, high, from, to] : std::vector<std::array<int, 4>>{
             {1, 40, 1, 40}, {0, 30, 0, 30}, {5, 3, 0, 3}, {0, -1, 0, 9}, {7, -50, 0, 9}}) {
        const auto counts = histogram(low, high, 20000);
        EXPECT_EQ(counts.begin()->first, from) << low << ", " << high;
        EXPECT_EQ(counts.rbegin()->first, to) << low << ", " << high;
        EXPECT_EQ(static_cast<int>(counts.size()), to - from + 1) << low << ", " << high;
    }
    // Only u x 31 below one half rounds to 0: half the chance of the others.
    const auto counts = histogram(0, 30, 124000);
    EXPECT_NEAR(counts.at(0) / (124000.0 - counts.at(0)) * 30, 0.5, 0.15);
}

TEST(RandomIntTest, RoundsHalvesToEvenDrawsAgainOutsideTheRangeAndReseedsOnce) {
    struct Case { std::int32_t low, high; std::vector<float> u; std::int32_t expected; };
    const Case cases[] = {{1, 40, {0.5f}, 20},               // 20.5
                          {0, 30, {0.5f}, 16},               // 15.5
                          {0, -1, {0.25f}, 2},               // 2.5 of 0..9
                          {0, -1, {0.75f}, 8},               // 7.5
                          {5, 3, {0.125f}, 0},               // 0.5 of 0..3
                          {5, 3, {0.375f}, 2},               // 1.5
                          {4, 3, {0.25f}, 1},                // low is high + 1: 0..3 too
                          {1, 40, {0.26f}, 11},              // 10.66: nearest, not floor
                          {1, 40, {0.0f, 0.99f, 0.5f}, 20},  // 0 is below low, 40.59 rounds to 41
                          {0, 30, {0.99f, 0.0f}, 0},         // 30.69 rounds to 31
                          {5, 3, {0.875f, 0.625f}, 2}};      // 3.5 rounds to 4
    for (const Case& c : cases) {
        ScriptedGenerator generator;
        FixedClock clock;
        RandomSource random(generator, clock);
        generator.script.assign(c.u.begin(), c.u.end());
        EXPECT_EQ(random.RandomInt(c.low, c.high), c.expected) << c.low << ", " << c.high << ", " << c.u[0];
        EXPECT_EQ(generator.draws, static_cast<long>(c.u.size())) << c.low << ", " << c.high << ", " << c.u[0];
        EXPECT_EQ(generator.reseeds, 1) << c.low << ", " << c.high << ", " << c.u[0];  // once a call
        EXPECT_EQ(generator.lastReseed, 37 + 11);  // second + month
    }
}

// The system clock reads the local time as the C library gives it: month
// 1 to 12, second 0 to 60. Read between two readings of the C library, in
// case the second turns over in between.
TEST(SystemClockTest, ReadsTheLocalTimeOfTheCLibrary) {
    const auto local = [] {
        const std::time_t now = std::time(nullptr);
        std::tm fields{};
        localtime_r(&now, &fields);
        return fields;
    };
    SystemLocalClock clock;
    const std::tm before = local();
    const int second = clock.second();
    const int month = clock.month();
    const std::tm after = local();
    EXPECT_TRUE(month == before.tm_mon + 1 || month == after.tm_mon + 1) << month;
    EXPECT_TRUE(second == before.tm_sec || second == after.tm_sec) << second;
}

using NewBoardTest = GameTest;

TEST_F(NewBoardTest, UsesOnlyTheSixthOfSixDrawsPerCellAndMapsItToColours) {
    // 37 blue, 27 green, 18 red, 9 yellow: a swapped label shows.
    const std::string colours = "bgry", pattern = "bbbbgggrry";
    for (int cell = 0; cell < kCells; ++cell) {
        const int place = static_cast<int>(colours.find(pattern[cell % 10]));
        const int sixth = place + 1 + 4 * (cell / 10 % 10);  // every value from 1 to 40 comes up
        generator.queue(sixth % 40 + 1, 41, 5);               // of another colour
        generator.queue(sixth, 41);
    }
    start(filled('Y'));
    game->Form_Load();
    for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(game->board().cells()[cell], pattern[cell % 10]) << cell;
    EXPECT_TRUE(generator.script.empty());
    EXPECT_EQ(generator.reseeds, 546);
    EXPECT_EQ(labelCounts(), (Lines{"91", "18", "37", "27", "9"}));
    EXPECT_EQ(host.log, Lines{"paint"});
}

}  // namespace pelmora::test_support
