#pragma once
// The decoded thumbnails an album holds, by file: those used last, up to a number of bytes.

#include <QHash>
#include <QImage>
#include <QString>

#include <list>

class ImageLru {
public:
    explicit ImageLru(qint64 maxBytes);

    // The image of key, now the one used last; null when none is held.
    QImage take(const QString& key);
    bool contains(const QString& key) const { return m_places.contains(key); }
    // Holds image for key, letting go of those used longest ago beyond the bytes allowed.
    void insert(const QString& key, const QImage& image);
    void remove(const QString& key);
    void clear();
    qint64 bytes() const { return m_bytes; }
    qsizetype count() const { return m_places.size(); }

private:
    struct Held {
        QString key;
        QImage image;
    };

    qint64 m_maxBytes;
    qint64 m_bytes = 0;
    // Used last at the front.
    std::list<Held> m_order;
    QHash<QString, std::list<Held>::iterator> m_places;
};
