#pragma once
// Writes a genetic code as a genetic code file of 108 lines, replacing the file whole or not at all.

#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QString>

namespace GeneFileWriter {

// The file's bytes: twelve records of nine CR LF lines.
QByteArray Contents(const GeneticCode& code);
void Save(const GeneticCode& code, const QString& fileName);

} // namespace GeneFileWriter
