// vantrell-icon: draws the program's icon from a genetic code file at build time, so the icon is a Vantrell picture.
// Usage: vantrell-icon CODE OUTPUT SIZE; OUTPUT is PNG, or SVG when it ends in .svg.

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PictureFrame.h"
#include "core/drawing/PicturePainting.h"
#include "core/export/PictureRender.h"
#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/ExactRead.h"
#include "core/platform/RuntimeError.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

// The whole tree, centred in a square of size pixels with a sixteenth of it free around it, on nothing.
void paintIcon(QPainter& painter, const GeneticCode& code, int size)
{
    const QRectF frame = Drawing::frameOf(code, {}, Drawing::Frame::WholeTree);
    const double margin = size / 16.0;
    painter.setTransform(Drawing::fitInto(frame, QRectF(0, 0, size, size).adjusted(margin, margin, -margin, -margin)));
    Drawing::paintPicture(painter, code, {}, { frame, false }, Qt::transparent);
}

QByteArray png(const GeneticCode& code, int size)
{
    return Drawing::encodePng(Drawing::paintedImage(QSize(size, size), Qt::transparent, { QStringLiteral("icon"), {} },
        [&code, size](QPainter& painter) { paintIcon(painter, code, size); }));
}

QByteArray svg(const GeneticCode& code, int size)
{
    return Drawing::paintedSvg(QSize(size, size), QRectF(0, 0, size, size), Qt::transparent, QStringLiteral("Vantrell"),
        [&code, size](QPainter& painter) { paintIcon(painter, code, size); });
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
