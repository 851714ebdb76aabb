#pragma once
// Writes a genetic code as a genetic code file of 108 lines, replacing the file whole or not at all.

#include <QString>

class clsGenSeq;

namespace GeneFileWriter {

void Save(clsGenSeq& genSeq, const QString& fileName);

} // namespace GeneFileWriter
