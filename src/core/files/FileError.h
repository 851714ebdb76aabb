#pragma once
// Turns a failed file operation into the run-time error that names the file.

#include "core/platform/RuntimeError.h"

#include <QString>

namespace Files {

// "in "tree.gen"": the file as the user typed it.
QString inFile(const QString& fileName);

// The error for errno value errorNumber: 61 disk full, 70 permission denied, 76 path not
// found, 75 any other; its text is the system's message.
RuntimeError fileError(int errorNumber, const QString& fileName);

} // namespace Files
