#pragma once
// The files a drag brings: what a window that opens genetic code files takes from a drop.

#include <QStringList>

class QDropEvent;

namespace DroppedFiles {

// Takes a drag that brings files, and only such a drag: for a window's drag enter and move events.
void acceptIfFiles(QDropEvent* event);
// The local files the drop brings, in their order, the drop taken; none, and the drop left alone, when it brings
// none.
QStringList take(QDropEvent* event);

} // namespace DroppedFiles
