#include "core/editing/SetTraitCommand.h"

#include "core/editing/GeneEdits.h"

namespace {

// QUndoStack tries to merge only commands of one id; steps are the only ones that merge.
constexpr int TraitStepId = 1;

} // namespace

SetTraitCommand::SetTraitCommand(GeneEdits& edits, int gene, TraitColumn column, const clsGene& changed, bool step)
    : CodeCommand(edits, withGene(edits, gene, changed),
        QStringLiteral("Set %1 of Gene %2").arg(TraitColumns::caption(column)).arg(gene))
    , m_gene(gene)
    , m_column(column)
    , m_step(step)
{
}

int SetTraitCommand::id() const
{
    return m_step ? TraitStepId : -1;
}

bool SetTraitCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const SetTraitCommand*>(other);
    if (!next || !next->m_step || next->m_gene != m_gene || next->m_column != m_column)
        return false;
    mergeAfter(next->after());
    return true;
}
