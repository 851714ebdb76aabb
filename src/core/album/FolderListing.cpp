#include "core/album/FolderListing.h"

#include "core/files/FileError.h"
#include "core/files/UniqueFd.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <fcntl.h>

namespace FolderListing {

namespace {

const QString GeneSuffix = QStringLiteral(".gen");

QString shownName(const QDir& album, const QFileInfo& file)
{
    const QString relative = album.relativeFilePath(file.absoluteFilePath());
    return relative.left(relative.size() - GeneSuffix.size());
}

} // namespace

void checkReadable(const QString& folder)
{
    const Files::UniqueFd fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        throw Files::fileError(folder.isEmpty() ? ENOENT : errno, folder);
}

Listing list(const QString& folder, bool subfolders)
{
    checkReadable(folder);
    const QDir album(QFileInfo(folder).absoluteFilePath());
    Listing listing;
    QSet<QString> seen { album.canonicalPath() };
    QStringList pending { album.absolutePath() };
    while (!pending.isEmpty()) {
        const QDir here(pending.takeFirst());
        listing.folders.append(here.absolutePath());
        // System files too: a FIFO or a socket so named shows as a file that cannot be read.
        const QFileInfoList files = here.entryInfoList(
            { QStringLiteral("*") + GeneSuffix }, QDir::Files | QDir::System, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : files) {
            AlbumFile entry;
            entry.path = file.absoluteFilePath();
            entry.name = shownName(album, file);
            entry.modified = file.lastModified();
            entry.size = file.size();
            listing.files.append(std::move(entry));
        }
        if (!subfolders)
            continue;
        for (const QFileInfo& below : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            // A link back up, or a second way to the same folder, is passed over.
            const QString canonical = below.canonicalFilePath();
            if (canonical.isEmpty() || seen.contains(canonical) || !below.isReadable())
                continue;
            seen.insert(canonical);
            pending.append(below.absoluteFilePath());
        }
    }
    return listing;
}

} // namespace FolderListing
