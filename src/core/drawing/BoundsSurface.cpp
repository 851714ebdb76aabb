#include "core/drawing/BoundsSurface.h"

#include "core/drawing/PainterSurface.h"
#include "core/platform/Twips.h"

#include <algorithm>

void BoundsSurface::Clear()
{
    m_bounds = QRectF();
    m_segments = 0;
}

void BoundsSurface::SetPenWidth(int pixels)
{
    m_penWidth = PainterSurface::penWidthOf(pixels);
}

void BoundsSurface::Line(float x1, float y1, float x2, float y2, int)
{
    // A round cap reaches half the pen's width beyond each end, in every direction.
    const qreal half = m_penWidth * Twips::perPixel / 2.0;
    const QRectF segment(QPointF(std::min(x1, x2) - half, std::min(y1, y2) - half),
        QPointF(std::max(x1, x2) + half, std::max(y1, y2) + half));
    m_bounds = m_segments == 0 ? segment : m_bounds.united(segment);
    ++m_segments;
}
