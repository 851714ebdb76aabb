#pragma once
// The program-wide mutation rate.

namespace modGenes {

extern double MutationRate;

// MutationRate = 0.
void InitGenes();

// Takes the mutation-rate box's value when it is numeric; otherwise keeps MutationRate.
void ReadMutationRate();

// The mutation test shared by breeding and the file reader: the rate in single precision
// strictly greater than r. Error 6 when the rate lies beyond the single-precision range.
bool Mutates(float r);

} // namespace modGenes
