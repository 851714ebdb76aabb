#include "core/drawing/PainterSurface.h"

#include "core/platform/Twips.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

PainterSurface::PainterSurface(QPainter& painter, QRectF area, QColor background)
    : m_painter(painter)
    , m_area(area)
    , m_background(background)
{
}

int PainterSurface::penWidthOf(int pixels)
{
    return std::clamp(pixels, 1, MaxPenWidth);
}

void PainterSurface::Clear()
{
    if (m_background.alpha() == 0)
        return;
    m_painter.fillRect(m_area, m_background);
}

void PainterSurface::SetPenWidth(int pixels)
{
    m_penWidth = penWidthOf(pixels);
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    // Segments of one level share their pen, and changing the painter's pen is not free.
    if (colour != m_painterColour || m_penWidth != m_painterPenWidth) {
        const QColor color(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
        // The painter works in twips, so the pen width is scaled up to stay in pixels.
        m_painter.setPen(QPen(color, m_penWidth * Twips::perPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painterColour = colour;
        m_painterPenWidth = m_penWidth;
    }
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}
