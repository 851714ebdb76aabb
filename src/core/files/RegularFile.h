#pragma once
// Which names are genetic code files: only regular files, never folders, devices, FIFOs or sockets.

#include "core/files/UniqueFd.h"

#include <QString>

namespace Files {

// True when name is a regular file or a symbolic link that leads to one; an empty name is no file.
bool isRegularFile(const QString& name);

// Opens name for reading without ever blocking, even when it was swapped for a FIFO after
// isRegularFile. Gives no descriptor when the name is not (or no longer) a regular file;
// fails with the file error when a regular file cannot be opened.
UniqueFd openRegularFileForReading(const QString& name);

} // namespace Files
