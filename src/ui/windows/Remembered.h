#pragma once
// Where windows and file dialogs start: the size and the folder the user last left them with.

#include <QDir>
#include <QString>

class QWidget;

namespace Remembered {

// Gives window the size it had when last shown under name (its own size the first time), and keeps each size it
// settles at from now on, and the one it has when hidden or closed.
void keepSize(QWidget* window, const QString& name);

// The folder the file dialog name last used, or fallback when it has none yet.
QString folder(const QString& name, const QString& fallback = QDir::currentPath());
// Keeps the folder of fileName as the one the file dialog name last used.
void keepFolder(const QString& name, const QString& fileName);
// Keeps folder itself as the one the folder dialog name last used.
void keepChosenFolder(const QString& name, const QString& folder);

} // namespace Remembered
