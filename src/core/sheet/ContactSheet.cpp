#include "core/sheet/ContactSheet.h"

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PicturePainting.h"
#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "core/files/FileError.h"
#include "core/files/ReplaceFile.h"
#include "core/platform/ParallelRun.h"
#include "core/sheet/SheetLabels.h"
#include "core/sheet/SheetLayout.h"
#include "core/sheet/SvgSheet.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <cstring>
#include <exception>
#include <vector>

namespace ContactSheet {

namespace {

QList<QRectF> pixelFrames(const QList<SheetEntry>& entries, int scale)
{
    QList<QRectF> frames;
    for (const SheetEntry& entry : entries)
        frames.append(Drawing::wholePixelFrame(entry.frame, scale));
    return frames;
}

SheetLayout layoutOf(const QList<QRectF>& frames, int columns, int scale)
{
    QList<QSize> sizes;
    for (const QRectF& frame : frames)
        sizes.append(Drawing::pixelSize(frame, scale));
    return { sizes, columns, scale };
}

void paintLabels(
    QPainter& painter, const SheetLayout& layout, const QList<SheetEntry>& entries, const PictureSettings& settings)
{
    const QFont font = SheetLabels::font(layout.scale());
    painter.setFont(font);
    painter.setPen(SheetLabels::colour(settings.options.background));
    for (int i = 0; i < entries.size(); ++i) {
        const QRect place = layout.label(i);
        painter.drawText(place, Qt::AlignCenter, SheetLabels::fitted(entries[i].name, font, place.width()));
    }
}

// Copies picture into sheet with its top-left corner at at; both have the same pixel format.
void copyInto(QImage& sheet, const QImage& picture, QPoint at)
{
    const auto rowBytes = static_cast<std::size_t>(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(
            sheet.scanLine(at.y() + y) + static_cast<std::ptrdiff_t>(at.x()) * 4, picture.constScanLine(y), rowBytes);
}

QByteArray pngSheet(const QList<SheetEntry>& entries, const PictureSettings& settings, int columns, int threads)
{
    const int scale = settings.options.scale;
    const SheetLayout layout = layoutOf(pixelFrames(entries, scale), columns, scale);
    const QColor& background = settings.options.background;
    // The same pixel format as each picture's image, so that their rows are copied as they are.
    const QImage::Format format = Drawing::imageFormatFor(background);
    QImage sheet = Drawing::newImage(layout.size(), format, { QStringLiteral("sheet"), {} });
    sheet.fill(format == QImage::Format_RGB32 ? background : QColor(Qt::transparent));

    // Each picture drawn on its own as a single PNG would be, into rows of the sheet no other thread touches.
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(entries.size()));
    ParallelRun::forEachIndex(static_cast<int>(entries.size()), threads, [&](int i) {
        try {
            const GeneticCode& code = entries[i].code;
            const QImage picture = Drawing::renderImage(code, settings.flags, settings.options);
            copyInto(sheet, picture, layout.picture(i).topLeft());
        } catch (...) {
            failures[static_cast<std::size_t>(i)] = std::current_exception();
        }
    });
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);

    QPainter painter(&sheet);
    paintLabels(painter, layout, entries, settings);
    painter.end();
    return Drawing::encodePng(sheet);
}

QByteArray pdfSheet(
    const QList<SheetEntry>& entries, const PictureSettings& settings, int columns, const QString& title)
{
    const int scale = settings.options.scale;
    const QList<QRectF> frames = pixelFrames(entries, scale);
    const SheetLayout layout = layoutOf(frames, columns, scale);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        Drawing::preparePdf(writer, layout.size(), title);
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing, settings.options.smooth);
        painter.fillRect(QRect(QPoint(0, 0), layout.size()), settings.options.background);
        for (int i = 0; i < entries.size(); ++i) {
            const GeneticCode& code = entries[i].code;
            const QPoint at = layout.picture(i).topLeft();
            painter.setTransform(Drawing::twipsToDevice(frames[i], scale) * QTransform::fromTranslate(at.x(), at.y()));
            Drawing::paintPicture(painter, code, settings.flags, { frames[i], true }, settings.options.background);
        }
        painter.resetTransform();
        paintLabels(painter, layout, entries, settings);
    }
    return buffer.data();
}

} // namespace

void write(const QString& fileName, const QList<SheetEntry>& entries, const PictureSettings& settings, int columns,
    int threads)
{
    QByteArray contents;
    try {
        switch (Drawing::formatOfFileName(fileName).value_or(Drawing::Format::Png)) {
        case Drawing::Format::Png:
            contents = pngSheet(entries, settings, columns, threads);
            break;
        case Drawing::Format::Svg:
            contents = SvgSheet::render(entries, settings, columns, QFileInfo(fileName).fileName());
            break;
        case Drawing::Format::Pdf:
            contents = pdfSheet(entries, settings, columns, QFileInfo(fileName).fileName());
            break;
        }
    } catch (const RuntimeError& error) {
        throw error.about(Files::inFile(fileName));
    }
    // Its errors name the file already.
    Files::replaceFile(fileName, contents);
}

} // namespace ContactSheet
