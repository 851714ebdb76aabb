#include "core/drawing/ImageSurface.h"

#include "program/clsObject.h"
#include "support/ProgramState.h"
#include "support/SurfaceWindow.h"

#include <gtest/gtest.h>

namespace {

const QColor background(Qt::white);
constexpr QSize drawingArea { 1695, 1575 };

using ImageWindow = SurfaceWindow<ImageSurface>;

class ImageSurfaceTest : public ProgramStateTest, public testing::WithParamInterface<qreal> {
protected:
    QImage drawTrunk(qint16 width, qint16 red, qint16 green, qint16 blue)
    {
        const qreal ratio = GetParam();
        PictureWindow::SetFactory([ratio] { return std::make_unique<ImageWindow>(drawingArea, ratio, background); });
        clsObject picture;
        clsGenSeq& code = picture.GenCode();
        code.SetGLength(0, 500);
        code.SetGWidth(0, width);
        code.SetGColorRed(0, red);
        code.SetGColorGreen(0, green);
        code.SetGColorBlue(0, blue);
        code.SetGDone(1, true);
        picture.Display().Surface().Clear();
        picture.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0);
        picture.Display().Surface().Finish();
        return static_cast<ImageWindow&>(picture.Display()).surface.image();
    }

    // The colour at a point given in twips.
    static QColor at(const QImage& image, int xTwips, int yTwips)
    {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(xTwips / 15.0 * ratio), static_cast<int>(yTwips / 15.0 * ratio));
    }
};

TEST_P(ImageSurfaceTest, TheTrunkShowsItsGenesExactColourWhereItBelongs)
{
    const QImage image = drawTrunk(3, 10, 200, 30);
    EXPECT_EQ(image.size(), QSize(113, 105) * GetParam());
    for (const int y : { 1150, 1300, 1500 }) {
        SCOPED_TRACE(y);
        EXPECT_EQ(at(image, 850, y), QColor(10, 200, 30));
        EXPECT_EQ(at(image, 600, y), background);
        EXPECT_EQ(at(image, 1100, y), background);
    }
    // Above the trunk's end nothing is drawn.
    EXPECT_EQ(at(image, 850, 700), background);
}

TEST_P(ImageSurfaceTest, AWidthBelowOneDrawsAsOne)
{
    const QImage image = drawTrunk(-4, 0, 0, 255);
    EXPECT_EQ(at(image, 850, 1300), QColor(0, 0, 255));
}

TEST_P(ImageSurfaceTest, AHugeWidthCoversTheWholeArea)
{
    const QImage image = drawTrunk(32767, 255, 0, 0);
    for (const QPoint corner : { QPoint(0, 0), QPoint(1680, 0), QPoint(0, 1560), QPoint(1680, 1560) })
        EXPECT_EQ(at(image, corner.x(), corner.y()), QColor(255, 0, 0));
}

TEST_P(ImageSurfaceTest, ClearFillsWithTheBackground)
{
    ImageSurface surface(drawingArea, GetParam(), QColor(1, 2, 3));
    surface.SetPenWidth(50);
    surface.Line(0, 0, 1695, 1575, 0xFFFFFF);
    surface.Clear();
    const QImage& image = surface.image();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(1, 2, 3));
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, ImageSurfaceTest, testing::Values(1.0, 2.0),
    [](const auto& info) { return info.param == 1.0 ? "Standard" : "HiDpi"; });

} // namespace
