// The two frames a picture is shown in outside its window, measured and checked against what is drawn.

#include "core/drawing/PictureFrame.h"

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PainterSurface.h"
#include "core/drawing/TreeDrawing.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <string>

namespace {

using CaseNames::PrintTo;

// Turned by this, the trunk's direction becomes exactly 0, straight to the right, and twice itself to the left.
constexpr double RightAngle = -Drawing::StartAngle;

struct FrameCase {
    const char* name;
    GeneticCode code;
    Drawing::Flags flags;
    Drawing::Frame frame;
    QRectF twips;
};

GeneticCode sideways()
{
    GeneticCode code = PictureCodes::trunk(300, 2, Qt::red);
    // The trunk's Angle turns the two segments of gene 1.
    code[0].Angle = RightAngle;
    code[1] = { 1000, 8, 0.0, 0, 0, 255, false, true };
    code[2].Done = true;
    return code;
}

GeneticCode nothingVisible()
{
    GeneticCode code = PictureCodes::wideTree();
    for (clsGene& gene : code)
        gene.Draw = false;
    return code;
}

const FrameCase frameCases[] = {
    { "WindowWhateverTheTree", PictureCodes::wideTree(), {}, Drawing::Frame::Window, { 0, 0, 1695, 1575 } },
    // Half the 4-pixel pen (30 twips) beyond the trunk on every side, round caps at both ends.
    { "TrunkWithItsPenAndCaps", PictureCodes::trunk(500, 4, Qt::blue), {}, Drawing::Frame::WholeTree,
        { 820, 1070, 60, 560 } },
    { "TrunkReachingFarAboveTheArea", PictureCodes::trunk(3000, 1, Qt::blue), {}, Drawing::Frame::WholeTree,
        { 842.5, -1407.5, 15, 3015 } },
    // Branches of 1000 twips to (1850, 1300) and (-150, 1300) with an 8-pixel pen; the trunk's 2-pixel pen
    // reaches lowest.
    { "BranchesOutToBothSides", sideways(), {}, Drawing::Frame::WholeTree,
        QRectF(QPointF(-210, 1240), QPointF(1910, 1615)) },
    { "WidthBelowOneAsOnePixel", PictureCodes::trunk(100, 0, Qt::blue), {}, Drawing::Frame::WholeTree,
        { 842.5, 1492.5, 15, 115 } },
    { "HugeWidthAsTheWidestPen", PictureCodes::trunk(100, 32767, Qt::blue), {}, Drawing::Frame::WholeTree,
        { 850 - 61440, 1500 - 61440, 122880, 100 + 122880 } },
    { "ZeroLengthIsItsCap", PictureCodes::trunk(0, 4, Qt::blue), {}, Drawing::Frame::WholeTree, { 820, 1570, 60, 60 } },
    { "EmptyTreeAsTheWindow",
        [] {
            GeneticCode code = PictureCodes::wideTree();
            code[0].Done = true;
            return code;
        }(),
        {}, Drawing::Frame::WholeTree, { 0, 0, 1695, 1575 } },
    { "NothingVisibleAsTheWindow", nothingVisible(), { true, true }, Drawing::Frame::WholeTree, { 0, 0, 1695, 1575 } },
};

class PictureFrameTest : public testing::TestWithParam<FrameCase> { };

TEST_P(PictureFrameTest, CoversEverySegmentWithItsPen)
{
    const FrameCase& c = GetParam();
    const GeneticCode code = c.code;
    const QRectF frame = Drawing::frameOf(code, c.flags, c.frame);
    EXPECT_DOUBLE_EQ(frame.left(), c.twips.left());
    EXPECT_DOUBLE_EQ(frame.top(), c.twips.top());
    EXPECT_DOUBLE_EQ(frame.width(), c.twips.width());
    EXPECT_DOUBLE_EQ(frame.height(), c.twips.height());
}

INSTANTIATE_TEST_SUITE_P(Frames, PictureFrameTest, testing::ValuesIn(frameCases), CaseNames::testName);

struct DrawnTree {
    const char* name;
    GeneticCode code;
    bool smooth;
};

class WholeTreeRasterTest : public testing::TestWithParam<DrawnTree> { };

// Drawn around the whole tree's frame with room to spare, every painted pixel lies inside the frame, and
// the frame is no bigger than it must be: something is painted along each of its edges.
TEST_P(WholeTreeRasterTest, NothingDrawnLiesOutsideAndEveryEdgeIsTouched)
{
    constexpr int scale = 2;
    constexpr int margin = 40;
    const GeneticCode code = GetParam().code;
    const QRectF frame = Drawing::frameOf(code, {}, Drawing::Frame::WholeTree);
    const QSize inside = Drawing::pixelSize(frame, scale);
    QImage image(inside + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, GetParam().smooth);
        painter.setTransform(Drawing::twipsToDevice(frame, scale) * QTransform::fromTranslate(margin, margin));
        PainterSurface surface(painter, QRectF(), Qt::transparent);
        Drawing::drawTree(code, {}, surface);
    }
    const QRectF exact(margin, margin, frame.width() * scale / 15.0, frame.height() * scale / 15.0);
    // A smooth edge may tint the pixel it ends in; a sharp one may round to the next.
    const QRectF allowed = exact.adjusted(-1, -1, 1, 1);
    int outside = 0;
    double left = image.width();
    double top = image.height();
    double right = 0;
    double bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            if (!allowed.contains(QRectF(x, y, 1, 1)))
                ++outside;
            left = std::min<double>(left, x);
            top = std::min<double>(top, y);
            right = std::max<double>(right, x + 1);
            bottom = std::max<double>(bottom, y + 1);
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_NEAR(left, exact.left(), 2.0);
    EXPECT_NEAR(top, exact.top(), 2.0);
    EXPECT_NEAR(right, exact.right(), 2.0);
    EXPECT_NEAR(bottom, exact.bottom(), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Trees, WholeTreeRasterTest,
    testing::Values(DrawnTree { "WideTreeSmooth", PictureCodes::wideTree(), true },
        DrawnTree { "WideTreeSharp", PictureCodes::wideTree(), false },
        DrawnTree { "SidewaysSharp", sideways(), false },
        DrawnTree { "SeededTree1Smooth", PictureCodes::seededTree(1), true },
        DrawnTree { "SeededTree2Sharp", PictureCodes::seededTree(2), false },
        DrawnTree { "SeededTree3Smooth", PictureCodes::seededTree(3), true }),
    CaseNames::testName);

} // namespace
