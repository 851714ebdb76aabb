#include "core/history/FamilyLayout.h"

#include <gtest/gtest.h>

namespace {

const QSizeF cell(100, 50);
constexpr double gap = 10;

TEST(FamilyLayout, AChildStandsOneGenerationBelowItsDeepestParent)
{
    FamilyLayout layout(cell, gap, 16);
    layout.add(0, {});
    layout.add(1, {});
    layout.add(2, { 0, 1 });
    layout.add(3, { 2, 0 });
    // A parent from another run is no parent here.
    layout.add(4, { 99 });
    const struct {
        qint16 id;
        int generation;
        QPointF position;
    } expected[] = {
        { 0, 0, { 0, 0 } },
        { 1, 0, { 100, 0 } },
        { 4, 0, { 200, 0 } },
        { 2, 1, { 0, 60 } },
        { 3, 2, { 0, 120 } },
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(layout.generation(e.id), e.generation);
        EXPECT_EQ(layout.position(e.id), e.position);
    }
    EXPECT_EQ(layout.size(), QSizeF(300, 170));
}

TEST(FamilyLayout, AGenerationWrapsIntoLinesAndMovesThoseBelow)
{
    FamilyLayout layout(cell, gap, 2);
    EXPECT_FALSE(layout.add(0, {}));
    EXPECT_FALSE(layout.add(1, {}));
    EXPECT_FALSE(layout.add(2, { 0 }));
    EXPECT_EQ(layout.position(2), QPointF(0, 60));
    // Generation 0 takes a second line: generation 1 moves down by one line.
    EXPECT_TRUE(layout.add(3, {}));
    EXPECT_EQ(layout.position(3), QPointF(0, 50));
    EXPECT_EQ(layout.position(2), QPointF(0, 110));
    // A new line at the bottom moves nothing.
    EXPECT_FALSE(layout.add(4, { 0 }));
    EXPECT_FALSE(layout.add(5, { 0 }));
    EXPECT_EQ(layout.position(5), QPointF(0, 160));
}

} // namespace
