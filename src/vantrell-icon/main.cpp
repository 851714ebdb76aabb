// vantrell-icon: draws the program's icon from a genetic code file at build time, so the icon is a Vantrell picture.
// Usage: vantrell-icon CODE OUTPUT SIZE; OUTPUT is PNG, or SVG when it ends in .svg.

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PictureFrame.h"
#include "core/drawing/PicturePainting.h"
#include "core/export/PictureRender.h"
#include "core/export/SvgCompactor.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The whole tree, centred in a square of size pixels with a sixteenth of it free around it, on nothing.
void paintIcon(QPainter& painter, const GeneticCode& code, int size)
{
    const QRectF frame = Drawing::frameOf(code, {}, Drawing::Frame::WholeTree);
    const double margin = size / 16.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(Drawing::fitInto(frame, QRectF(0, 0, size, size).adjusted(margin, margin, -margin, -margin)));
    Drawing::paintPicture(painter, code, {}, { frame, false }, Qt::transparent);
}

QByteArray png(const GeneticCode& code, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, code, size);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QByteArray svg(const GeneticCode& code, int size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(size, size));
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setTitle(QStringLiteral("Vantrell"));
    QPainter painter(&generator);
    paintIcon(painter, code, size);
    painter.end();
    return SvgCompactor::compact(buffer.data());
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const int size = arguments.size() == 4 ? arguments[3].toInt() : 0;
    if (size < 16) {
        std::fputs("Usage: vantrell-icon CODE OUTPUT SIZE (SIZE at least 16)\n", stderr);
        return 2;
    }
    try {
        const GeneticCode code = ExactRead::read(arguments[1]);
        const QString& output = arguments[2];
        Files::replaceFile(output, output.endsWith(QLatin1String(".svg")) ? svg(code, size) : png(code, size));
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "vantrell-icon: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
