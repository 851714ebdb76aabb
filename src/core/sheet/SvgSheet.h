#pragma once
// A contact sheet as SVG: each picture's own SVG nested in its cell, which clips it as its own document would.

#include "core/sheet/ContactSheet.h"

#include <QByteArray>

namespace SvgSheet {

QByteArray render(const QList<SheetEntry>& entries, const PictureSettings& settings, int columns, const QString& title);

} // namespace SvgSheet
