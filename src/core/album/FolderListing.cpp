#include "core/album/FolderListing.h"

#include "core/files/FileError.h"
#include "core/files/UniqueFd.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace FolderListing {

namespace {

const QString GeneSuffix = QStringLiteral(".gen");

// The file at path, as a row's name shows it: prefix, the folders between the album's and its own, then its name
// without the suffix.
AlbumFile albumFile(const QString& path, const QString& prefix, const QString& fileName, bool withTimes)
{
    AlbumFile file;
    file.path = path;
    file.name = prefix + fileName.left(fileName.size() - GeneSuffix.size());
    // A link that leads nowhere is listed all the same: reading it says why it is damaged.
    struct stat status { };
    if (withTimes && ::stat(QFile::encodeName(path).constData(), &status) == 0) {
        file.modified = modifiedOf(status);
        file.size = status.st_size;
    }
    return file;
}

} // namespace

void checkReadable(const QString& folder)
{
    const Files::UniqueFd fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        throw Files::fileError(folder.isEmpty() ? ENOENT : errno, folder);
}

QDateTime modifiedOf(const struct stat& status)
{
    return QDateTime::fromMSecsSinceEpoch(
        static_cast<qint64>(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000, Qt::UTC);
}

Listing list(const QString& folder, bool subfolders, bool withTimes)
{
    checkReadable(folder);
    const QString album = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    Listing listing;
    QSet<QString> seen { QFileInfo(album).canonicalFilePath() };
    QStringList pending { album };
    while (!pending.isEmpty()) {
        const QString here = pending.takeFirst();
        listing.folders.append(here);
        const QString prefix = here == album ? QString() : here.mid(album.size() + 1) + QLatin1Char('/');
        // System files too: a FIFO or a socket so named shows as a file that cannot be read.
        QDirIterator files(here, QDir::Files | QDir::System);
        while (files.hasNext()) {
            const QString path = files.next();
            // The suffix tested by hand: a name filter matches a pattern, ten times the cost.
            const QString fileName = files.fileName();
            if (fileName.endsWith(GeneSuffix, Qt::CaseInsensitive))
                listing.files.append(albumFile(path, prefix, fileName, withTimes));
        }
        if (!subfolders)
            continue;
        QDirIterator below(here, QDir::Dirs | QDir::NoDotAndDotDot);
        while (below.hasNext()) {
            below.next();
            // A link back up, or a second way to the same folder, is passed over.
            const QFileInfo info = below.fileInfo();
            const QString canonical = info.canonicalFilePath();
            if (canonical.isEmpty() || seen.contains(canonical) || !info.isReadable())
                continue;
            seen.insert(canonical);
            pending.append(info.absoluteFilePath());
        }
    }
    return listing;
}

} // namespace FolderListing
