#pragma once
// Draws the segments with a QPainter on any paint device: an image, an SVG generator, a PDF writer, a widget.
//
// The painter's transform takes twips to the device; scale is only ever that transform.

#include "core/drawing/DrawingSurface.h"

#include <QColor>
#include <QRectF>

class QPainter;

class PainterSurface final : public DrawingSurface {
public:
    // Clear fills area (in twips) with background; a transparent background is left as it is.
    PainterSurface(QPainter& painter, QRectF area, QColor background);

    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;

    // The width a segment is drawn with, in pixels: below 1 draws as 1, and far wider than any line
    // needs to cover the drawing area from the farthest reachable point is drawn as that.
    static int penWidthOf(int pixels);
    static constexpr int MaxPenWidth = 8192;

private:
    QPainter& m_painter;
    QRectF m_area;
    QColor m_background;
    int m_penWidth = 1;
    // The pen the painter holds, so it is only changed when a line needs another.
    int m_painterColour = -1;
    int m_painterPenWidth = 0;
};
