#pragma once
// Where new picture windows go: a grid beside the main window, each clear of the others, of the main window
// and of every other open window where the screen has room; the rest cascade.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace WindowPlacement {

// Space left between neighbouring windows, in pixels.
inline constexpr int Gap = 8;
// How far each cascading window steps down and to the right.
inline constexpr int CascadeStep = 24;

// The top-left corners of count window frames of size frame on screen (its available area), for a main
// window whose frame is mainFrame: rows from the main window's top down (then those above it); beside the
// main window a row starts at its right, below it at the screen's left; past the screen's end the windows
// cascade from its top-left corner. A place of the grid where it would overlap one of the frames in open is
// passed over.
std::vector<QPoint> place(
    const QRect& screen, const QRect& mainFrame, QSize frame, int count, const std::vector<QRect>& open = {});

// The frames of the program's windows on the screen now.
std::vector<QRect> openWindowFrames();

} // namespace WindowPlacement
