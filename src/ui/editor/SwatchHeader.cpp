#include "ui/editor/SwatchHeader.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionHeader>

#include <algorithm>

SwatchHeader::SwatchHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

std::optional<QColor> SwatchHeader::swatchColour(int logicalIndex) const
{
    const QVariant decoration
        = model() ? model()->headerData(logicalIndex, orientation(), Qt::DecorationRole) : QVariant();
    if (decoration.typeId() != QMetaType::QColor)
        return std::nullopt;
    return decoration.value<QColor>();
}

int SwatchHeader::swatchSide() const
{
    return style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
}

QSize SwatchHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (swatchColour(logicalIndex)) {
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        size.setWidth(size.width() + swatchSide() + margin);
        size.setHeight(std::max(size.height(), swatchSide() + 2 * margin));
    }
    return size;
}

void SwatchHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const
{
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    const std::optional<QColor> colour = swatchColour(logicalIndex);
    if (!colour)
        return;
    const int side = swatchSide();
    QPixmap swatch(side, side);
    swatch.fill(*colour);
    // A frame, so that a swatch in the header's own colour still shows.
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, side - 1, side - 1);
    painter.end();
    option->icon = QIcon(swatch);
}
