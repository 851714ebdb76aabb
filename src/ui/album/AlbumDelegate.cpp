#include "ui/album/AlbumDelegate.h"

#include "core/album/AlbumModel.h"
#include "core/thumbnails/ThumbnailCache.h"

#include <QApplication>
#include <QPainter>

AlbumDelegate::AlbumDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_side(ThumbnailCache::NormalSide)
{
}

QRect AlbumDelegate::pictureRect(const QRect& item) const
{
    return { item.left() + (item.width() - m_side) / 2, item.top() + Padding, m_side, m_side };
}

QRect AlbumDelegate::nameRect(const QRect& item, const QFontMetrics& metrics) const
{
    return { item.left() + Padding, item.top() + 2 * Padding + m_side, item.width() - 2 * Padding,
        metrics.height() + Padding / 2 };
}

void AlbumDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The selection and focus, as every item view shows them, over the whole item: its picture is painted here.
    item.text.clear();
    item.icon = {};
    item.features &= ~QStyleOptionViewItem::HasDecoration;
    item.showDecorationSelected = true;
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect picture = pictureRect(option.rect);
    const QImage image = index.data(Qt::DecorationRole).value<QImage>();
    const bool damaged = !index.data(AlbumModel::DamageRole).toString().isEmpty();
    painter->save();
    if (!image.isNull()) {
        // A thumbnail another program made may be smaller than the square; it is centred in it.
        const QSize shown = image.size().scaled(picture.size(), Qt::KeepAspectRatio).boundedTo(image.size());
        QRect place(QPoint(0, 0), shown);
        place.moveCenter(picture.center());
        painter->drawImage(place, image);
    } else {
        painter->setPen(QPen(option.palette.color(QPalette::Mid), 1, Qt::DashLine));
        painter->drawRect(picture.adjusted(0, 0, -1, -1));
        if (damaged) {
            painter->setPen(QColor(0xB0, 0x20, 0x20));
            painter->drawText(picture, Qt::AlignCenter, QStringLiteral("damaged"));
        }
    }
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect name = nameRect(option.rect, option.fontMetrics);
    painter->drawText(name, Qt::AlignHCenter | Qt::AlignTop,
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideMiddle, name.width()));
    painter->restore();
}

QSize AlbumDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return { m_side + 2 * Padding, m_side + 3 * Padding + option.fontMetrics.height() };
}

void AlbumDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    // Over the name, a little taller for the editor's frame.
    editor->setGeometry(nameRect(option.rect, option.fontMetrics).adjusted(0, -Padding / 2, 0, Padding / 2));
}
