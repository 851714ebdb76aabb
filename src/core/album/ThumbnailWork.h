#pragma once
// What a worker does for one file of an album: reads its genetic code, and makes sure the cache keeps its thumbnail.

#include "core/genetics/GeneticCode.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <optional>

class ThumbnailCache;

struct ThumbnailJob {
    QString path;
    int side = 0;
    // Whether the thumbnail is to be shown, and so decoded; otherwise only kept in the cache.
    bool decode = false;
};

struct ThumbnailOutcome {
    QString path;
    int side = 0;
    bool decode = false;
    // When the file was modified, in seconds since 1970 and as a listing gives it, and its size, as it was when
    // read; -1, invalid and -1 when it could not be looked at.
    qint64 mtime = -1;
    QDateTime modified;
    qint64 size = -1;
    std::optional<GeneticCode> code;
    // The reader's message, or the drawing's, when there is no thumbnail.
    QString damage;
    // Whether the cache now keeps a thumbnail of the file as read.
    bool cached = false;
    // When decoded.
    QImage image;
};

namespace ThumbnailWork {

// Safe on any thread; fails with no exception. A file that cannot be read or drawn gets its note in the cache.
ThumbnailOutcome run(ThumbnailCache& cache, const ThumbnailJob& job);

} // namespace ThumbnailWork
