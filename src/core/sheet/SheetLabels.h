#pragma once
// The file names under the pictures of a contact sheet: their font, colour and fitting.

#include <QColor>
#include <QFont>
#include <QString>

namespace SheetLabels {

QFont font(int scale);
// Dark on light backgrounds and on none, light on dark ones.
QColor colour(const QColor& background);
// The name, shortened in the middle to fit width pixels.
QString fitted(const QString& name, const QFont& font, int width);

} // namespace SheetLabels
