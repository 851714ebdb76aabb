#pragma once
// The files a drag brings: what a window that opens genetic code files takes from a drop.

#include <QStringList>

#include <functional>

class QDropEvent;
class QWidget;

namespace DroppedFiles {

// Takes a drag that brings files, and only such a drag: for a window's drag enter and move events.
void acceptIfFiles(QDropEvent* event);
// The local files the drop brings, in their order, the drop taken; none, and the drop left alone, when it brings
// none.
QStringList take(QDropEvent* event);

// Has target take drags that bring files, and only those, and open the files dropped on it through the guard; its
// children that take no drops of their own pass theirs on to it.
void openOn(QWidget* target, std::function<void(const QStringList& fileNames)> open);

} // namespace DroppedFiles
