#include "core/sheet/SheetLabels.h"

#include "core/sheet/SheetLayout.h"

#include <QFontMetricsF>

namespace SheetLabels {

QFont font(int scale)
{
    // The font the project installs, so that a sheet looks the same wherever it is made.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(SheetLayout::LabelFontPixels * scale);
    return font;
}

QColor colour(const QColor& background)
{
    if (background.alpha() == 0 || background.lightnessF() >= 0.5)
        return Qt::black;
    return Qt::white;
}

QString fitted(const QString& name, const QFont& font, int width)
{
    return QFontMetricsF(font).elidedText(name, Qt::ElideMiddle, width);
}

} // namespace SheetLabels
