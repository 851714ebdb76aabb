#pragma once
// The desktop's thumbnail cache, shared with file managers: a PNG for each file and size, named after the file's URI,
// saying which file it shows and how old that file was; a file that could not be read has a note in its place.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QString>

#include <atomic>
#include <optional>

class ThumbnailCache {
public:
    static constexpr int NormalSide = 128;
    static constexpr int LargeSide = 256;

    // root: the cache's thumbnails folder; program: the folder of this program's notes of failures, named after the
    // program and its version ("vantrell-1.0").
    ThumbnailCache(QString root, QString program);

    // $XDG_CACHE_HOME/thumbnails, or ~/.cache/thumbnails.
    static QString standardRoot();
    // "file:///home/me/my%20tree.gen", the form every program names the same file by.
    static QByteArray uriOf(const QString& path);
    // The MD5 of the URI in hex, with ".png".
    static QString nameOf(const QString& path);

    // Where the thumbnail of path at side (NormalSide or LargeSide) is kept, and where its note of failure is.
    QString thumbnailPath(const QString& path, int side) const;
    QString failurePath(const QString& path) const;

    // The thumbnail of path at side when one is kept for the file as modified at mtime, in seconds since 1970;
    // nothing when there is none, it shows an older or another file, or it is damaged. Safe on any thread.
    std::optional<QImage> find(const QString& path, qint64 mtime, int side) const;
    // Keeps image as the thumbnail of path at side. Safe on any thread; a cache that cannot be written keeps it in
    // memory instead, and says so once on standard error.
    void store(const QString& path, qint64 mtime, int side, QImage image);
    // Notes that path, as modified at mtime, could not be read.
    void storeFailure(const QString& path, qint64 mtime);
    // Whether the cache could not be written, and thumbnails are kept in memory only.
    bool memoryOnly() const { return m_memoryOnly; }

private:
    std::optional<QByteArray> cachedBytes(const QString& file) const;
    void write(const QString& file, const QString& path, qint64 mtime, QImage image);

    QString m_root;
    QString m_program;
    std::atomic<bool> m_memoryOnly { false };
    mutable QMutex m_memoryLock;
    // By cache file, once the cache could not be written: PNG files, which are a tenth of their pixels.
    QHash<QString, QByteArray> m_memory;
};
