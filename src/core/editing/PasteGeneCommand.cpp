#include "core/editing/PasteGeneCommand.h"

PasteGeneCommand::PasteGeneCommand(GeneEdits& edits, int gene, const clsGene& pasted)
    : CodeCommand(edits, withGene(edits, gene, pasted), QStringLiteral("Paste Gene %1").arg(gene))
{
}
