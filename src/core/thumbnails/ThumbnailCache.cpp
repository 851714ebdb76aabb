#include "core/thumbnails/ThumbnailCache.h"

#include "core/files/FileError.h"
#include "core/files/RegularFile.h"
#include "core/files/ReplaceFile.h"
#include "core/platform/RuntimeError.h"
#include "core/thumbnails/ThumbnailImage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString UriKey = QStringLiteral("Thumb::URI");
const QString MTimeKey = QStringLiteral("Thumb::MTime");

// Far beyond any thumbnail's PNG: a bigger file is no thumbnail, and is not read whole.
constexpr qint64 MaxThumbnailBytes = 8 * 1024 * 1024;

// Makes folder and those above it that are missing, readable by their owner alone.
void makePrivateFolders(const QString& folder)
{
    const QStringList parts = QDir::cleanPath(folder).split(QLatin1Char('/'));
    QString path;
    for (const QString& part : parts) {
        path += part;
        if (!path.isEmpty() && ::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
            throw Files::fileError(errno, path);
        path += QLatin1Char('/');
    }
}

// The file's bytes when it is a regular file no bigger than any thumbnail.
std::optional<QByteArray> smallFileBytes(const QString& file)
{
    try {
        return Files::readRegularFile(file, MaxThumbnailBytes);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

bool describes(const QString& uri, const QString& mtime, const QString& path, qint64 fileMTime)
{
    return uri == QString::fromLatin1(ThumbnailCache::uriOf(path)) && mtime == QString::number(fileMTime);
}

} // namespace

ThumbnailCache::ThumbnailCache(QString root, QString program)
    : m_root(std::move(root))
    , m_program(std::move(program))
{
}

QString ThumbnailCache::standardRoot()
{
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    // The base folder must be absolute, or it is as if unset.
    if (QDir::isAbsolutePath(cache))
        return QDir(cache).filePath(QStringLiteral("thumbnails"));
    return QDir::home().filePath(QStringLiteral(".cache/thumbnails"));
}

QByteArray ThumbnailCache::uriOf(const QString& path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(QDir::current().absoluteFilePath(path))).toEncoded();
}

QString ThumbnailCache::nameOf(const QString& path)
{
    return QString::fromLatin1(QCryptographicHash::hash(uriOf(path), QCryptographicHash::Md5).toHex())
        + QStringLiteral(".png");
}

QString ThumbnailCache::thumbnailPath(const QString& path, int side) const
{
    const QString size = side > NormalSide ? QStringLiteral("large") : QStringLiteral("normal");
    return QStringLiteral("%1/%2/%3").arg(m_root, size, nameOf(path));
}

QString ThumbnailCache::failurePath(const QString& path) const
{
    return QStringLiteral("%1/fail/%2/%3").arg(m_root, m_program, nameOf(path));
}

std::optional<QByteArray> ThumbnailCache::cachedBytes(const QString& file) const
{
    if (m_memoryOnly) {
        const QMutexLocker lock(&m_memoryLock);
        const auto kept = m_memory.constFind(file);
        if (kept != m_memory.cend())
            return *kept;
    }
    return smallFileBytes(file);
}

std::optional<QImage> ThumbnailCache::find(const QString& path, qint64 mtime, int side) const
{
    const std::optional<QByteArray> bytes = cachedBytes(thumbnailPath(path, side));
    if (!bytes)
        return std::nullopt;
    // Decoded whole: a reader's text without the pixels cannot hold keys with colons, and a damaged PNG shows
    // only in its pixels.
    QImage image = QImage::fromData(*bytes, "PNG");
    if (image.isNull() || !describes(image.text(UriKey), image.text(MTimeKey), path, mtime))
        return std::nullopt;
    return image;
}

void ThumbnailCache::store(const QString& path, qint64 mtime, int side, QImage image)
{
    write(thumbnailPath(path, side), path, mtime, std::move(image));
}

void ThumbnailCache::storeFailure(const QString& path, qint64 mtime)
{
    QImage note(1, 1, QImage::Format_ARGB32);
    note.fill(Qt::transparent);
    write(failurePath(path), path, mtime, std::move(note));
}

void ThumbnailCache::write(const QString& file, const QString& path, qint64 mtime, QImage image)
{
    image.setText(UriKey, QString::fromLatin1(uriOf(path)));
    image.setText(MTimeKey, QString::number(mtime));
    const QByteArray png = ThumbnailImage::png(image);
    if (!m_memoryOnly) {
        try {
            makePrivateFolders(QFileInfo(file).path());
            Files::replaceFile(file, png, Files::FileAccess::OwnerOnly);
            return;
        } catch (const RuntimeError& error) {
            if (!m_memoryOnly.exchange(true))
                std::fprintf(stderr, "Thumbnails are kept in memory only: %s\n", qPrintable(error.message()));
        }
    }
    const QMutexLocker lock(&m_memoryLock);
    m_memory.insert(file, png);
}
