#pragma once
// A surface that draws nothing and measures what would be drawn: the box around every segment, pens and caps included.

#include "core/drawing/DrawingSurface.h"

#include <QRectF>

class BoundsSurface final : public DrawingSurface {
public:
    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;

    // In twips; a null rectangle when nothing was drawn.
    QRectF bounds() const { return m_bounds; }
    int segments() const { return m_segments; }

private:
    QRectF m_bounds;
    int m_penWidth = 1;
    int m_segments = 0;
};
