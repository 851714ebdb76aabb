#include "core/webpage/PageStyle.h"

#include "core/webpage/PageLayout.h"

#include <QString>

namespace PageStyle {

namespace {

QString cssColour(const QColor& colour)
{
    if (colour.alpha() == 255)
        return colour.name(QColor::HexRgb);
    if (colour.alpha() == 0)
        return QStringLiteral("transparent");
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alphaF());
}

} // namespace

QByteArray sheet(const QColor& pictureBackground)
{
    using namespace PageLayout;
    // Whole CSS pixels throughout, so that a picture's pixels fall on the screen's.
    const QString css = QStringLiteral(R"(:root {
  color-scheme: light dark;
  --page: #ffffff;
  --text: #1b1b1b;
  --link: #0b57d0;
  --line: #8c8c8c;
  --picture: %1;
}
@media (prefers-color-scheme: dark) {
  :root {
    --page: #17191c;
    --text: #e6e6e6;
    --link: #8ab4f8;
    --line: #7a7a7a;
  }
}
* { box-sizing: border-box; }
body {
  margin: 0;
  padding: %2px;
  background: var(--page);
  color: var(--text);
  font: 14px/20px sans-serif;
}
header { max-width: 40em; }
h1 { margin: 0 0 8px; font-size: 24px; line-height: 32px; }
header p { margin: 0 0 %2px; }
a { color: var(--link); }
a:focus-visible { outline: 3px solid var(--link); outline-offset: 2px; }
figure {
  margin: 0;
  width: %3px;
  height: %4px;
  padding: %5px;
  background: var(--page);
}
figure img {
  display: block;
  width: %6px;
  height: %6px;
  background: var(--picture);
}
figcaption {
  margin-top: %5px;
  font-size: 12px;
  line-height: %7px;
  overflow-wrap: anywhere;
}
figcaption b, figcaption span, figcaption a { display: block; }
figcaption span {
  max-height: %8px;
  overflow: hidden;
  display: -webkit-box;
  -webkit-box-orient: vertical;
  -webkit-line-clamp: 3;
}
.tree { overflow-x: auto; }
.run { position: relative; }
.run figure { position: absolute; }
.run h2 {
  position: absolute;
  left: 0;
  width: %9px;
  margin: 0;
  font-size: 16px;
  line-height: 20px;
}
.lines {
  position: absolute;
  left: 0;
  top: 0;
  fill: none;
  stroke: var(--line);
  stroke-width: 1.5px;
}
.gallery {
  display: grid;
  grid-template-columns: repeat(auto-fill, %3px);
  gap: %2px;
  margin: 0;
  padding: 0;
  list-style: none;
}
.gallery figure { height: auto; }
@media print, (max-width: %10px) {
  .run { width: auto !important; height: auto !important; }
  .run .lines { display: none; }
  .run section { display: flex; flex-wrap: wrap; gap: %2px; margin-bottom: %2px; }
  .run h2 { position: static; flex-basis: 100%; }
  .run figure { position: static; height: auto; }
}
@media (max-width: %10px) {
  body { padding: 8px; }
  .gallery { grid-template-columns: repeat(auto-fill, minmax(%3px, 1fr)); }
}
@media print {
  :root { --page: #ffffff; --text: #000000; --link: #000000; }
  .tree { overflow: visible; }
  figure { break-inside: avoid; }
}
)")
                            .arg(cssColour(pictureBackground))
                            .arg(Spacing)
                            .arg(FigureWidth)
                            .arg(FigureHeight)
                            .arg(Padding)
                            .arg(PictureSide)
                            .arg(CaptionLine)
                            .arg(3 * CaptionLine)
                            .arg(Gutter - Spacing)
                            .arg(NarrowWidth);
    return css.toUtf8();
}

} // namespace PageStyle
