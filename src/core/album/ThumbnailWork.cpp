#include "core/album/ThumbnailWork.h"

#include "core/album/FolderListing.h"
#include "core/files/FileError.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"
#include "core/thumbnails/ThumbnailCache.h"
#include "core/thumbnails/ThumbnailImage.h"

#include <QFile>

#include <cerrno>
#include <new>
#include <sys/stat.h>

namespace ThumbnailWork {

namespace {

QString outOfMemory(const QString& path)
{
    return QStringLiteral("%1 (error 7) %2")
        .arg(RuntimeError::standardText(RuntimeError::OutOfMemory), Files::inFile(path));
}

// The thumbnail kept or made anew; the code is known to read.
void keepThumbnail(ThumbnailCache& cache, const ThumbnailJob& job, ThumbnailOutcome& outcome)
{
    if (std::optional<QImage> kept = cache.find(job.path, outcome.mtime, job.side)) {
        if (job.decode)
            outcome.image = std::move(*kept);
        outcome.cached = true;
        return;
    }
    QImage drawn = ThumbnailImage::of(*outcome.code, job.side);
    cache.store(job.path, outcome.mtime, job.side, drawn);
    outcome.cached = true;
    if (job.decode)
        outcome.image = std::move(drawn);
}

} // namespace

ThumbnailOutcome run(ThumbnailCache& cache, const ThumbnailJob& job)
{
    ThumbnailOutcome outcome;
    outcome.path = job.path;
    outcome.side = job.side;
    outcome.decode = job.decode;
    struct stat status { };
    if (::stat(QFile::encodeName(job.path).constData(), &status) != 0) {
        outcome.damage = Files::fileError(errno, job.path).message();
        return outcome;
    }
    outcome.mtime = status.st_mtim.tv_sec;
    outcome.modified = FolderListing::modifiedOf(status);
    outcome.size = status.st_size;
    try {
        outcome.code = ExactRead::read(job.path);
        keepThumbnail(cache, job, outcome);
        return outcome;
    } catch (const RuntimeError& error) {
        // Errors of the drawing name no file.
        outcome.damage = outcome.code ? error.about(Files::inFile(job.path)).message() : error.message();
    } catch (const std::bad_alloc&) {
        outcome.damage = outOfMemory(job.path);
    }
    try {
        cache.storeFailure(job.path, outcome.mtime);
    } catch (const RuntimeError&) {
        // A note that cannot be encoded leaves the file to be tried again next time.
    } catch (const std::bad_alloc&) {
    }
    return outcome;
}

} // namespace ThumbnailWork
