#include "core/drawing/ImageSurface.h"

#include "core/platform/Twips.h"

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

ImageSurface::~ImageSurface()
{
    endPainting();
}

PainterSurface& ImageSurface::lineSurface()
{
    if (!m_lines) {
        m_painter = std::make_unique<QPainter>(&m_image);
        // Every segment keeps its gene's exact colour: no blending at the edges.
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->scale(1.0 / Twips::perPixel, 1.0 / Twips::perPixel);
        m_lines.emplace(*m_painter, QRectF(), m_background);
    }
    return *m_lines;
}

void ImageSurface::endPainting()
{
    m_lines.reset();
    m_painter.reset();
}

void ImageSurface::Clear()
{
    endPainting();
    m_image.fill(m_background);
}

void ImageSurface::SetPenWidth(int pixels)
{
    m_penWidth = pixels;
}

void ImageSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    // The painter may have paused since the width was set, so the width goes with each line.
    PainterSurface& surface = lineSurface();
    surface.SetPenWidth(m_penWidth);
    surface.Line(x1, y1, x2, y2, colour);
}

void ImageSurface::Finish()
{
    endPainting();
    if (m_finished)
        m_finished();
}

const QImage& ImageSurface::image()
{
    endPainting();
    return m_image;
}
