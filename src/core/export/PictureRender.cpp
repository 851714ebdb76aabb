#include "core/export/PictureRender.h"

#include "core/drawing/CoverageSurface.h"
#include "core/drawing/PainterSurface.h"
#include "core/drawing/SvgSurface.h"
#include "core/drawing/TreeDrawing.h"
#include "core/files/ReplaceFile.h"
#include "core/platform/RuntimeError.h"
#include "core/platform/Twips.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace Drawing {

namespace {

// Vectors are sized in CSS pixels, 96 to the inch, so that 100 % shows them pixel for pixel.
constexpr int VectorDotsPerInch = 96;

QRectF exportFrame(const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    return wholePixelFrame(frameOf(code, flags, options.frame), options.scale);
}

QString megabytes(qint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 0);
}

} // namespace

std::optional<Format> formatNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == u"png")
        return Format::Png;
    if (lower == u"svg")
        return Format::Svg;
    if (lower == u"pdf")
        return Format::Pdf;
    return std::nullopt;
}

std::optional<Format> formatOfFileName(const QString& fileName)
{
    // The last suffix only: "tree.gen.png" is a PNG file.
    return formatNamed(QFileInfo(fileName).suffix());
}

QString suffixOf(Format format)
{
    switch (format) {
    case Format::Png:
        return QStringLiteral("png");
    case Format::Svg:
        return QStringLiteral("svg");
    case Format::Pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

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

void paintPicture(
    QPainter& painter, const GeneticCode& code, Flags flags, const QRectF& frame, const QColor& background, bool clip)
{
    painter.save();
    if (clip)
        painter.setClipRect(frame, Qt::IntersectClip);
    PainterSurface surface(painter, frame, background);
    surface.Clear();
    drawTree(code, flags, surface);
    painter.restore();
}

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

namespace {

RuntimeError tooBig(const QRectF& frame, QSize size, int scale, const QString& why)
{
    const int fits = largestScaleThatFits(frame);
    const QString advice = fits > 0 ? QStringLiteral("the largest scale that fits is %1").arg(fits)
                                    : QStringLiteral("no scale fits; the window's frame does");
    return { RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
        QStringLiteral("(a %1 x %2 pixel image at scale %3 %4; %5)")
            .arg(size.width())
            .arg(size.height())
            .arg(scale)
            .arg(why, advice) };
}

} // namespace

QRectF imageFrameOver(const QRectF& frame, int scale)
{
    // The advice is worked out on the frame itself: grown to whole pixels at one scale, it could
    // be a pixel too big at another and advise a scale below the largest.
    const QSize size = pixelSize(frame, scale);
    const qint64 bytes = imageBytes(size);
    if (bytes > MaxImageBytes)
        throw tooBig(frame, size, scale,
            QStringLiteral("needs %1 MB of image memory, more than the %2 MB allowed")
                .arg(megabytes(bytes), megabytes(MaxImageBytes)));
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
    const QSize size = pixelSize(frame, options.scale);
    const bool transparent = options.background.alpha() < 255;
    QImage image(size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        throw tooBig(frame, size, options.scale,
            QStringLiteral("could not be given its %1 MB of memory").arg(megabytes(imageBytes(size))));
    if (transparent)
        image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, options.smooth);
    painter.setTransform(twipsToDevice(frame, options.scale));
    paintPicture(painter, code, flags, frame, options.background, false);
    painter.end();
    return image;
}

QImage renderFitted(const GeneticCode& code, Flags flags, Frame frame, QSize pixels, qreal devicePixelRatio,
    const QColor& background, bool smooth)
{
    return renderFittedOver(
        frameOf(code, flags, frame), frame == Frame::Window, code, flags, pixels, devicePixelRatio, background, smooth);
}

QImage renderFittedOver(const QRectF& shown, bool clip, const GeneticCode& code, Flags flags, QSize pixels,
    qreal devicePixelRatio, const QColor& background, bool smooth)
{
    QImage image(pixels, background.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        throw RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
            QStringLiteral("(a %1 x %2 pixel view)").arg(pixels.width()).arg(pixels.height()));
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.setTransform(fitInto(shown, QRectF(QPointF(0, 0), QSizeF(pixels))));
        paintPicture(painter, code, flags, shown, background, clip);
    }
    // Only now: a painter on an image with a ratio would work in its logical pixels.
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage renderCell(const GeneticCode& code, Flags flags, QSize pixels, qreal devicePixelRatio, const QColor& background)
{
    QImage image(pixels, background.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        throw RuntimeError(RuntimeError::OutOfMemory, RuntimeError::standardText(RuntimeError::OutOfMemory),
            QStringLiteral("(a %1 x %2 pixel cell)").arg(pixels.width()).arg(pixels.height()));
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

QByteArray renderPng(const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    const QImage image = renderImage(code, flags, options);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The image could not be encoded as PNG"));
    return buffer.data();
}

QByteArray renderSvg(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title)
{
    const QRectF frame = exportFrame(code, flags, options);
    SvgSurface surface(frame, pixelSize(frame, options.scale), options.background);
    surface.Clear();
    drawTree(code, flags, surface);
    return surface.document(title);
}

void preparePdf(QPdfWriter& writer, QSize pixels, const QString& title)
{
    writer.setCreator(QStringLiteral("Vantrell"));
    writer.setTitle(title);
    writer.setResolution(VectorDotsPerInch);
    const double mmPerPixel = 25.4 / VectorDotsPerInch;
    writer.setPageSize(QPageSize(QSizeF(pixels.width() * mmPerPixel, pixels.height() * mmPerPixel),
        QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

QByteArray renderPdf(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title)
{
    const QRectF frame = exportFrame(code, flags, options);
    const QSize pixels = pixelSize(frame, options.scale);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        preparePdf(writer, pixels, title);
        QPainter painter(&writer);
        painter.setTransform(twipsToDevice(frame, options.scale));
        paintPicture(painter, code, flags, frame, options.background, false);
    }
    return buffer.data();
}

QByteArray render(
    Format format, const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title)
{
    switch (format) {
    case Format::Svg:
        return renderSvg(code, flags, options, title);
    case Format::Pdf:
        return renderPdf(code, flags, options, title);
    case Format::Png:
        break;
    }
    return renderPng(code, flags, options);
}

void exportPicture(Format format, const GeneticCode& code, Flags flags, const RenderOptions& options,
    const QString& title, const QString& fileName)
{
    Files::replaceFile(fileName, render(format, code, flags, options, title));
}

} // namespace Drawing
