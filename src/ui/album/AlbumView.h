#pragma once
// The album's list view: thumbnails in rows that wrap, in icon mode; says when what it shows moves, and drags the
// selected files out.

#include <QListView>

#include <functional>
#include <memory>
#include <utility>

class QMimeData;

class AlbumView final : public QListView {
    Q_OBJECT

public:
    // What a drag of the selection carries.
    using DragData = std::function<std::unique_ptr<QMimeData>()>;

    explicit AlbumView(QWidget* parent = nullptr);

    void setDragData(DragData dragData) { m_dragData = std::move(dragData); }
    // The first and last rows in sight, or (0, -1) when none is; the rows are laid out first if they wait for it.
    std::pair<int, int> visibleRows();

signals:
    // The rows in sight may be others: scrolled, resized, or the rows changed.
    void shownChanged();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void reset() override;

private:
    DragData m_dragData;
};
