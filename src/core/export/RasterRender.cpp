#include "core/export/RasterRender.h"

#include "core/drawing/CoverageSurface.h"
#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PicturePainting.h"
#include "core/drawing/TreeDrawing.h"

#include <QPainter>

namespace Drawing {

QRectF imageFrameOver(const QRectF& frame, int scale)
{
    // The advice is worked out on the frame itself: grown to whole pixels at one scale, it could
    // be a pixel too big at another and advise a scale below the largest.
    checkImageBytes(pixelSize(frame, scale), scaledImageUse(frame, scale));
    return wholePixelFrame(frame, scale);
}

QRectF imageFrame(const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    return imageFrameOver(frameOf(code, flags, options.frame), options.scale);
}

QImage renderImage(const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    return renderImageOver(imageFrame(code, flags, options), code, flags, options);
}

QImage renderImageOver(const QRectF& frame, const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    const QImage::Format format = imageFormatFor(options.background);
    QImage image = newImage(pixelSize(frame, options.scale), format, scaledImageUse(frame, options.scale));
    // An opaque background is painted over the whole frame by the drawing itself.
    if (format != QImage::Format_RGB32)
        image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, options.smooth);
    painter.setTransform(twipsToDevice(frame, options.scale));
    paintPicture(painter, code, flags, { frame, false }, options.background);
    painter.end();
    return image;
}

QImage renderFitted(const GeneticCode& code, Flags flags, const ViewOptions& view)
{
    QImage image = newImage(view.pixels, imageFormatFor(view.background), { QStringLiteral("view"), {} });
    image.fill(view.background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, view.smooth);
        painter.setTransform(fitInto(view.shown.frame, QRectF(QPointF(0, 0), QSizeF(view.pixels))));
        paintPicture(painter, code, flags, view.shown, view.background);
    }
    // Only now: a painter on an image with a ratio would work in its logical pixels.
    image.setDevicePixelRatio(view.devicePixelRatio);
    return image;
}

QImage renderCell(const GeneticCode& code, Flags flags, QSize pixels, qreal devicePixelRatio, const QColor& background)
{
    QImage image = newImage(pixels, imageFormatFor(background), { QStringLiteral("cell"), {} });
    // The whole tree is what the segments span: the surface measures it as they come.
    CoverageSurface surface(
        image, [pixels](const QRectF& drawn) { return fitInto(drawn, QRectF(QPointF(0, 0), QSizeF(pixels))); },
        background);
    surface.Clear();
    drawTree(code, flags, surface);
    surface.Finish();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage paintedImage(
    QSize pixels, const QColor& background, const ImageUse& use, const std::function<void(QPainter&)>& paint)
{
    QImage image = newImage(pixels, imageFormatFor(background), use);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image;
}

} // namespace Drawing
