#pragma once
// A surface that passes every call on to another and counts the segments drawn since the last clearing.

#include "core/drawing/DrawingSurface.h"

class CountingSurface final : public DrawingSurface {
public:
    explicit CountingSurface(DrawingSurface& drawn);

    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;
    void Finish() override;

    int segments() const { return m_segments; }

private:
    DrawingSurface& m_drawn;
    int m_segments = 0;
};
