// Copy Picture: an image at the remembered export settings and SVG, together on the clipboard.

#include "ui/export/PictureClipboard.h"

#include "core/export/PictureRender.h"
#include "core/platform/RuntimeError.h"
#include "program/Preferences.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/ProgramState.h"
#include "support/SvgReading.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

using CaseNames::PrintTo;

class PictureClipboardTest : public ProgramStateTest {
protected:
    ~PictureClipboardTest() override { QGuiApplication::clipboard()->clear(); }

    static const QMimeData& clipboard() { return *QGuiApplication::clipboard()->mimeData(); }
    static QImage clipboardImage() { return qvariant_cast<QImage>(clipboard().imageData()); }
    static SvgDrawing clipboardSvg()
    {
        return readSvg(clipboard().data(QString::fromLatin1(PictureClipboard::SvgType)));
    }
};

TEST_F(PictureClipboardTest, HoldsTheImageAndTheSvgAtFirstAtScaleFourInTheWindowsFrame)
{
    PictureClipboard::copy(PictureCodes::wideTree(), {});

    EXPECT_TRUE(clipboard().hasImage());
    EXPECT_TRUE(clipboard().hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_EQ(clipboardImage().size(), QSize(452, 420));
    const SvgDrawing svg = clipboardSvg();
    EXPECT_EQ(svg.error, QString());
    EXPECT_EQ(svg.lines.size(), 4095U);
    EXPECT_EQ(svg.viewBox, QRectF(0, 0, 1695, 1575));
}

struct SettingsCase {
    const char* name;
    ExportSettings settings;
    QSize pixels;
    // Whether edges blend into colours no segment has.
    bool blended;
};

class PictureClipboardSettingsTest : public PictureClipboardTest, public testing::WithParamInterface<SettingsCase> { };

TEST_P(PictureClipboardSettingsTest, TheImageFollowsTheRememberedSettings)
{
    Preferences::change([](UserSettings& settings) { settings.exportSettings = GetParam().settings; });
    const GeneticCode code = PictureCodes::trunk(500, 4, QColor(40, 90, 220));
    PictureClipboard::copy(code, {});

    const QImage image = clipboardImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), GetParam().pixels);
    const QColor background = Preferences::current().exportSettings.options(false).background;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    colours.erase(QColor(40, 90, 220).rgb());
    colours.erase(background.rgb());
    EXPECT_EQ(!colours.empty(), GetParam().blended);
    EXPECT_EQ(clipboardSvg().lines.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Settings, PictureClipboardSettingsTest,
    testing::Values(SettingsCase { "FirstSettings", {}, { 452, 420 }, true },
        SettingsCase { "ScaleTwoSharp", { 2, Drawing::Frame::Window, false }, { 226, 210 }, false },
        // 60 x 560 twips.
        SettingsCase { "WholeTreeAtThree", { 3, Drawing::Frame::WholeTree, true }, { 12, 112 }, true },
        SettingsCase { "WholeTreeAtOneSharp", { 1, Drawing::Frame::WholeTree, false }, { 4, 38 }, false }),
    CaseNames::testName);

TEST_F(PictureClipboardTest, DrawsWithTheFlagsItIsGivenNotTheGenesMenus)
{
    GeneticCode code = PictureCodes::wideTree();
    code[5].Done = true;
    modMain::UseDone = false;
    PictureClipboard::copy(code, { true, false });
    EXPECT_EQ(clipboardSvg().lines.size(), 31U);
    modMain::UseDone = true;
    PictureClipboard::copy(code, { false, false });
    EXPECT_EQ(clipboardSvg().lines.size(), 4095U);
}

TEST_F(PictureClipboardTest, AnImageOverTheBoundIsRefusedAndTheClipboardKept)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    Preferences::change([](UserSettings& settings) {
        settings.exportSettings = { 13, Drawing::Frame::WholeTree, true };
    });
    GeneticCode huge = PictureCodes::trunk(10000, 16, Qt::red);
    huge[0].Angle = -Drawing::StartAngle;
    huge[1] = { 10000, 16, 0.0, 0, 0, 255, false, true };
    huge[2].Done = true;
    try {
        PictureClipboard::copy(huge, {});
        FAIL() << "an image over 512 MB was copied";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::OutOfMemory);
        EXPECT_TRUE(error.message().contains(u"the largest scale that fits is 12")) << error.what();
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

} // namespace
