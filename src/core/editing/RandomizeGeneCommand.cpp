#include "core/editing/RandomizeGeneCommand.h"

#include "core/genetics/clsGene.h"

namespace {

clsGene randomGene(RandomSource& random)
{
    clsGene gene;
    gene.Random(random);
    return gene;
}

} // namespace

RandomizeGeneCommand::RandomizeGeneCommand(GeneEdits& edits, int gene, RandomSource& random)
    : CodeCommand(edits, withGene(edits, gene, randomGene(random)), QStringLiteral("Randomize Gene %1").arg(gene))
{
}
