#pragma once
// Draws the segments into an opaque image by the share of each pixel their round-capped pens cover, for pictures of
// thousands of segments in a small image, where a painter's stroker spends most of its time on segments that later
// ones hide.
//
// The segments are kept as they come and drawn when the drawing is finished, from the last to the first: each
// pixel adds what still shows of each segment, so a pixel once wholly covered takes no more work, nor does a segment
// wholly behind those drawn after it. What shows is the same as drawing them in order, one over the other.

#include "core/drawing/BoundsSurface.h"
#include "core/drawing/DrawingSurface.h"

#include <QColor>
#include <QImage>
#include <QTransform>

#include <cstdint>
#include <functional>
#include <vector>

class CoverageSurface final : public DrawingSurface {
public:
    // Takes the box around every segment drawn, in twips, pens and caps included, to the transform from twips to the
    // image's pixels: a scale and a translation, which pens widen with, as a painter's do.
    using Placing = std::function<QTransform(const QRectF& drawn)>;

    // image: RGB32 on an opaque background, else ARGB32_Premultiplied.
    CoverageSurface(QImage& image, Placing place, QColor background);

    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;
    void Finish() override;

private:
    // In twips, the pen in pixels, as drawn.
    struct Segment {
        float x1, y1, x2, y2;
        int penWidth;
        std::uint32_t colour;
    };
    // What a pixel holds while the segments are drawn: the colour so far, and how much of it still lets earlier
    // segments show.
    struct Pixel {
        float red = 0.0F;
        float green = 0.0F;
        float blue = 0.0F;
        float clear = 1.0F;
    };

    // The pixels, and for each tile of a few pixels square how many of its pixels nothing more shows through.
    struct Canvas {
        std::vector<Pixel> pixels;
        std::vector<std::uint8_t> hidden;
        int tilesAcross = 0;
    };

    // In the image's pixels.
    void draw(const Segment& segment, const QTransform& toDevice, Canvas& canvas) const;
    // Whether every tile the rows top to bottom and columns left to right touch is wholly hidden.
    static bool behind(const Canvas& canvas, int top, int bottom, int left, int right);

    QImage& m_image;
    Placing m_place;
    QColor m_background;
    BoundsSurface m_bounds;
    int m_penWidth = 1;
    std::vector<Segment> m_segments;
};
