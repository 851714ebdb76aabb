#pragma once
// Reads a genetic code file into a genetic code, every trait subject to mutation.

#include <QString>

class clsGenSeq;
class RandomSource;

namespace GeneFileReader {

// Reads the file name into genSeq, each trait subject to the mutation test at mutationRate with r drawn
// from random (reseeded once a record); a mutated trait takes its gene's random value instead of its line.
// Gives false, changing nothing, when name is no regular file. Errors name the file, the line and the trait.
bool Read(clsGenSeq& genSeq, const QString& name, double mutationRate, RandomSource& random);

// clsGenSeq::Load: refreshes the mutation rate; a name that is no regular file changes nothing.
void Load(clsGenSeq& genSeq, const QString& tvName);

} // namespace GeneFileReader
