#pragma once
// The genes editor's table view.
//
// The wheel steps the cell under it, the row menu opens for the current row by mouse or keyboard, and Ctrl+Tab
// leaves the table as Tab moves within it.

#include <QPoint>
#include <QTableView>

class GeneTable final : public QTableView {
    Q_OBJECT

public:
    explicit GeneTable(QWidget* parent = nullptr);

    // Commits the cell being edited, as Enter does; nothing when no cell is being edited.
    void commitEdit();
    bool editing() const { return state() == EditingState; }

signals:
    // The wheel turned by steps notches over the cell of row and column, made current.
    void stepped(int row, int column, int steps);
    // The current row's menu is asked for, to open at globalPos.
    void rowMenuRequested(const QPoint& globalPos);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the wheel turned short of a whole notch.
    int m_wheelRest = 0;
};
