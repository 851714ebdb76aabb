// What a picture dragged out of its window carries: a PNG at the remembered export settings and its genetic code,
// as a genetic code file's bytes and as such a file.

#include "ui/export/PictureDrag.h"

#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "support/PictureCodes.h"
#include "support/ProgramState.h"

#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class PictureDragTest : public ProgramStateTest, public testing::WithParamInterface<bool> { };

TEST_P(PictureDragTest, CarriesThePngAtTheExportSettingsAndTheGeneticCodeFile)
{
    // At first four times the window's frame; else as transparent at scale 1.
    if (GetParam())
        Preferences::change([](UserSettings& settings) {
            settings.exportSettings = { 1, Drawing::Frame::Window, false, true };
        });

    const std::unique_ptr<QMimeData> data = PictureDrag::mimeDataOf(7, PictureCodes::wideTree(), {});

    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(png.size(), GetParam() ? QSize(113, 105) : QSize(452, 420));
    EXPECT_EQ(png.hasAlphaChannel(), GetParam());
    const QByteArray code = GeneFileWriter::Contents(PictureCodes::wideTree());
    EXPECT_EQ(data->data(QStringLiteral("application/x-vantrell-genetic-code")), code);
    ASSERT_EQ(data->urls().size(), 1);
    QFile file(data->urls().front().toLocalFile());
    EXPECT_TRUE(file.fileName().endsWith(QStringLiteral("/picture-7.gen")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), code);
}

INSTANTIATE_TEST_SUITE_P(AtFirstAndTransparent, PictureDragTest, testing::Bool());

} // namespace
