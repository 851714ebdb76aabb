#include "ui/dialogs/Logos.h"

#include "support/CaseNames.h"

#include <QImage>
#include <QSet>

#include <functional>
#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

struct Logo {
    const char* name;
    std::function<QImage()> draw;
};

const Logo logos[] = { { "Vantrell", Logos::Vantrell }, { "Corvane", Logos::Corvane } };

class LogoTest : public testing::TestWithParam<Logo> { };

TEST_P(LogoTest, Is48By48At24BitsAPixel)
{
    const QImage image = GetParam().draw();

    EXPECT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.depth(), 24);
}

TEST_P(LogoTest, IsAPictureNotAFilledSquare)
{
    const QImage image = GetParam().draw();

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }

    EXPECT_GE(colours.size(), 3);
}

TEST_P(LogoTest, DrawnTheSameEveryTime)
{
    EXPECT_EQ(GetParam().draw(), GetParam().draw());
}

INSTANTIATE_TEST_SUITE_P(Logos, LogoTest, testing::ValuesIn(logos), CaseNames::testName);

TEST(LogosTest, TheTwoLogosDiffer)
{
    EXPECT_NE(Logos::Vantrell(), Logos::Corvane());
}

} // namespace
