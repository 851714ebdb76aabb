#pragma once
// Telling and opening regular files, never folders, devices, FIFOs or sockets, through links or not.

#include "core/files/UniqueFd.h"

#include <QString>

namespace Files {

// Whether a symbolic link leads on to the file it points at, or is itself no regular file.
enum class Links { Follow, Refuse };

// True when name is a regular file, or with Follow a symbolic link that leads to one; an empty name is no file.
bool isRegularFile(const QString& name, Links links = Links::Follow);

// A regular file opened for reading, or why there is none.
struct OpenedFile {
    UniqueFd fd;
    // The file's size when it was opened.
    qint64 size = 0;
    // Without a descriptor: the system's error number, or 0 when name is another kind of file.
    int error = 0;
};

// Opens name for reading without ever blocking, even when it was swapped for a FIFO after isRegularFile, and
// keeps it only when it is a regular file. With Refuse, a symbolic link fails with ELOOP.
OpenedFile openRegular(const QString& name, Links links);

// The whole of the regular file name, a link followed, read without ever blocking. Fails with the file error naming it
// when it cannot be opened or read, and when it is no regular file or holds more than limit bytes.
QByteArray readRegularFile(const QString& name, qsizetype limit);

// As openRegular, following links, for a genetic code file: no descriptor when the name is not (or no longer) a
// regular file; fails with the file error when a regular file cannot be opened.
UniqueFd openRegularFileForReading(const QString& name);

} // namespace Files
