#pragma once
// Paints one file of an album: its thumbnail, or a "damaged" mark, with its name under it; edits the name in place.

#include <QStyledItemDelegate>

class AlbumDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int Padding = 6;

    explicit AlbumDelegate(QObject* parent = nullptr);

    // The thumbnails' side in pixels.
    void setSide(int side) { m_side = side; }
    // Where the thumbnail and the name go in an item's rectangle.
    QRect pictureRect(const QRect& item) const;
    QRect nameRect(const QRect& item, const QFontMetrics& metrics) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_side;
};
