#include "ui/album/AlbumView.h"

#include "ui/export/PictureDrag.h"
#include "ui/windows/Guard.h"

#include <QMimeData>

AlbumView::AlbumView(QWidget* parent)
    : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Files are dragged out only; drops go to the window, which copies them in.
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

std::pair<int, int> AlbumView::visibleRows()
{
    executeDelayedItemsLayout();
    const int count = model() ? model()->rowCount(rootIndex()) : 0;
    if (count == 0)
        return { 0, -1 };
    // The rows run in reading order, so those in sight lie between the first that reaches below the top and the
    // last that starts above the bottom.
    const auto rectOf = [this](int row) { return visualRect(model()->index(row, 0, rootIndex())); };
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (rectOf(middle).bottom() < 0)
            low = middle + 1;
        else
            high = middle;
    }
    const int first = low;
    high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (rectOf(middle).top() < viewport()->height())
            low = middle + 1;
        else
            high = middle;
    }
    return { std::min(first, count - 1), std::max(first, low - 1) };
}

void AlbumView::startDrag(Qt::DropActions)
{
    if (!m_dragData || selectedIndexes().isEmpty())
        return;
    Guard::run(this, [this] { PictureDrag::start(this, m_dragData()); });
}

void AlbumView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    emit shownChanged();
}

void AlbumView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    emit shownChanged();
}

void AlbumView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    emit shownChanged();
}

void AlbumView::reset()
{
    QListView::reset();
    emit shownChanged();
}
