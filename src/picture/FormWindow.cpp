#include "picture/FormWindow.h"

#include <QCheckBox>
#include <QLineEdit>

#include <stdexcept>

FormWindow::FormWindow()
    : m_form(new frmObject)
{
    // Closing the window, by Done or by its frame, releases it; the picture lives on.
    m_form->setAttribute(Qt::WA_DeleteOnClose);
}

FormWindow::~FormWindow()
{
    if (m_form)
        m_form->deleteLater();
}

void FormWindow::SetPersistentDrawing(bool)
{
    // The drawing always lives in an image behind picDraw, so it survives covering and resizing.
}

void FormWindow::Show()
{
    if (m_form)
        m_form->show();
}

void FormWindow::SetTag(const QString& tag)
{
    if (m_form)
        m_form->Tag = tag;
}

QString FormWindow::Tag() const
{
    return m_form ? m_form->Tag : QString();
}

void FormWindow::SetCaption(const QString& caption)
{
    if (m_form)
        m_form->setWindowTitle(caption);
}

void FormWindow::SetName(const QString& name)
{
    if (m_form)
        m_form->txtName->setText(name);
}

bool FormWindow::IsParentTicked() const
{
    return m_form && m_form->cbxParent->isChecked();
}

DrawingSurface& FormWindow::Surface()
{
    if (!m_form)
        throw std::logic_error("drawing on a picture window that was closed");
    return m_form->surface();
}

void FormWindow::Unload()
{
    if (m_form)
        m_form->close();
}

bool FormWindow::IsOpen() const
{
    return m_form && m_form->isVisible();
}

void FormWindow::Place(QPoint topLeft)
{
    if (m_form)
        m_form->move(topLeft);
}

void FormWindow::SetEvents(Events events)
{
    if (!m_form)
        return;
    if (events.closed)
        QObject::connect(m_form, &frmObject::closed, m_form, std::move(events.closed));
    if (events.saved)
        QObject::connect(m_form, &frmObject::saved, m_form, std::move(events.saved));
}

void installPictureWindows()
{
    PictureWindow::SetFactory([] { return std::make_unique<FormWindow>(); });
}
