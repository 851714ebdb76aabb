#pragma once
// A picture as vectors, SVG or PDF, sized so that at 100 % it shows at its scale.

#include "core/drawing/DrawFlags.h"
#include "core/export/RenderOptions.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QPdfWriter;

namespace Drawing {

// title names the document.
QByteArray renderSvg(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);
QByteArray renderPdf(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);

// Makes writer's one page size pixels, at 100 % as many screen pixels, without margins.
void preparePdf(QPdfWriter& writer, QSize pixels, const QString& title);

} // namespace Drawing
