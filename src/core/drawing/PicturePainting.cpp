#include "core/drawing/PicturePainting.h"

#include "core/drawing/PainterSurface.h"
#include "core/drawing/TreeDrawing.h"

#include <QPainter>

namespace Drawing {

void paintPicture(
    QPainter& painter, const GeneticCode& code, Flags flags, const ShownPart& shown, const QColor& background)
{
    painter.save();
    if (shown.clip)
        painter.setClipRect(shown.frame, Qt::IntersectClip);
    PainterSurface surface(painter, shown.frame, background);
    surface.Clear();
    drawTree(code, flags, surface);
    painter.restore();
}

} // namespace Drawing
