#pragma once
// The program-wide mutation rate.

namespace modGenes {

extern double MutationRate;

// MutationRate = 0.
void InitGenes();

// Takes the mutation-rate box's value when it is numeric; otherwise keeps MutationRate.
void ReadMutationRate();

} // namespace modGenes
