#include "drawing/PictureFrame.h"

#include "drawing/BoundsSurface.h"
#include "drawing/TreeDrawing.h"

namespace Drawing {

QRectF frameOf(clsGenSeq& code, Flags flags, Frame frame)
{
    if (frame == Frame::Window)
        return WindowFrame;
    BoundsSurface bounds;
    drawTree(code, flags, bounds);
    return bounds.segments() > 0 ? bounds.bounds() : WindowFrame;
}

} // namespace Drawing
