#include "core/webpage/PageHtml.h"

#include "core/history/FamilyLayout.h"
#include "core/platform/MarkupText.h"
#include "core/webpage/PageFiles.h"
#include "core/webpage/PageLayout.h"

#include <QUrl>

namespace PageHtml {

namespace {

// A relative link to a file of the pictures folder, whatever its name holds.
QString pictureLink(const QString& fileName)
{
    return PageFiles::Pictures + u'/' + QString::fromLatin1(QUrl::toPercentEncoding(fileName));
}

QString countText(qsizetype count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString pageStart(const QString& title, const QString& about)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<meta name=\"generator\" content=\"Vantrell\">\n<title>%1</title>\n"
                          "<link rel=\"stylesheet\" href=\"%3\">\n</head>\n<body>\n<header>\n<h1>%1</h1>\n<p>%2 "
                          "Choose a picture to see its drawing large, or download its genetic code file to open "
                          "it in Vantrell and breed on from it.</p>\n</header>\n<main>\n")
        .arg(MarkupText::escaped(title), MarkupText::escaped(about), PageFiles::Style);
}

QString pageEnd()
{
    return QStringLiteral("</main>\n</body>\n</html>\n");
}

// The picture linking to its drawing, its title and birth, and its genetic code file to download.
QString figureOf(const WebPicture& picture, const QString& style)
{
    QString html = QStringLiteral("<figure%1><a href=\"%2\"><img src=\"%3\" width=\"%4\" height=\"%4\" "
                                  "loading=\"lazy\" alt=\"%5\"></a><figcaption>")
                       .arg(style, pictureLink(picture.stem + QStringLiteral(".svg")),
                           pictureLink(picture.stem + QStringLiteral(".png")), QString::number(PageLayout::PictureSide),
                           MarkupText::escaped(picture.alt));
    if (!picture.birth.isEmpty())
        html += QStringLiteral("<b>%1</b><span>%2</span>")
                    .arg(MarkupText::escaped(picture.title), MarkupText::escaped(picture.birth));
    html += QStringLiteral("<a href=\"%1\" download=\"%2\">%3</a></figcaption></figure>\n")
                .arg(pictureLink(picture.geneFileName), MarkupText::escaped(picture.downloadName),
                    MarkupText::escaped(picture.downloadName));
    return html;
}

} // namespace

QByteArray run(const std::vector<WebPicture>& pictures)
{
    using namespace PageLayout;
    FamilyLayout layout(QSizeF(FigureWidth + Spacing, FigureHeight + Spacing), GenerationGap, PerLine);
    for (const WebPicture& picture : pictures)
        layout.add(picture.id, picture.parents);
    const auto place = [&layout](qint16 id) {
        const QPointF at = layout.position(id);
        return QPoint(Gutter + static_cast<int>(at.x()), static_cast<int>(at.y()));
    };
    std::vector<std::vector<const WebPicture*>> generations(static_cast<std::size_t>(layout.generations()));
    for (const WebPicture& picture : pictures)
        generations[static_cast<std::size_t>(layout.generation(picture.id))].push_back(&picture);

    const QSize size = layout.size().toSize() + QSize(Gutter - Spacing, -Spacing);
    QString html
        = pageStart(QStringLiteral("A run of %1")
                        .arg(countText(pictures.size(), QStringLiteral("picture"), QStringLiteral("pictures"))),
            QStringLiteral("Bred with Vantrell in %1, each picture below its parents.")
                .arg(countText(generations.size(), QStringLiteral("generation"), QStringLiteral("generations"))));
    if (pictures.empty())
        return (html + pageEnd()).toUtf8();
    html += QStringLiteral("<div class=\"tree\">\n<div class=\"run\" style=\"width:%1px;height:%2px\">\n"
                           "<svg class=\"lines\" width=\"%1\" height=\"%2\" aria-hidden=\"true\"><path d=\"")
                .arg(size.width())
                .arg(size.height());
    for (const WebPicture& picture : pictures) {
        const QPoint child = place(picture.id);
        for (const qint16 parent : picture.parents) {
            if (!layout.contains(parent))
                continue;
            const QPoint from = place(parent);
            html += QStringLiteral("M%1 %2L%3 %4")
                        .arg(from.x() + FigureWidth / 2)
                        .arg(from.y() + FigureHeight)
                        .arg(child.x() + FigureWidth / 2)
                        .arg(child.y());
        }
    }
    html += QStringLiteral("\"/></svg>\n");
    for (std::size_t g = 0; g < generations.size(); ++g) {
        // The first of a generation stands at its top left.
        const int top = place(generations[g].front()->id).y();
        html += QStringLiteral("<section aria-labelledby=\"g%1\">\n<h2 id=\"g%1\" style=\"top:%2px\">Generation "
                               "%1</h2>\n")
                    .arg(g)
                    .arg(top);
        for (const WebPicture* picture : generations[g]) {
            const QPoint at = place(picture->id);
            html += figureOf(*picture, QStringLiteral(" style=\"left:%1px;top:%2px\"").arg(at.x()).arg(at.y()));
        }
        html += QStringLiteral("</section>\n");
    }
    html += QStringLiteral("</div>\n</div>\n") + pageEnd();
    return html.toUtf8();
}

QByteArray gallery(const std::vector<WebPicture>& pictures)
{
    const QString count = countText(pictures.size(), QStringLiteral("picture"), QStringLiteral("pictures"));
    QString html = pageStart(QStringLiteral("Pictures bred with Vantrell"), count + u'.');
    html += QStringLiteral("<ul class=\"gallery\">\n");
    for (const WebPicture& picture : pictures)
        html += QStringLiteral("<li>") + figureOf(picture, {}).chopped(1) + QStringLiteral("</li>\n");
    html += QStringLiteral("</ul>\n") + pageEnd();
    return html.toUtf8();
}

} // namespace PageHtml
