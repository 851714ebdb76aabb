#pragma once
// The Breed window's grid: the generation shown, its cells square and as large as the widget lets them be, each
// drawn on a worker thread and painted as it comes; the parents marked, the focused and the selected cells plain to
// see. Clicks and keys select, focus and choose.

#include "ui/breed/CellDrawing.h"
#include "ui/windows/DragGesture.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

class Generations;
struct Generation;

class BreedGrid final : public QWidget {
    Q_OBJECT

public:
    explicit BreedGrid(Generations& generations, QWidget* parent = nullptr);

    // Draws the generation shown afresh, as it is now.
    void showGeneration();
    // Whether every cell of the generation shown has its image.
    bool allDrawn() const;
    // The cell at a point of the widget, or -1.
    int cellAt(QPoint point) const;
    QRect cellRect(int cell) const;

    QSize sizeHint() const override;

signals:
    // Enter, or a double click: breed from the selection, or from the focused cell when none is selected.
    void chosen();
    void cellMenuRequested(QPoint globalPosition);
    // The left button pressed on cell and moved far enough to drag it out.
    void dragStarted(int cell);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Generation* shown() const;
    int cellSide() const;
    void redraw();
    void setFocusCell(int cell);
    // What a screen reader says of the grid now.
    void describe();
    void paintCell(QPainter& painter, const Generation& generation, int cell);

    Generations& m_generations;
    CellDrawing m_drawing;
    std::vector<QImage> m_images;
    int m_drawn = 0;
    // A resize draws again once it has settled.
    QTimer m_resized;
    DragGesture m_drag;
    int m_pressed = -1;
};
