#pragma once
// Lists an album's genetic code files: a folder's own, or also those of every folder below it.

#include "core/album/AlbumFile.h"

#include <QList>
#include <QString>
#include <QStringList>

struct stat;

struct Listing {
    QList<AlbumFile> files;
    // Every folder looked into, the album's own first, for a watch on them.
    QStringList folders;
};

namespace FolderListing {

// The *.gen files of folder, in no order, and when subfolders is set those of the folders below it to any depth,
// each folder once however many symbolic links lead to it. Hidden files and folders are left out. Each file's
// modification time and size are looked up when withTimes is set; without, a listing takes a tenth of the time and
// leaves them invalid. Fails with the system's reason when folder itself cannot be read; a folder below that cannot
// be read is passed over.
Listing list(const QString& folder, bool subfolders, bool withTimes);

// Fails with the system's reason, naming folder, when it is no folder that can be read.
void checkReadable(const QString& folder);

// The modification time a listing gives a file of this status.
QDateTime modifiedOf(const struct stat& status);

} // namespace FolderListing
