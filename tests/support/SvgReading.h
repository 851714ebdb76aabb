#pragma once
// Reads an exported SVG back: its size, its background and every line with the stroke it is drawn with.

#include <QByteArray>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

struct SvgLine {
    QLineF line;
    // As the line gets them, from itself or from the groups around it.
    QString stroke;
    double strokeWidth = 0;
    QString lineCap;
};

struct SvgDrawing {
    QString width;
    QString height;
    QRectF viewBox;
    // The fill of every rectangle: the background, when there is one.
    QStringList rectangleFills;
    std::vector<SvgLine> lines;
    QString error;
};

inline SvgDrawing readSvg(const QByteArray& svg)
{
    SvgDrawing drawing;
    QXmlStreamReader reader(svg);
    // The presentation attributes in force, innermost group last.
    struct Style {
        QString stroke = QStringLiteral("none");
        QString strokeWidth = QStringLiteral("1");
        QString lineCap = QStringLiteral("butt");
        QString fill = QStringLiteral("black");
    };
    std::vector<Style> styles { Style {} };
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            styles.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        Style style = styles.back();
        const auto take = [&attributes](QString& value, const char* name) {
            if (attributes.hasAttribute(QLatin1String(name)))
                value = attributes.value(QLatin1String(name)).toString();
        };
        take(style.stroke, "stroke");
        take(style.strokeWidth, "stroke-width");
        take(style.lineCap, "stroke-linecap");
        take(style.fill, "fill");
        styles.push_back(style);
        const QStringView name = reader.name();
        if (name == u"svg") {
            drawing.width = attributes.value(QLatin1String("width")).toString();
            drawing.height = attributes.value(QLatin1String("height")).toString();
            const QStringList box = attributes.value(QLatin1String("viewBox")).toString().split(u' ');
            if (box.size() == 4)
                drawing.viewBox = QRectF(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
        } else if (name == u"rect") {
            drawing.rectangleFills.append(style.fill);
        } else if (name == u"polyline" || name == u"line") {
            QLineF line;
            if (name == u"line") {
                const auto at = [&attributes](const char* a) { return attributes.value(QLatin1String(a)).toDouble(); };
                line = QLineF(at("x1"), at("y1"), at("x2"), at("y2"));
            } else {
                const QStringList points
                    = attributes.value(QLatin1String("points")).toString().split(u' ', Qt::SkipEmptyParts);
                if (points.size() != 2) {
                    drawing.error = QStringLiteral("a polyline of %1 points").arg(points.size());
                    continue;
                }
                const QStringList from = points[0].split(u',');
                const QStringList to = points[1].split(u',');
                line = QLineF(
                    from.value(0).toDouble(), from.value(1).toDouble(), to.value(0).toDouble(), to.value(1).toDouble());
            }
            drawing.lines.push_back({ line, style.stroke, style.strokeWidth.toDouble(), style.lineCap });
        }
    }
    if (reader.hasError())
        drawing.error = reader.errorString();
    return drawing;
}
