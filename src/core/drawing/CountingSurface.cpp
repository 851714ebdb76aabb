#include "core/drawing/CountingSurface.h"

CountingSurface::CountingSurface(DrawingSurface& drawn)
    : m_drawn(drawn)
{
}

void CountingSurface::Clear()
{
    m_segments = 0;
    m_drawn.Clear();
}

void CountingSurface::SetPenWidth(int pixels)
{
    m_drawn.SetPenWidth(pixels);
}

void CountingSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    ++m_segments;
    m_drawn.Line(x1, y1, x2, y2, colour);
}

void CountingSurface::Finish()
{
    m_drawn.Finish();
}
