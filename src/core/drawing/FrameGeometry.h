#pragma once
// How a frame of the drawing plane, in twips, lands on a device: its pixels at a scale, or fitted into a target.

#include <QRectF>
#include <QSize>
#include <QTransform>

namespace Drawing {

// Vectors are sized in CSS pixels, 96 to the inch, so that 100 % shows them pixel for pixel.
inline constexpr int VectorDotsPerInch = 96;

// Twips to device units: the frame's top-left corner at the origin, scale pixels per window pixel.
QTransform twipsToDevice(const QRectF& frame, double scale);
// The device size of frame at scale, whole pixels that hold it all.
QSize pixelSize(const QRectF& frame, double scale);
// frame grown at its right and bottom to those whole pixels, in twips.
QRectF wholePixelFrame(const QRectF& frame, double scale);
// Twips to device units that fit frame into target, centred, the same scale across and down.
QTransform fitInto(const QRectF& frame, const QRectF& target);

} // namespace Drawing
