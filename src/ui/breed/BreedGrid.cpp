#include "ui/breed/BreedGrid.h"

#include "core/breeding/Generations.h"
#include "core/drawing/WindowBackground.h"
#include "program/modMain.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int CellGap = 6;
constexpr int SelectionWidth = 4;
constexpr int RedrawDelayMs = 80;

// "cells 1 and 4", "cell 3", "no cell".
QString cellList(const std::vector<int>& cells)
{
    QStringList numbers;
    for (const int cell : cells)
        numbers.append(QString::number(cell + 1));
    if (numbers.isEmpty())
        return QStringLiteral("no cell");
    if (numbers.size() == 1)
        return QStringLiteral("cell ") + numbers.front();
    const QString last = numbers.takeLast();
    return QStringLiteral("cells ") + numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

BreedGrid::BreedGrid(Generations& generations, QWidget* parent)
    : QWidget(parent)
    , m_generations(generations)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 120);
    m_resized.setSingleShot(true);
    m_resized.setInterval(RedrawDelayMs);
    connect(&m_resized, &QTimer::timeout, this, &BreedGrid::redraw);
    connect(&m_drawing, &CellDrawing::drawn, this, [this](int cell, const QImage& image) {
        if (cell >= static_cast<int>(m_images.size()))
            return;
        m_images[static_cast<std::size_t>(cell)] = image;
        update(cellRect(cell));
        ++m_drawn;
    });
}

QSize BreedGrid::sizeHint() const
{
    return { 640, 640 };
}

Generation* BreedGrid::shown() const
{
    return m_generations.shownIndex() < 0 ? nullptr : &m_generations.shown();
}

void BreedGrid::showGeneration()
{
    // A press on the generation before drags nothing of this one.
    m_pressed = -1;
    m_images.assign(shown() ? shown()->cells.size() : 0, QImage());
    redraw();
    describe();
    update();
}

void BreedGrid::redraw()
{
    const Generation* generation = shown();
    if (!generation)
        return;
    m_drawn = 0;
    const int side = cellSide();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(side * ratio)), std::max(1, qRound(side * ratio)));
    m_drawing.draw(generation->cells, pixels, ratio, modMain::DrawFlags(), Drawing::windowBackground());
}

bool BreedGrid::allDrawn() const
{
    return !m_images.empty() && m_drawn == static_cast<int>(m_images.size());
}

int BreedGrid::cellSide() const
{
    const Generation* generation = shown();
    const int count = generation ? generation->side() : 1;
    return std::max(1, (std::min(width(), height()) - CellGap * (count + 1)) / count);
}

QRect BreedGrid::cellRect(int cell) const
{
    const Generation* generation = shown();
    if (!generation)
        return {};
    const int count = generation->side();
    const int side = cellSide();
    const int whole = count * side + (count + 1) * CellGap;
    const QPoint origin((width() - whole) / 2 + CellGap, (height() - whole) / 2 + CellGap);
    return { origin + QPoint((cell % count) * (side + CellGap), (cell / count) * (side + CellGap)), QSize(side, side) };
}

int BreedGrid::cellAt(QPoint point) const
{
    const Generation* generation = shown();
    for (int cell = 0; generation && cell < generation->cellCount(); ++cell)
        if (cellRect(cell).contains(point))
            return cell;
    return -1;
}

void BreedGrid::setFocusCell(int cell)
{
    Generation* generation = shown();
    if (!generation || cell < 0 || cell >= generation->cellCount())
        return;
    update(cellRect(generation->focus).adjusted(-CellGap, -CellGap, CellGap, CellGap));
    generation->focus = cell;
    update(cellRect(cell).adjusted(-CellGap, -CellGap, CellGap, CellGap));
    describe();
}

void BreedGrid::describe()
{
    const Generation* generation = shown();
    if (!generation) {
        setAccessibleDescription(QString());
        return;
    }
    setAccessibleDescription(QStringLiteral("Generation %1 of %2, %3 cells: %4 focused, %5 selected. %6")
                                 .arg(m_generations.shownIndex() + 1)
                                 .arg(m_generations.count())
                                 .arg(generation->cellCount())
                                 .arg(cellList({ generation->focus }), cellList(generation->selection),
                                     generation->describe(generation->focus)));
}

