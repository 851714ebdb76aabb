#include "core/album/ImageLru.h"

ImageLru::ImageLru(qint64 maxBytes)
    : m_maxBytes(maxBytes)
{
}

QImage ImageLru::take(const QString& key)
{
    const auto place = m_places.constFind(key);
    if (place == m_places.cend())
        return {};
    m_order.splice(m_order.begin(), m_order, *place);
    return m_order.front().image;
}

void ImageLru::insert(const QString& key, const QImage& image)
{
    remove(key);
    m_order.push_front({ key, image });
    m_places.insert(key, m_order.begin());
    m_bytes += image.sizeInBytes();
    while (m_bytes > m_maxBytes && m_order.size() > 1) {
        const QString oldest = m_order.back().key;
        remove(oldest);
    }
}

void ImageLru::remove(const QString& key)
{
    const auto place = m_places.find(key);
    if (place == m_places.end())
        return;
    m_bytes -= (*place)->image.sizeInBytes();
    m_order.erase(*place);
    m_places.erase(place);
}

void ImageLru::clear()
{
    m_order.clear();
    m_places.clear();
    m_bytes = 0;
}
