#include "ui/editor/GeneTable.h"

#include "ui/editor/SwatchHeader.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWheelEvent>

namespace {

// One notch of an ordinary wheel.
constexpr int WheelNotch = 120;

} // namespace

GeneTable::GeneTable(QWidget* parent)
    : QTableView(parent)
{
    setVerticalHeader(new SwatchHeader(Qt::Vertical, this));
    verticalHeader()->setSectionsClickable(true);
    verticalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(verticalHeader(), &QHeaderView::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = verticalHeader()->logicalIndexAt(at);
        if (row < 0)
            return;
        setCurrentIndex(model()->index(row, currentIndex().isValid() ? currentIndex().column() : 0));
        emit rowMenuRequested(verticalHeader()->mapToGlobal(at));
    });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void GeneTable::commitEdit()
{
    if (!editing())
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GeneTable::wheelEvent(QWheelEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (editing() || !index.isValid() || !(index.flags() & Qt::ItemIsEditable)) {
        QTableView::wheelEvent(event);
        return;
    }
    if (index != currentIndex())
        m_wheelRest = 0;
    setCurrentIndex(index);
    m_wheelRest += event->angleDelta().y();
    const int steps = m_wheelRest / WheelNotch;
    m_wheelRest -= steps * WheelNotch;
    if (steps != 0)
        emit stepped(index.row(), index.column(), steps);
    event->accept();
}

void GeneTable::contextMenuEvent(QContextMenuEvent* event)
{
    if (!currentIndex().isValid())
        return;
    // From the keyboard the menu opens on the current cell, where the user's attention is.
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
        ? viewport()->mapToGlobal(visualRect(currentIndex()).center())
        : event->globalPos();
    emit rowMenuRequested(at);
}

void GeneTable::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        QAbstractScrollArea::focusNextPrevChild(!back);
        return;
    }
    QTableView::keyPressEvent(event);
}
