#pragma once
// One picture file of many genetic codes, each at the scale with its file name under it.

#include "core/export/PictureSettings.h"
#include "core/genetics/GeneticCode.h"

#include <QList>
#include <QRectF>
#include <QString>

struct SheetEntry {
    QString name;
    GeneticCode code;
    // In twips, as the job found it.
    QRectF frame;
};

namespace ContactSheet {

// Writes the sheet as PNG, SVG or PDF by its suffix, whole or not at all, its pictures drawn on threads
// threads where the format allows. Errors name the sheet.
void write(const QString& fileName, const QList<SheetEntry>& entries, const PictureSettings& settings, int columns,
    int threads);

} // namespace ContactSheet
