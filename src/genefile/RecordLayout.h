#pragma once
// The lines of one gene's record in a genetic code file, shared by the reader and the writer.

#include <QString>

#include <array>

class clsGene;
class clsGenSeq;

namespace GeneFile {

// One trait's line: how it is written, read back and randomised.
struct TraitLine {
    const char* name;
    QString (*text)(clsGenSeq& genSeq, qint16 gene);
    // Fails with the conversion's type-mismatch or overflow error.
    void (*store)(clsGenSeq& genSeq, qint16 gene, const QString& text);
    void (clsGene::*randomise)();
};

// Angle, ColorBlue, ColorGreen, ColorRed, Done, Draw, Length, Width; then an empty line.
extern const std::array<TraitLine, 8> RecordTraits;
constexpr int LinesPerRecord = 9;

} // namespace GeneFile
