#include "ui/dialogs/DialogWindow.h"

#include "core/platform/Twips.h"
#include "ui/dialogs/PictureBox.h"

#include <QLabel>
#include <QPushButton>

DialogWindow::DialogWindow(const QString& caption, int widthTwips, int heightTwips, bool fixedSize)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    const QSize client(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    if (fixedSize)
        setFixedSize(client);
    else
        resize(client);
}

void DialogWindow::reject()
{
    hide();
}

QLabel* DialogWindow::addLabel(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(Twips::toPixels(left, top, width, height));
    return label;
}

QPushButton* DialogWindow::addButton(const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefault(true);
    button->setGeometry(Twips::toPixels(left, top, width, height));
    return button;
}

PictureBox* DialogWindow::addPictureBox(
    const char* name, const QString& shows, const QImage& image, int left, int top, int width, int height)
{
    auto* box = new PictureBox(image, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(shows);
    box->setGeometry(Twips::toPixels(left, top, width, height));
    return box;
}

void DialogWindow::setTabChain(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}
