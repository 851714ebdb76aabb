// What a picture dragged out of its window carries: a PNG at the remembered export settings and its genetic code,
// as a genetic code file's bytes and as such a file.

#include "ui/export/PictureDrag.h"

#include "core/export/PictureRender.h"
#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "support/PictureCodes.h"
#include "support/ProgramState.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct DragCase {
    const char* name;
    ExportSettings settings;
    QSize pixels;
};

void PrintTo(const DragCase& c, std::ostream* out)
{
    *out << c.name;
}

class PictureDragTest : public ProgramStateTest, public testing::WithParamInterface<DragCase> { };

TEST_P(PictureDragTest, CarriesThePngAndTheGeneticCodeFile)
{
    Preferences::current().exportSettings = GetParam().settings;
    const GeneticCode code = PictureCodes::wideTree();

    const std::unique_ptr<QMimeData> data = PictureDrag::mimeDataOf(7, code, {});

    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(png.size(), GetParam().pixels);
    EXPECT_EQ(png.hasAlphaChannel(), GetParam().settings.transparent);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), GetParam().pixels);
    EXPECT_EQ(data->data(QStringLiteral("application/x-vantrell-genetic-code")), GeneFileWriter::Contents(code));
    ASSERT_EQ(data->urls().size(), 1);
    QFile file(data->urls().front().toLocalFile());
    EXPECT_EQ(QFileInfo(file).fileName(), QStringLiteral("picture-7.gen"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), GeneFileWriter::Contents(code));
}

INSTANTIATE_TEST_SUITE_P(Settings, PictureDragTest,
    testing::Values(DragCase { "AtFirst", {}, QSize(452, 420) },
        DragCase { "TransparentAtScale1", { 1, Drawing::Frame::Window, false, true }, QSize(113, 105) },
        DragCase { "WholeTreeAtScale2", { 2, Drawing::Frame::WholeTree, true, false },
            Drawing::pixelSize(Drawing::frameOf(PictureCodes::wideTree(), {}, Drawing::Frame::WholeTree), 2) }),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

} // namespace
