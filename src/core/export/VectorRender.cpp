#include "core/export/VectorRender.h"

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PicturePainting.h"
#include "core/drawing/SvgSurface.h"
#include "core/drawing/TreeDrawing.h"
#include "core/export/SvgCompactor.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace Drawing {

namespace {

QRectF vectorFrame(const GeneticCode& code, Flags flags, const RenderOptions& options)
{
    return wholePixelFrame(frameOf(code, flags, options.frame), options.scale);
}

} // namespace

QByteArray renderSvg(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title)
{
    const QRectF frame = vectorFrame(code, flags, options);
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
    const QRectF frame = vectorFrame(code, flags, options);
    const QSize pixels = pixelSize(frame, options.scale);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        preparePdf(writer, pixels, title);
        QPainter painter(&writer);
        painter.setTransform(twipsToDevice(frame, options.scale));
        paintPicture(painter, code, flags, { frame, false }, options.background);
    }
    return buffer.data();
}

QByteArray paintedSvg(QSize size, const QRectF& viewBox, const QColor& background, const QString& title,
    const std::function<void(QPainter&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(VectorDotsPerInch);
        generator.setSize(size);
        generator.setViewBox(viewBox);
        generator.setTitle(title);
        QPainter painter(&generator);
        if (background.alpha() > 0)
            painter.fillRect(viewBox, background);
        paint(painter);
    }
    return SvgCompactor::compact(buffer.data());
}

} // namespace Drawing
