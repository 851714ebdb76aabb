#include "ui/windows/TextCopyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

TextCopyFilter::TextCopyFilter(QLineEdit* box)
    : QObject(box)
    , m_box(box)
{
    box->installEventFilter(this);
}

bool TextCopyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::ShortcutOverride && !m_box->hasSelectedText()
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // Not claimed by the box: the shortcut goes to the window.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
