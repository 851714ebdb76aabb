#pragma once
// The recursive drawing of a genetic code as a tree of segments, onto any drawing surface.
//
// It reads nothing but its arguments, so it can draw on any thread: the window, exports,
// thumbnails and the command-line renderer all draw through it.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QtGlobal>

class DrawingSurface;

namespace Drawing {

// The first call of every drawing: straight up from the middle just below the bottom edge.
inline constexpr double StartAngle = -823549.0 / 524288.0;
inline constexpr qint16 StartX = 850;
inline constexpr qint16 StartY = 1600;

// The segment of gene tvNo from (tvX, tvY) in direction tvAngle and, depth first, its two branches.
// Error 6 when an end point leaves the 16-bit range or a direction is no longer finite.
void drawLine(const GeneticCode& code, Flags flags, DrawingSurface& surface, qint16 tvNo, double tvAngle, qint16 tvX,
    qint16 tvY, double tvShrink);

// The whole tree from the first call; the surface is neither cleared nor finished.
void drawTree(const GeneticCode& code, Flags flags, DrawingSurface& surface);

// A segment's colour as the surface takes it: red + 256 * green + 65536 * blue, each clamped to 0..255.
int colourOf(qint16 red, qint16 green, qint16 blue);

} // namespace Drawing
