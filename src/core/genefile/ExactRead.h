#pragma once
// Reads a genetic code file exactly as saved: the program's own reader at mutation rate 0.

#include "core/genetics/GeneticCode.h"

#include <QString>

namespace ExactRead {

// Far beyond any genetic code file, 108 lines of at most 4096 characters: a bigger one is refused rather than read
// whole.
inline constexpr qint64 MaxFileBytes = 1024 * 1024;

// Safe on any thread. A name that is no regular file fails with the reason (no such file, a folder,
// not a regular file); a bad file fails with the reader's error naming its line and trait.
GeneticCode read(const QString& name);

} // namespace ExactRead
