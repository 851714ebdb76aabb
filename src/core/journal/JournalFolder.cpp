#include "core/journal/JournalFolder.h"

#include "core/files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentMap>

#include <unistd.h>

namespace JournalFolder {

namespace {

const QString Suffix = QStringLiteral(".jsonl");

} // namespace

QString standardFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("runs"));
}

QString fileNameFor(const QDateTime& start)
{
    return start.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss.zzz")) + Suffix;
}

QStringList journals(const QString& folder)
{
    const QDir dir(folder);
    QStringList found;
    // Newest first: the names sort as the runs started.
    for (const QString& name : dir.entryList({ QStringLiteral("*") + Suffix },
             QDir::Files | QDir::System | QDir::Hidden, QDir::Name | QDir::Reversed)) {
        const QString path = dir.filePath(name);
        if (Files::isRegularFile(path, Files::Links::Refuse))
            found.append(path);
    }
    return found;
}

void prune(const QString& folder, int keep)
{
    const QStringList all = journals(folder);
    for (qsizetype i = keep; i < all.size(); ++i)
        ::unlink(QFile::encodeName(all[i]).constData());
}

std::vector<RunJournal> readAll(const QString& folder, const QString& except)
{
    QStringList paths = journals(folder);
    paths.removeAll(except);
    const QList<RunJournal> read = QtConcurrent::blockingMapped(paths, &RunJournal::read);
    return { read.cbegin(), read.cend() };
}

} // namespace JournalFolder
