#include "ui/windows/DragGesture.h"

#include <QApplication>
#include <QMouseEvent>

void DragGesture::press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        m_pressedAt = event.position().toPoint();
}

bool DragGesture::starts(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton) || !m_pressedAt
        || (event.position().toPoint() - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return false;
    m_pressedAt.reset();
    return true;
}
