#pragma once
// Sets one trait of one gene: a typed value, a switch, or steps of the wheel, which merge on one cell.

#include "core/editing/CodeCommand.h"
#include "core/editing/TraitColumn.h"

class SetTraitCommand final : public CodeCommand {
public:
    // changed: the gene with its trait set. A step merges with the steps on the same cell pushed right after it.
    SetTraitCommand(GeneEdits& edits, int gene, TraitColumn column, const clsGene& changed, bool step);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    int m_gene;
    TraitColumn m_column;
    bool m_step;
};
