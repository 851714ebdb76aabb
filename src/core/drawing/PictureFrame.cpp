#include "core/drawing/PictureFrame.h"

#include "core/drawing/BoundsSurface.h"
#include "core/drawing/TreeDrawing.h"

namespace Drawing {

QRectF frameOf(const GeneticCode& code, Flags flags, Frame frame)
{
    if (frame == Frame::Window)
        return WindowFrame;
    BoundsSurface bounds;
    drawTree(code, flags, bounds);
    return bounds.segments() > 0 ? bounds.bounds() : WindowFrame;
}

ShownPart shownPartOf(const GeneticCode& code, Flags flags, Frame frame)
{
    return { frameOf(code, flags, frame), frame == Frame::Window };
}

} // namespace Drawing