bool BreedGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), shown()->describe(cell), this, cellRect(cell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void BreedGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    const Generation* generation = shown();
    for (int cell = 0; generation && cell < generation->cellCount(); ++cell)
        if (event->rect().intersects(cellRect(cell).adjusted(-CellGap, -CellGap, CellGap, CellGap)))
            paintCell(painter, *generation, cell);
}

void BreedGrid::paintCell(QPainter& painter, const Generation& generation, int cell)
{
    const QRect rect = cellRect(cell);
    const QImage& image = m_images[static_cast<std::size_t>(cell)];
    if (image.isNull())
        painter.fillRect(rect, Drawing::windowBackground());
    else
        // Until the drawing for a new size comes, the last one stretches.
        painter.drawImage(rect, image);
    if (generation.isParent(cell)) {
        // Parents keep a band of their own along the top.
        const QString text = QStringLiteral("Parent");
        const QRect band(rect.left(), rect.top(), rect.width(), painter.fontMetrics().height() + 4);
        painter.fillRect(band, palette().color(QPalette::ToolTipBase));
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawText(band.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, text);
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect.adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignLeft, QString::number(cell + 1));
    if (generation.isSelected(cell)) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), SelectionWidth));
        painter.setBrush(Qt::NoBrush);
        const int outside = SelectionWidth / 2 + 1;
        painter.drawRect(rect.adjusted(-outside, -outside, outside - 1, outside - 1));
    }
    if (cell == generation.focus) {
        const QColor colour = hasFocus() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid);
        painter.setPen(QPen(colour, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(3, 3, -4, -4));
    }
}

void BreedGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (shown())
        m_resized.start();
}

void BreedGrid::keyPressEvent(QKeyEvent* event)
{
    Generation* generation = shown();
    // Shift and the keypad change nothing here; other modifiers belong to shortcuts.
    if (!generation || (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int count = generation->side();
    const int focus = generation->focus;
    const int column = focus % count;
    switch (event->key()) {
    case Qt::Key_Left:
        setFocusCell(column > 0 ? focus - 1 : focus);
        return;
    case Qt::Key_Right:
        setFocusCell(column < count - 1 ? focus + 1 : focus);
        return;
    case Qt::Key_Up:
        setFocusCell(focus >= count ? focus - count : focus);
        return;
    case Qt::Key_Down:
        setFocusCell(focus + count < generation->cellCount() ? focus + count : focus);
        return;
    case Qt::Key_Space:
        generation->setSelected(focus, !generation->isSelected(focus));
        setFocusCell(focus);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen();
        return;
    default:
        break;
    }
    const int digit = event->key() - Qt::Key_1;
    if (digit < 0 || digit >= 9 || digit >= generation->cellCount()) {
        QWidget::keyPressEvent(event);
        return;
    }
    generation->setSelected(digit, true);
    setFocusCell(digit);
}

void BreedGrid::mousePressEvent(QMouseEvent* event)
{
    Generation* generation = shown();
    const int cell = cellAt(event->position().toPoint());
    m_pressed = cell;
    if (!generation || cell < 0 || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_drag.press(*event);
    if (event->modifiers() & Qt::ControlModifier) {
        generation->setSelected(cell, !generation->isSelected(cell));
    } else {
        generation->selection = { cell };
        update();
    }
    setFocusCell(cell);
}

void BreedGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed >= 0 && m_drag.starts(*event))
        emit dragStarted(m_pressed);
}

void BreedGrid::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = -1;
    QWidget::mouseReleaseEvent(event);
}

void BreedGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0 || event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    setFocusCell(cell);
    emit chosen();
}

void BreedGrid::contextMenuEvent(QContextMenuEvent* event)
{
    const int cell = cellAt(event->pos());
    if (cell < 0)
        return;
    setFocusCell(cell);
    emit cellMenuRequested(event->globalPos());
}

void BreedGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (const Generation* generation = shown())
        update(cellRect(generation->focus));
}

void BreedGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (const Generation* generation = shown())
        update(cellRect(generation->focus));
}
