#pragma once
// A picture as an image: at a scale for export, fitted into a view, or drawn by coverage into a cell; and an image of
// any scene painted by a callback.

#include "core/drawing/DrawFlags.h"
#include "core/drawing/PictureFrame.h"
#include "core/export/ImageMemory.h"
#include "core/export/RenderOptions.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <functional>

class QPainter;

namespace Drawing {

// The frame an image at these options shows, grown to whole pixels. Error 7 when the image would need more
// than MaxImageBytes, saying which scale fits, so that it can be refused before anything else is done.
QRectF imageFrame(const GeneticCode& code, Flags flags, const RenderOptions& options);
// The same for an image of frame, in twips, at scale.
QRectF imageFrameOver(const QRectF& frame, int scale);
// Error 7 as imageFrame.
QImage renderImage(const GeneticCode& code, Flags flags, const RenderOptions& options);
// The picture over frame, a frame imageFrameOver gave, at the options' scale; the options' frame is not asked.
QImage renderImageOver(const QRectF& frame, const GeneticCode& code, Flags flags, const RenderOptions& options);

// What a view shows, and how: its part fitted into an image of pixels, centred on background.
struct ViewOptions {
    ShownPart shown;
    QSize pixels;
    // Said by the image, for a view to show it pixel for pixel.
    qreal devicePixelRatio = 1.0;
    // One that is not opaque gives an image with an alpha channel.
    QColor background = Qt::white;
    bool smooth = true;
};

// The picture as a view shows it.
QImage renderFitted(const GeneticCode& code, Flags flags, const ViewOptions& view);
// The whole tree fitted into an image of pixels and centred on background, smooth, as a cell of a grid or a thumbnail
// shows it: drawn by the share of each pixel the pens cover rather than by a painter, several times faster for a small
// picture of thousands of segments, and to the eye the same as renderFitted.
QImage renderCell(const GeneticCode& code, Flags flags, QSize pixels, qreal devicePixelRatio, const QColor& background);

// An image of pixels filled with background, then painted by paint, smooth. Error 7 as newImage.
QImage paintedImage(
    QSize pixels, const QColor& background, const ImageUse& use, const std::function<void(QPainter&)>& paint);

} // namespace Drawing
