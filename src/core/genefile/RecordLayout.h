#pragma once
// The lines of one gene's record in a genetic code file, shared by the reader and the writer.

#include <QString>

#include <array>

class clsGene;
struct Trait;

namespace GeneFile {

// One trait's line: which trait, and how it is written and read back.
struct TraitLine {
    const Trait* trait;
    QString (*text)(const clsGene& gene);
    // Fails with the conversion's type-mismatch or overflow error.
    void (*store)(clsGene& gene, const QString& text);
};

// The traits in TraitOrder (Angle, ColorBlue, ColorGreen, ColorRed, Done, Draw, Length, Width);
// then an empty line.
extern const std::array<TraitLine, 8> RecordTraits;
constexpr int LinesPerRecord = 9;

} // namespace GeneFile
