#pragma once
// Reads a genetic code file into a genetic code, every trait subject to mutation.

#include <QString>

class clsGenSeq;

namespace GeneFileReader {

// clsGenSeq::Load: refreshes the mutation rate; a name that is no regular file changes nothing.
void Load(clsGenSeq& genSeq, const QString& tvName);

} // namespace GeneFileReader
