#include "picture/ImageSurface.h"

#include "platform/Twips.h"

#include <QPen>

#include <algorithm>
#include <cmath>

ImageSurface::ImageSurface(QSize twips, qreal devicePixelRatio, QColor background)
    : m_image(QSize(static_cast<int>(std::ceil(Twips::toPixels(twips.width()) * devicePixelRatio)),
                  static_cast<int>(std::ceil(Twips::toPixels(twips.height()) * devicePixelRatio))),
        QImage::Format_RGB32)
    , m_background(background)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(m_background);
}

ImageSurface::~ImageSurface() = default;

QPainter& ImageSurface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        // Every segment keeps its gene's exact colour: no blending at the edges.
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->scale(1.0 / Twips::perPixel, 1.0 / Twips::perPixel);
        m_painterColour = -1;
    }
    return *m_painter;
}

void ImageSurface::Clear()
{
    m_painter.reset();
    m_image.fill(m_background);
}

void ImageSurface::SetPenWidth(int pixels)
{
    m_penWidth = std::clamp(pixels, 1, MaxPenWidth);
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    QPainter& p = painter();
    // Segments of one level share their pen, and changing the painter's pen is not free.
    if (colour != m_painterColour || m_penWidth != m_painterPenWidth) {
        const QColor color(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
        // The painter works in twips, so the pen width is scaled up to stay in pixels.
        p.setPen(QPen(color, m_penWidth * Twips::perPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painterColour = colour;
        m_painterPenWidth = m_penWidth;
    }
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void ImageSurface::Finish()
{
    m_painter.reset();
    if (m_finished)
        m_finished();
}

const QImage& ImageSurface::image()
{
    m_painter.reset();
    return m_image;
}
