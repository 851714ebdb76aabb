#pragma once
// The drawing area the recursive drawing draws on: coordinates in twips, pen widths in pixels.

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // Fills the whole area with its background colour.
    virtual void Clear() = 0;
    // Pen width in pixels, as stored in the gene (the surface decides what below 1 means).
    virtual void SetPenWidth(int pixels) = 0;
    // A solid line in colour red + 256 * green + 65536 * blue, clipped to the area.
    virtual void Line(float x1, float y1, float x2, float y2, int colour) = 0;
    // The drawing is complete: show it.
    virtual void Finish() { }
};
