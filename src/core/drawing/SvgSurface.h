#pragma once
// Draws the segments straight into a compact SVG document: coordinates in twips, as the drawing gives them.
//
// The pen most segments share is said once, on the group around them, and a run of segments drawn with one
// pen shares a group of its own; each segment is a polyline of its two ends, with round caps.

#include "core/drawing/DrawingSurface.h"

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class SvgSurface final : public DrawingSurface {
public:
    // frame: the part of the drawing plane the document shows, in twips; size: its width and height in CSS pixels;
    // Clear fills the frame with background, and a transparent one is left out.
    SvgSurface(QRectF frame, QSizeF size, QColor background);

    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;

    // The document so far, its title naming it.
    QByteArray document(const QString& title) const;

private:
    struct Segment {
        float x1;
        float y1;
        float x2;
        float y2;
        int colour;
        int penWidth;
    };

    QRectF m_frame;
    QSizeF m_size;
    QColor m_background;
    bool m_cleared = false;
    int m_penWidth = 1;
    std::vector<Segment> m_segments;
};
