#pragma once
// Gives a file another name in its file system, never taking the name of a file that is there.

#include <QString>

namespace Files {

// Fails with the system's reason, naming to, when to is taken or the rename cannot be made.
void renameWithoutReplacing(const QString& from, const QString& to);

} // namespace Files
