#pragma once
// Puts a gene copied from a row of this editor or another in place of one gene.

#include "core/editing/CodeCommand.h"

class PasteGeneCommand final : public CodeCommand {
public:
    PasteGeneCommand(GeneEdits& edits, int gene, const clsGene& pasted);
};
