// The random generators: range and resolution of their draws, and reseeding.

#include "core/platform/RandomSource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

constexpr double steps = 16777216.0; // 2^24

void expectOnTheGrid(float r)
{
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
    const double k = static_cast<double>(r) * steps;
    ASSERT_EQ(k, std::floor(k)) << r << " is not a multiple of 2^-24";
}

TEST(ClockRandomSource, DrawsLieInTheUnitIntervalOnTheGrid)
{
    ClockRandomSource source;
    for (int i = 0; i < 100000; ++i)
        expectOnTheGrid(source.next());
}

TEST(ClockRandomSource, DrawsUseAllTwentyFourBits)
{
    ClockRandomSource source;
    bool lowestBitSeen = false;
    bool highestBitSeen = false;
    for (int i = 0; i < 1000; ++i) {
        const auto k = static_cast<long>(static_cast<double>(source.next()) * steps);
        lowestBitSeen = lowestBitSeen || (k & 1) != 0;
        highestBitSeen = highestBitSeen || (k & (1L << 23)) != 0;
    }
    EXPECT_TRUE(lowestBitSeen);
    EXPECT_TRUE(highestBitSeen);
}

// The program reseeds before nearly every draw, far faster than the clock advances.
TEST(ClockRandomSource, ReseedingInATightLoopGivesFreshWellMixedValues)
{
    ClockRandomSource source;
    constexpr int pairs = 10000;
    std::vector<float> values;
    values.reserve(pairs);
    for (int i = 0; i < pairs; ++i) {
        source.reseed();
        values.push_back(source.next());
    }
    for (const float r : values)
        expectOnTheGrid(r);

    // 10,000 draws from 2^24 values collide only a few times.
    const std::set<float> distinct(values.begin(), values.end());
    EXPECT_GE(distinct.size(), 9900U);

    int repeatsOfThePrevious = 0;
    double sum = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i > 0 && values[i] == values[i - 1])
            ++repeatsOfThePrevious;
    }
    EXPECT_LE(repeatsOfThePrevious, 2);
    // The mean's standard deviation is about 0.003: this bound is some fifteen of them wide.
    EXPECT_NEAR(sum / pairs, 0.5, 0.05);

    // Each tenth of the interval holds about a thousand values.
    std::vector<int> tenths(10, 0);
    for (const float r : values)
        ++tenths[static_cast<std::size_t>(r * 10.0F)];
    for (const int count : tenths)
        EXPECT_GT(count, 700);
}

} // namespace
