#include "ui/windows/WindowPlacement.h"

#include "support/CaseNames.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct PlacementCase {
    const char* name;
    QRect screen;
    QRect mainFrame;
    QSize frame;
    int count;
    // How many of them the screen has room for beside the main window; the rest cascade.
    int roomFor;
};

class WindowPlacementTest : public testing::TestWithParam<PlacementCase> { };

TEST_P(WindowPlacementTest, GridWindowsStayOnTheScreenClearOfEachOtherAndOfTheMainWindow)
{
    const PlacementCase& c = GetParam();
    const std::vector<QPoint> corners = WindowPlacement::place(c.screen, c.mainFrame, c.frame, c.count);
    ASSERT_EQ(static_cast<int>(corners.size()), c.count);
    for (int i = 0; i < c.count; ++i) {
        const QRect window(corners[static_cast<std::size_t>(i)], c.frame);
        SCOPED_TRACE(i);
        EXPECT_TRUE(c.screen.contains(window)) << window.x() << "," << window.y();
        if (i >= c.roomFor)
            continue;
        EXPECT_FALSE(window.intersects(c.mainFrame));
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(window.intersects(QRect(corners[static_cast<std::size_t>(j)], c.frame))) << j;
    }
}

const PlacementCase placementCases[] = {
    { "NineBesideAMainWindowInTheCorner", { 0, 0, 1024, 768 }, { 0, 0, 188, 100 }, { 217, 153 }, 9, 9 },
    { "NineOnASmallScreen", { 0, 0, 800, 600 }, { 10, 10, 188, 100 }, { 217, 153 }, 9, 8 },
    { "MainWindowAtTheRightEdge", { 0, 0, 1024, 768 }, { 830, 300, 188, 100 }, { 217, 153 }, 9, 9 },
    { "ScreenBesideAnotherOne", { 1920, 0, 1280, 1024 }, { 1930, 20, 188, 100 }, { 217, 153 }, 12, 12 },
    { "MoreThanTheScreenHolds", { 0, 0, 640, 480 }, { 0, 0, 188, 100 }, { 217, 153 }, 20, 6 },
};

INSTANTIATE_TEST_SUITE_P(Screens, WindowPlacementTest, testing::ValuesIn(placementCases), CaseNames::testName);

TEST(WindowPlacement, TheFirstWindowStandsRightOfTheMainWindowAtItsTop)
{
    const auto corners = WindowPlacement::place({ 0, 0, 1024, 768 }, { 20, 30, 188, 100 }, { 217, 153 }, 1);
    ASSERT_EQ(corners.size(), 1U);
    EXPECT_EQ(corners[0], QPoint(20 + 188 + WindowPlacement::Gap, 30));
}

TEST(WindowPlacement, RowsWrapAtTheScreensEdgeBeforeTheyCascade)
{
    const QSize frame(217, 153);
    const auto corners = WindowPlacement::place({ 0, 0, 1024, 768 }, { 0, 0, 188, 100 }, frame, 9);
    // Three windows fit right of the main window in the first row; below it a row starts at the screen's left.
    EXPECT_EQ(corners[2].y(), corners[0].y());
    EXPECT_GT(corners[3].y(), corners[0].y() + frame.height());
    EXPECT_EQ(corners[3].x(), 0);
}

TEST(WindowPlacement, PastTheScreensEndWindowsCascadeFromItsCorner)
{
    const QRect screen(0, 0, 640, 480);
    const auto corners = WindowPlacement::place(screen, { 0, 0, 188, 100 }, { 217, 153 }, 10);
    EXPECT_EQ(corners[6], screen.topLeft());
    EXPECT_EQ(corners[7], screen.topLeft() + QPoint(WindowPlacement::CascadeStep, WindowPlacement::CascadeStep));
}

// Regression: a second litter went exactly over the parents left open from the first, hiding them.
TEST(WindowPlacement, ASecondLitterGoesClearOfTheWindowsLeftOpen)
{
    const QRect screen(0, 0, 1024, 768);
    const QRect main(0, 0, 188, 100);
    const QSize frame(217, 153);
    const std::vector<QPoint> first = WindowPlacement::place(screen, main, frame, 9);
    const std::vector<QRect> open { QRect(first[2], frame), QRect(first[5], frame) };

    const std::vector<QPoint> second = WindowPlacement::place(screen, main, frame, 9, open);

    for (const QPoint& corner : second)
        for (const QRect& parent : open)
            EXPECT_FALSE(QRect(corner, frame).intersects(parent)) << corner.x() << "," << corner.y();
}

} // namespace
