#pragma once
// How a picture is drawn outside its window, as an image, SVG or PDF: scale, frame, smoothing and background.

#include "core/drawing/PictureFrame.h"

#include <QColor>

namespace Drawing {

inline constexpr int MinScale = 1;
inline constexpr int MaxScale = 32;

struct RenderOptions {
    // Pixels for each pixel of the picture window's drawing.
    int scale = 1;
    Frame frame = Frame::Window;
    // Antialiased edges; without them every pixel is in its segment's exact colour, as in the window.
    bool smooth = false;
    // Qt::transparent leaves the background empty.
    QColor background = Qt::white;
};

} // namespace Drawing
