#include "ui/dialogs/PictureBox.h"

#include <QMouseEvent>
#include <QPixmap>

PictureBox::PictureBox(const QImage& image, QWidget* parent)
    : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(image));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a left button let go over the box, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}
