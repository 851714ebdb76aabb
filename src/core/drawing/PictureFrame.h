#pragma once
// Which part of the drawing plane a picture shows outside its window.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QRectF>

namespace Drawing {

enum class Frame {
    Window, // the drawing area as laid out, clipped as there
    WholeTree, // every segment drawn, pens and caps included
};

// The drawing area of a picture window, in twips.
inline constexpr QRectF WindowFrame { 0, 0, 1695, 1575 };

// In twips. The whole tree of an empty drawing is the window's frame.
QRectF frameOf(const GeneticCode& code, Flags flags, Frame frame);

// The part of the drawing plane a view shows, in twips; clip keeps the drawing inside it, as the window does.
struct ShownPart {
    QRectF frame;
    bool clip = false;
};

// The frame, clipped when it is the window's.
ShownPart shownPartOf(const GeneticCode& code, Flags flags, Frame frame);

} // namespace Drawing
