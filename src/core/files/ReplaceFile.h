#pragma once
// Replaces a file's contents whole or not at all: written beside it, then renamed over it.

#include <QByteArray>
#include <QString>

namespace Files {

// Writes contents as the file name. A symbolic link keeps pointing at the file it leads
// to, which takes the new contents; an existing file keeps its permissions. A name that is
// a folder, device, FIFO or socket is refused and nothing is written. On any failure the
// file that was there is unchanged and no other file is left behind; the error names the
// file as given and carries the system's reason.
void replaceFile(const QString& name, const QByteArray& contents);

} // namespace Files
