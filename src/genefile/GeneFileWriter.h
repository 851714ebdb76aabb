#pragma once
// Writes a genetic code as a genetic code file of 108 lines, replacing the file whole or not at all.

#include <QByteArray>
#include <QString>

class clsGenSeq;

namespace GeneFileWriter {

// The file's bytes: twelve records of nine CR LF lines.
QByteArray Contents(clsGenSeq& genSeq);
void Save(clsGenSeq& genSeq, const QString& fileName);

} // namespace GeneFileWriter
