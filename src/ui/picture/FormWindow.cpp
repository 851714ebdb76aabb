#include "ui/picture/FormWindow.h"

#include <QCheckBox>
#include <QLineEdit>

FormWindow::FormWindow(RunCommands commands)
    : m_commands(std::move(commands))
{
    loaded();
}

FormWindow::~FormWindow()
{
    if (m_form)
        m_form->deleteLater();
}

frmObject& FormWindow::loaded()
{
    if (!m_form) {
        m_form = new frmObject(m_commands);
        // Closing the window, by Done or by its frame, releases it; the picture lives on.
        m_form->setAttribute(Qt::WA_DeleteOnClose);
        connectEvents();
    }
    return *m_form;
}

void FormWindow::connectEvents()
{
    // Copies: a closing window may outlive this object.
    if (m_events.closed)
        QObject::connect(m_form, &frmObject::closed, m_form, m_events.closed);
    if (m_events.saved)
        QObject::connect(m_form, &frmObject::saved, m_form, m_events.saved);
}

void FormWindow::SetPersistentDrawing(bool)
{
    // The drawing always lives in an image behind picDraw, so it survives covering and resizing.
}

void FormWindow::Show()
{
    loaded().show();
}

void FormWindow::SetTag(const QString& tag)
{
    loaded().Tag = tag;
}

QString FormWindow::Tag() const
{
    return m_form ? m_form->Tag : QString();
}

void FormWindow::SetCaption(const QString& caption)
{
    loaded().setWindowTitle(caption);
}

void FormWindow::SetName(const QString& name)
{
    loaded().txtName->setText(name);
}

bool FormWindow::IsParentTicked() const
{
    return m_form && m_form->cbxParent->isChecked();
}

DrawingSurface& FormWindow::Surface()
{
    return loaded().drawingSurface();
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
    loaded().move(topLeft);
}

void FormWindow::SetEvents(Events events)
{
    m_events = std::move(events);
    if (m_form)
        connectEvents();
}

void installPictureWindows(const RunCommands& commands)
{
    PictureWindow::SetFactory([commands] { return std::make_unique<FormWindow>(commands); });
}
