#pragma once
// A picture as vectors, SVG or PDF, sized so that at 100 % it shows at its scale; and an SVG document of any scene
// painted by a callback.

#include "core/drawing/DrawFlags.h"
#include "core/export/RenderOptions.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QPdfWriter;

namespace Drawing {

// title names the document.
QByteArray renderSvg(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);
QByteArray renderPdf(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);

// Makes writer's one page size pixels, at 100 % as many screen pixels, without margins.
void preparePdf(QPdfWriter& writer, QSize pixels, const QString& title);

// A compact SVG document of size pixels showing viewBox, its background filled unless transparent, then painted by
// paint through QSvgGenerator.
QByteArray paintedSvg(QSize size, const QRectF& viewBox, const QColor& background, const QString& title,
    const std::function<void(QPainter&)>& paint);

} // namespace Drawing
