#pragma once
// Copies genetic code files into an album's folder, never over a file that is there: a name that is taken gets a
// number, "tree (2).gen".

#include <QString>
#include <QStringList>

namespace CopyIn {

// Copies each file into folder; gives the reasons for those that could not be copied, naming them. Safe on any
// thread; a FIFO, a device or a folder is refused without waiting on it.
QStringList copy(const QStringList& files, const QString& folder);

} // namespace CopyIn
