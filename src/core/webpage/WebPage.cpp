#include "core/webpage/WebPage.h"

#include "core/export/ExportSettings.h"
#include "core/export/VectorRender.h"
#include "core/files/FileError.h"
#include "core/files/RegularFile.h"
#include "core/genefile/ExactRead.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/platform/RuntimeError.h"
#include "core/thumbnails/ThumbnailImage.h"
#include "core/webpage/PageFiles.h"
#include "core/webpage/PageHtml.h"
#include "core/webpage/PageLayout.h"
#include "core/webpage/PageStyle.h"
#include "core/webpage/WebFolder.h"
#include "core/webpage/WebPicture.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <cerrno>
#include <exception>
#include <new>
#include <unistd.h>

namespace WebPage {

namespace {

std::vector<WebPicture> runPictures(const std::vector<PictureRecord>& records)
{
    std::vector<WebPicture> pictures;
    pictures.reserve(records.size());
    for (const PictureRecord& record : records) {
        WebPicture picture;
        picture.code = record.code;
        picture.flags = record.birth.flags;
        picture.geneFile = GeneFileWriter::Contents(record.code);
        picture.stem = QStringLiteral("picture-%1").arg(record.id);
        picture.geneFileName = picture.stem + QStringLiteral(".gen");
        picture.downloadName = picture.geneFileName;
        picture.title = QStringLiteral("Picture %1").arg(record.id);
        picture.birth = record.birth.summary();
        picture.alt = record.birth.altText(record.id);
        picture.id = record.id;
        picture.parents = record.birth.parentsInRun();
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

// Each entry keeps its own name, unless another took it first: then "tree-2.gen" beside "tree-2.png".
std::vector<WebPicture> galleryPictures(const std::vector<GalleryEntry>& entries, Drawing::Flags flags)
{
    std::vector<WebPicture> pictures;
    pictures.reserve(entries.size());
    // In lower case: the folder may be uploaded to a file system that does not tell the cases apart.
    QSet<QString> used;
    for (const GalleryEntry& entry : entries) {
        const QFileInfo name(entry.fileName);
        const QString own = name.fileName();
        // A file named like a thumbnail or an SVG keeps its suffix in theirs: "tree.png.png" beside "tree.png".
        const QString suffix = name.suffix().toLower();
        const bool wholeName = name.completeBaseName().isEmpty() || suffix == u"png" || suffix == u"svg";
        const QString base = wholeName ? own : name.completeBaseName();
        WebPicture picture;
        for (int n = 1;; ++n) {
            picture.stem = n == 1 ? base : QStringLiteral("%1-%2").arg(base, QString::number(n));
            if (n == 1)
                picture.geneFileName = own;
            else if (base == own)
                picture.geneFileName = picture.stem;
            else
                picture.geneFileName = picture.stem + u'.' + name.suffix();
            const QSet<QString> names { (picture.stem + QStringLiteral(".png")).toLower(),
                (picture.stem + QStringLiteral(".svg")).toLower(), picture.geneFileName.toLower() };
            if (names.size() == 3 && !names.intersects(used)) {
                used.unite(names);
                break;
            }
        }
        picture.code = entry.code;
        picture.flags = flags;
        picture.geneFile = entry.bytes;
        picture.downloadName = own;
        picture.title = own;
        picture.alt = QStringLiteral("Picture of %1").arg(own);
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

// The picture's thumbnail and SVG, and its genetic code file. A picture that cannot be drawn writes nothing and
// says why; an error in writing is thrown.
QString writePicture(WebFolder& folder, const WebPicture& picture, const Drawing::RenderOptions& options)
{
    QByteArray thumbnail;
    QByteArray svg;
    try {
        thumbnail = ThumbnailImage::png(ThumbnailImage::of(picture.code, PageLayout::ThumbnailSide, picture.flags));
        svg = Drawing::renderSvg(picture.code, picture.flags, options, picture.title);
    } catch (const RuntimeError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("%1 (error 7)").arg(RuntimeError::standardText(RuntimeError::OutOfMemory));
    }
    const QString in = PageFiles::Pictures + u'/';
    folder.write(in + picture.stem + QStringLiteral(".png"), thumbnail);
    folder.write(in + picture.stem + QStringLiteral(".svg"), svg);
    folder.write(in + picture.geneFileName, picture.geneFile);
    return {};
}

enum class PageKind { Run, Gallery };

Outcome writePage(const QString& folderName, std::vector<WebPicture> pictures, const Drawing::RenderOptions& options,
    PageKind kind, int threads, const Progress& progress)
{
    WebFolder folder(folderName);
    folder.makeFolder(PageFiles::Pictures);

    const int total = static_cast<int>(pictures.size());
    std::vector<QString> errors(pictures.size());
    std::atomic<int> next { 0 };
    std::atomic<int> done { 0 };
    std::atomic<bool> stop { false };
    QMutex failureMutex;
    std::exception_ptr failure;
    const auto work = [&] {
        for (int i = next++; i < total && !stop; i = next++) {
            try {
                errors[static_cast<std::size_t>(i)]
                    = writePicture(folder, pictures[static_cast<std::size_t>(i)], options);
            } catch (...) {
                const QMutexLocker lock(&failureMutex);
                if (!failure)
                    failure = std::current_exception();
                stop = true;
                return;
            }
            if (progress && !progress(++done, total))
                stop = true;
        }
    };
    {
        QThreadPool pool;
        const int count = std::min(threads > 0 ? threads : QThread::idealThreadCount(), std::max(total, 1));
        pool.setMaxThreadCount(count);
        for (int i = 0; i < count; ++i)
            pool.start(work);
        pool.waitForDone();
    }
    if (failure)
        std::rethrow_exception(failure);
    // A cancel that came with the last picture's progress counts too.
    if (stop || (progress && !progress(total, total)))
        return {};

    Outcome outcome { true, {} };
    std::vector<WebPicture> shown;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (errors[i].isEmpty())
            shown.push_back(std::move(pictures[i]));
        else
            outcome.leftOut.push_back({ i, errors[i] });
    }
    folder.write(PageFiles::Style, PageStyle::sheet(options.background));
    folder.write(PageFiles::Index, kind == PageKind::Run ? PageHtml::run(shown) : PageHtml::gallery(shown));
    folder.keep();
    return outcome;
}

} // namespace

GalleryEntry readEntry(const QString& fileName)
{
    GalleryEntry entry;
    entry.code = ExactRead::read(fileName);
    entry.bytes = Files::readRegularFile(fileName, ExactRead::MaxFileBytes);
    // The file offered for download must be the picture shown.
    if (!sameTraits(ExactRead::read(fileName), entry.code))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The file changed while it was read"),
            Files::inFile(fileName));
    entry.fileName = QFileInfo(fileName).fileName();
    return entry;
}

Drawing::RenderOptions defaultOptions()
{
    return ExportSettings {}.options(false);
}

Outcome writeRun(const QString& folder, const std::vector<PictureRecord>& pictures,
    const Drawing::RenderOptions& options, int threads, const Progress& progress)
{
    return writePage(folder, runPictures(pictures), options, PageKind::Run, threads, progress);
}

Outcome writeGallery(const QString& folder, const std::vector<GalleryEntry>& entries,
    const Drawing::RenderOptions& options, Drawing::Flags flags, int threads, const Progress& progress)
{
    return writePage(folder, galleryPictures(entries, flags), options, PageKind::Gallery, threads, progress);
}

} // namespace WebPage
