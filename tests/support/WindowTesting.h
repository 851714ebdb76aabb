#pragma once
// Helpers for window tests: finding top-level windows and clearing away those a test left behind.

#include "ui/dialogs/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace WindowTesting {

// Runs the deletions that closing windows asked for, as the event loop would.
inline void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every top-level window with this caption, shown or hidden.
inline QList<QWidget*> windowsTitled(const QString& caption)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == caption)
            found.append(window);
    }
    return found;
}

// Every top-level window of this class, shown or hidden.
template <typename Window> QList<Window*> windowsOf()
{
    QList<Window*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* typed = qobject_cast<Window*>(window))
            found.append(typed);
    }
    return found;
}

// The named controls in the order the keyboard focus chain visits them, starting from the first name.
inline QStringList focusChainOrder(const QWidget* window, const QStringList& names)
{
    QStringList visited;
    auto* const first = window->findChild<QWidget*>(names.value(0));
    if (!first)
        return visited;
    QWidget* current = first;
    do {
        if (names.contains(current->objectName()))
            visited.append(current->objectName());
        current = current->nextInFocusChain();
    } while (current != first);
    return visited;
}

// The dialogs destroyed and every other top-level window closed, as a fresh program has them.
inline void closeLeftoverWindows()
{
    Dialogs::DestroyAll();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    flushDeletions();
}

} // namespace WindowTesting
