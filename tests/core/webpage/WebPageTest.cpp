// The genetic code files a run's web page offers open as the same pictures.

#include "core/webpage/WebPage.h"

#include "core/export/RasterRender.h"
#include "core/genefile/ExactRead.h"
#include "core/genefile/GeneFileWriter.h"
#include "support/PictureCodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(WebPage, ARunsGeneticCodeFilesOpenAsItsPictures)
{
    const std::vector<PictureRecord> pictures {
        { 0, {}, BirthRecord::fromBreeding({}, 0.1), PictureCodes::wideTree(), true },
        { 3, {}, BirthRecord::edited(0, { false, true }), PictureCodes::seededTree(3), false },
    };
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("page"));

    const WebPage::Outcome outcome = WebPage::writeRun(folder, pictures, WebPage::defaultOptions());

    ASSERT_TRUE(outcome.written);
    for (const PictureRecord& picture : pictures) {
        SCOPED_TRACE(picture.id);
        const QString fileName = QStringLiteral("%1/pictures/picture-%2.gen").arg(folder).arg(picture.id);
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), GeneFileWriter::Contents(picture.code));
        const Drawing::RenderOptions options { 1, Drawing::Frame::WholeTree, false, Qt::white };
        EXPECT_EQ(Drawing::renderImage(ExactRead::read(fileName), picture.birth.flags, options),
            Drawing::renderImage(picture.code, picture.birth.flags, options));
    }
}

} // namespace
