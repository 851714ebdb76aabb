#pragma once
// Replaces a file's contents whole or not at all: written beside it, then renamed over it; or makes a new file so,
// never over one that is there.

#include <QByteArray>
#include <QString>

namespace Files {

// Who may read and write the file: as the umask allows a new file, an existing one keeping its permissions; or its
// owner alone, whatever the file it replaces allowed.
enum class FileAccess { AsBefore, OwnerOnly };

// Writes contents as the file name. A symbolic link keeps pointing at the file it leads
// to, which takes the new contents. A name that is a folder, device, FIFO or socket is
// refused and nothing is written. On any failure the file that was there is unchanged and
// no other file is left behind; the error names the file as given and carries the
// system's reason.
void replaceFile(const QString& name, const QByteArray& contents, FileAccess access = FileAccess::AsBefore);

// Writes contents as the new file name, as replaceFile does; false, with nothing written, when name is taken.
bool createFile(const QString& name, const QByteArray& contents);

} // namespace Files
