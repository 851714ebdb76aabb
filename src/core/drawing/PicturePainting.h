#pragma once
// A picture painted through any painter: an image, a PDF page, an SVG generator or a widget.

#include "core/drawing/DrawFlags.h"
#include "core/drawing/PictureFrame.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>

class QPainter;

namespace Drawing {

// Paints the background over the shown part and the tree on it, through the painter's transform (which must map
// twips to the device).
void paintPicture(
    QPainter& painter, const GeneticCode& code, Flags flags, const ShownPart& shown, const QColor& background);

} // namespace Drawing
