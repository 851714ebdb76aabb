#pragma once
// Where benchmarks write their files: in memory where there is a memory file system, as a disk shared with other
// work would time itself (every file is flushed as it is saved) and give other times each run.

#include <QString>

// A QTemporaryDir template for a folder named after name.
QString memoryFolderTemplate(const QString& name);
