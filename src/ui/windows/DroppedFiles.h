#pragma once
// The files a drag brings: what a window that opens genetic code files takes from a drop.

#include <QStringList>

class QMimeData;

namespace DroppedFiles {

// The local files among data's URLs, in their order; none when it has no URLs.
QStringList of(const QMimeData* data);

} // namespace DroppedFiles
