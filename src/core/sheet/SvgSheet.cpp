#include "core/sheet/SvgSheet.h"

#include "core/drawing/FrameGeometry.h"
#include "core/export/VectorRender.h"
#include "core/sheet/SheetLabels.h"
#include "core/sheet/SheetLayout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace SvgSheet {

namespace {

const QString SvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// Copies everything inside the root element of the SVG document svg.
void copyContents(const QByteArray& svg, QXmlStreamWriter& xml)
{
    QXmlStreamReader reader(svg);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && ++depth == 1)
            continue;
        if (reader.isEndElement() && --depth == 0)
            break;
        if (depth >= 1 && !reader.isStartDocument() && !reader.isEndDocument())
            xml.writeCurrentToken(reader);
    }
}

QString colourText(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

} // namespace

QByteArray render(const QList<SheetEntry>& entries, const PictureSettings& settings, int columns, const QString& title)
{
    const int scale = settings.options.scale;
    QList<QRectF> frames;
    QList<QSize> sizes;
    for (const SheetEntry& entry : entries) {
        frames.append(Drawing::wholePixelFrame(entry.frame, scale));
        sizes.append(Drawing::pixelSize(frames.last(), scale));
    }
    const SheetLayout layout(sizes, columns, scale);
    const QSize size = layout.size();

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(SvgNamespace);
    xml.writeStartElement(SvgNamespace, QStringLiteral("svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), number(size.width()));
    xml.writeAttribute(QStringLiteral("height"), number(size.height()));
    xml.writeAttribute(
        QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(number(size.width()), number(size.height())));
    xml.writeTextElement(SvgNamespace, QStringLiteral("title"), title);

    const QColor& background = settings.options.background;
    if (background.alpha() > 0) {
        xml.writeEmptyElement(SvgNamespace, QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("width"), number(size.width()));
        xml.writeAttribute(QStringLiteral("height"), number(size.height()));
        xml.writeAttribute(QStringLiteral("fill"), colourText(background));
        if (background.alpha() < 255)
            xml.writeAttribute(QStringLiteral("fill-opacity"), number(background.alphaF()));
    }

    for (int i = 0; i < entries.size(); ++i) {
        const GeneticCode& code = entries[i].code;
        const QRect place = layout.picture(i);
        const QRectF& frame = frames[i];
        // A nested svg element clips to its own viewport, which QSvgGenerator's clipping cannot be relied on for.
        xml.writeStartElement(SvgNamespace, QStringLiteral("svg"));
        xml.writeAttribute(QStringLiteral("x"), number(place.x()));
        xml.writeAttribute(QStringLiteral("y"), number(place.y()));
        xml.writeAttribute(QStringLiteral("width"), number(place.width()));
        xml.writeAttribute(QStringLiteral("height"), number(place.height()));
        xml.writeAttribute(QStringLiteral("viewBox"),
            QStringLiteral("%1 %2 %3 %4")
                .arg(number(frame.x()), number(frame.y()), number(frame.width()), number(frame.height())));
        copyContents(Drawing::renderSvg(code, settings.flags, settings.options, entries[i].name), xml);
        xml.writeEndElement();
    }

    const QFont font = SheetLabels::font(scale);
    const QFontMetricsF metrics(font);
    for (int i = 0; i < entries.size(); ++i) {
        const QRect place = layout.label(i);
        const double baseline
            = place.y() + (place.height() - metrics.ascent() - metrics.descent()) / 2.0 + metrics.ascent();
        xml.writeStartElement(SvgNamespace, QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), number(place.x() + place.width() / 2.0));
        xml.writeAttribute(QStringLiteral("y"), number(baseline));
        xml.writeAttribute(QStringLiteral("font-family"), font.family() + QStringLiteral(", sans-serif"));
        xml.writeAttribute(QStringLiteral("font-size"), number(font.pixelSize()));
        xml.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
        xml.writeAttribute(QStringLiteral("fill"), colourText(SheetLabels::colour(background)));
        xml.writeCharacters(SheetLabels::fitted(entries[i].name, font, place.width()));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return buffer.data();
}

} // namespace SvgSheet
