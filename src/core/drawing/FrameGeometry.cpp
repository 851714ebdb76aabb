#include "core/drawing/FrameGeometry.h"

#include "core/platform/Twips.h"

#include <algorithm>
#include <cmath>

namespace Drawing {

QTransform twipsToDevice(const QRectF& frame, double scale)
{
    const double factor = scale / Twips::perPixel;
    return QTransform::fromScale(factor, factor).translate(-frame.x(), -frame.y());
}

QSize pixelSize(const QRectF& frame, double scale)
{
    const double factor = scale / Twips::perPixel;
    // A hair's breadth over a whole pixel is rounding, not another pixel.
    const auto whole = [factor](double twips) { return static_cast<int>(std::ceil(twips * factor - 1e-9)); };
    return { std::max(1, whole(frame.width())), std::max(1, whole(frame.height())) };
}

QRectF wholePixelFrame(const QRectF& frame, double scale)
{
    const QSize pixels = pixelSize(frame, scale);
    const double twipsPerUnit = Twips::perPixel / scale;
    return { frame.topLeft(), QSizeF(pixels.width() * twipsPerUnit, pixels.height() * twipsPerUnit) };
}

QTransform fitInto(const QRectF& frame, const QRectF& target)
{
    if (frame.isEmpty() || target.isEmpty())
        return {};
    const double factor = std::min(target.width() / frame.width(), target.height() / frame.height());
    const QPointF origin = target.center() - QPointF(frame.width(), frame.height()) * factor / 2.0;
    return QTransform::fromTranslate(origin.x(), origin.y()).scale(factor, factor).translate(-frame.x(), -frame.y());
}

} // namespace Drawing
