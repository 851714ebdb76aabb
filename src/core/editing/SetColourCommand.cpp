#include "core/editing/SetColourCommand.h"

namespace {

clsGene coloured(clsGene gene, const QColor& colour)
{
    gene.ColorRed = static_cast<qint16>(colour.red());
    gene.ColorGreen = static_cast<qint16>(colour.green());
    gene.ColorBlue = static_cast<qint16>(colour.blue());
    return gene;
}

} // namespace

SetColourCommand::SetColourCommand(GeneEdits& edits, int gene, const QColor& colour)
    : CodeCommand(edits, withGene(edits, gene, coloured(geneOf(edits, gene), colour)),
        QStringLiteral("Set Colour of Gene %1").arg(gene))
{
}
