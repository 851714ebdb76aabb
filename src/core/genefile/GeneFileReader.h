#pragma once
// Reads a genetic code file into a genetic code, every trait subject to mutation.

#include "core/genetics/GeneticCode.h"

#include <QString>

#include <functional>

class RandomSource;

namespace GeneFileReader {

// The gene of a number from 0 to 11 that a trait read goes into; asked only when a trait is stored.
using GeneAt = std::function<clsGene&(qint16 gene)>;

// Reads the file name, each trait subject to the mutation test at mutationRate with r drawn from random
// (reseeded once a record); a mutated trait takes its gene's random value, drawn from random, instead of its
// line. Records the file lacks leave their genes as they were. Gives false, changing nothing, when name is no
// regular file. Errors name the file, the line and the trait; the traits stored before stay stored.
bool Read(const GeneAt& geneAt, const QString& name, double mutationRate, RandomSource& random);
bool Read(GeneticCode& code, const QString& name, double mutationRate, RandomSource& random);

} // namespace GeneFileReader
