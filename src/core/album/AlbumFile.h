#pragma once
// One genetic code file of an album as the folder lists it, and what has been found in it since.

#include "core/genetics/GeneticCode.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct AlbumFile {
    // Absolute.
    QString path;
    // Without the suffix, and with the folders below the album's own when there are any: "tree", "old/tree".
    QString name;
    QDateTime modified;
    qint64 size = 0;

    // Found by reading the file as last modified: its genetic code, or why it has none (the reader's message).
    bool read = false;
    std::optional<GeneticCode> code;
    QString damage;
    // The side at which a thumbnail of the file as last modified is kept in the cache; 0 for none.
    int cachedSide = 0;
    // How unlike the code is to the one the album is sorted by likeness to.
    double likeness = 0.0;

    bool damaged() const { return !damage.isEmpty(); }
    // Whether the listing found the file changed since this entry was made: it is then read again.
    bool sameVersion(const AlbumFile& listed) const { return modified == listed.modified && size == listed.size; }
};
