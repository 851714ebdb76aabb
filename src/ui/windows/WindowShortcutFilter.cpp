#include "ui/windows/WindowShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

WindowShortcutFilter::WindowShortcutFilter(QLineEdit* box)
    : QObject(box)
    , m_box(box)
{
    box->installEventFilter(this);
}

bool WindowShortcutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) && m_box->hasSelectedText())
        return false;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_box->window()->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Not claimed by the box: the shortcut goes to the window.
            event->ignore();
            return true;
        }
    }
    return false;
}
