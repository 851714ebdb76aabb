#pragma once
// Runs an event handler so that an error abandons that handler only: it is shown, and the program goes on.

#include "core/platform/RuntimeError.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <exception>
#include <utility>

namespace Guard {

// The message box naming the error: not blocking, application-modal, deleted when closed.
void ShowError(QWidget* parent, const QString& text);

// The text shown for an error that is not a RuntimeError.
QString UnexpectedErrorText(const QString& detail);

template <typename Handler> void run(QWidget* parent, Handler&& handler)
{
    // No exception may cross Qt's event loop, so every kind is stopped here.
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& error) {
        ShowError(parent, error.message());
    } catch (const std::exception& error) {
        ShowError(parent, UnexpectedErrorText(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        ShowError(parent, UnexpectedErrorText({}));
    }
}

// Connects a signal to a member handler of a window, run through the guard with that window as the box's parent.
template <typename Sender, typename Signal, typename Window>
QMetaObject::Connection connect(const Sender* sender, Signal signal, Window* window, void (Window::*handler)())
{
    return QObject::connect(sender, signal, window, [window, handler] { run(window, [&] { (window->*handler)(); }); });
}

} // namespace Guard
