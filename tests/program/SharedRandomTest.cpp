// The program-wide random generator: the clock source, and replacing it.

#include "program/SharedRandom.h"

#include "support/ScriptedRandom.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Always the same value; stands in for the shared source without any scripting.
class ConstantSource final : public RandomSource {
public:
    explicit ConstantSource(float value)
        : m_value(value)
    {
    }
    void reseed() override { }
    float next() override { return m_value; }

private:
    float m_value;
};

TEST(SharedRandom, IsTheClockSourceWhenNothingReplacesIt)
{
    EXPECT_NE(dynamic_cast<ClockRandomSource*>(&Rnd::shared()), nullptr);
    const double k = static_cast<double>(Rnd::next()) * 16777216.0;
    EXPECT_GE(k, 0.0);
    EXPECT_LT(k, 16777216.0);
    EXPECT_EQ(k, std::floor(k)) << "not a multiple of 2^-24";
}

TEST(ScopedSource, ReplacesTheSharedSourceAndRestoresIt)
{
    RandomSource* const original = &Rnd::shared();
    {
        ConstantSource outer(0.25F);
        const Rnd::ScopedSource outerScope(outer);
        EXPECT_EQ(&Rnd::shared(), &outer);
        EXPECT_EQ(Rnd::next(), 0.25F);
        {
            ConstantSource inner(0.75F);
            const Rnd::ScopedSource innerScope(inner);
            EXPECT_EQ(&Rnd::shared(), &inner);
            EXPECT_EQ(Rnd::next(), 0.75F);
        }
        EXPECT_EQ(&Rnd::shared(), &outer);
        EXPECT_EQ(Rnd::next(), 0.25F);
    }
    EXPECT_EQ(&Rnd::shared(), original);
}

TEST(ScopedSource, ReseedAndNextGoToTheReplacement)
{
    RandomSource* const original = &Rnd::shared();
    {
        ScriptedRandom scripted({ 0.5F, 0.125F });
        Rnd::reseed();
        EXPECT_EQ(Rnd::next(), 0.5F);
        Rnd::reseed();
        EXPECT_EQ(Rnd::next(), 0.125F);
        EXPECT_EQ(scripted.log, "SDSD");
    }
    EXPECT_EQ(&Rnd::shared(), original);
}

} // namespace
