#include "core/export/ImageMemory.h"

#include "core/drawing/FrameGeometry.h"
#include "core/export/RenderOptions.h"
#include "core/platform/RuntimeError.h"

namespace Drawing {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 0);
}

RuntimeError imageRefusal(QSize size, const ImageUse& use, const QString& why)
{
    QString concerns = QStringLiteral("(a %1 x %2 pixel %3 %4").arg(size.width()).arg(size.height()).arg(use.what, why);
    if (!use.advice.isEmpty())
        concerns += QStringLiteral("; ") + use.advice;
    return { RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory), concerns + u')' };
}

} // namespace

qint64 imageBytes(QSize size)
{
    // Four bytes a pixel, with or without transparency.
    return static_cast<qint64>(size.width()) * size.height() * 4;
}

int largestScaleThatFits(const QRectF& frame)
{
    for (int scale = MaxScale; scale >= MinScale; --scale) {
        if (imageBytes(pixelSize(frame, scale)) <= MaxImageBytes)
            return scale;
    }
    return 0;
}

ImageUse scaledImageUse(const QRectF& frame, int scale)
{
    const int fits = largestScaleThatFits(frame);
    return { QStringLiteral("image at scale %1").arg(scale),
        fits > 0 ? QStringLiteral("the largest scale that fits is %1").arg(fits)
                 : QStringLiteral("no scale fits; the window's frame does") };
}

void checkImageBytes(QSize size, const ImageUse& use)
{
    const qint64 bytes = imageBytes(size);
    if (bytes > MaxImageBytes)
        throw imageRefusal(size, use,
            QStringLiteral("needs %1 MB of image memory, more than the %2 MB allowed")
                .arg(megabytes(bytes), megabytes(MaxImageBytes)));
}

QImage newImage(QSize size, QImage::Format format, const ImageUse& use)
{
    checkImageBytes(size, use);
    QImage image(size, format);
    if (image.isNull())
        throw imageRefusal(
            size, use, QStringLiteral("could not be given its %1 MB of memory").arg(megabytes(imageBytes(size))));
    return image;
}

QImage::Format imageFormatFor(const QColor& background)
{
    return background.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

} // namespace Drawing
