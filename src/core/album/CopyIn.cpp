#include "core/album/CopyIn.h"

#include "core/files/FileError.h"
#include "core/files/RegularFile.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace CopyIn {

namespace {

// As many numbers as anyone keeps copies of one name.
constexpr int MaxAttempts = 10000;

// "tree.gen", else "tree (2).gen", "tree (3).gen" and on, as attempt goes from 1.
QString numberedName(const QString& fileName, int attempt)
{
    if (attempt <= 1)
        return fileName;
    const QFileInfo name(fileName);
    const QString suffix = name.suffix().isEmpty() ? QString() : QLatin1Char('.') + name.suffix();
    return QStringLiteral("%1 (%2)%3").arg(name.completeBaseName()).arg(attempt).arg(suffix);
}

void copyOne(const QString& file, const QDir& folder)
{
    const QByteArray contents = Files::readRegularFile(file, ExactRead::MaxFileBytes);
    const QString fileName = QFileInfo(file).fileName();
    for (int attempt = 1; attempt <= MaxAttempts; ++attempt) {
        // Names seen taken are passed over before anything is written; one taken meanwhile is still never replaced.
        const QString target = folder.filePath(numberedName(fileName, attempt));
        if (!QFileInfo::exists(target) && Files::createFile(target, contents))
            return;
    }
    throw Files::fileError(EEXIST, folder.filePath(fileName));
}

} // namespace

QStringList copy(const QStringList& files, const QString& folder)
{
    QStringList reasons;
    const QDir into(folder);
    for (const QString& file : files) {
        try {
            copyOne(file, into);
        } catch (const RuntimeError& error) {
            reasons.append(error.message());
        }
    }
    return reasons;
}

} // namespace CopyIn
