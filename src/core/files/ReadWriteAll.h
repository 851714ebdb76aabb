#pragma once
// Reads and writes whole runs of bytes on a descriptor, again after each interruption by a signal.

#include <QByteArray>

#include <optional>

namespace Files {

// Reads fd from where it stands to its end, at most limit bytes. Nothing, with errno set, when a read fails.
std::optional<QByteArray> readAll(int fd, qsizetype limit);

// Writes all of bytes to fd. False, with errno set, when a write fails; ENOSPC when one writes nothing.
bool writeAll(int fd, const QByteArray& bytes);

} // namespace Files
