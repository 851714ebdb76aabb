#pragma once
// The colour a picture window's drawing area is filled with before its picture is drawn.

#include <QColor>

namespace Drawing {

// The system's window background, as the platform's palette gives it; exports and views default to it too.
QColor windowBackground();

} // namespace Drawing
