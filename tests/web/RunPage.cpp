// Writes a run's web page, its pictures born every way there is, for web_page.sh to check; and each picture's genetic
// code as a file of its own, for a page of files. Usage: web_run_page RUN_FOLDER CODES_FOLDER

#include "core/genefile/GeneFileWriter.h"
#include "core/platform/RuntimeError.h"
#include "core/webpage/WebPage.h"
#include "support/PictureCodes.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: web_run_page RUN_FOLDER CODES_FOLDER\n", stderr);
        return 2;
    }
    const std::vector<BirthRecord> births {
        // A path the page must not show.
        BirthRecord::fromFile(QStringLiteral("/home/someone/first tree.gen"), 0.05),
        BirthRecord::fromBreeding({}, 0.1),
        BirthRecord::fromBreeding({ 0, 1 }, 0.1),
        BirthRecord::edited(2, {}),
        BirthRecord::between(2, 3, {}),
        BirthRecord::bredInWindow({ 4 }, 0.1, {}),
        BirthRecord::copy(5, {}),
    };
    std::vector<PictureRecord> pictures;
    QDir codes(QString::fromLocal8Bit(argv[2]));
    codes.mkpath(QStringLiteral("."));
    for (std::size_t i = 0; i < births.size(); ++i) {
        const auto id = static_cast<qint16>(i);
        // Seeds whose trees reach well into the thumbnail.
        pictures.push_back({ id, {}, births[i], PictureCodes::seededTree(static_cast<unsigned>(40 + i)), true });
        GeneFileWriter::Save(pictures.back().code, codes.filePath(QStringLiteral("tree %1.gen").arg(i)));
    }
    // Export Picture's default, on the background the check composes the thumbnails on.
    const Drawing::RenderOptions options { 4, Drawing::Frame::Window, true, QColor(0xef, 0xef, 0xef) };
    try {
        const WebPage::Outcome outcome = WebPage::writeRun(QString::fromLocal8Bit(argv[1]), pictures, options);
        return outcome.written && outcome.leftOut.empty() ? 0 : 1;
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "web_run_page: %s\n", error.what());
        return 1;
    }
}
