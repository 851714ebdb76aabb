#pragma once
// Gives one gene all its traits at random, as breeding's mutation makes them.

#include "core/editing/CodeCommand.h"

class RandomSource;

class RandomizeGeneCommand final : public CodeCommand {
public:
    // The traits are drawn from random when the command is made; undo and redo put back the same ones.
    RandomizeGeneCommand(GeneEdits& edits, int gene, RandomSource& random);
};
