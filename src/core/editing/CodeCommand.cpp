#include "core/editing/CodeCommand.h"

#include "core/editing/GeneEdits.h"

CodeCommand::CodeCommand(GeneEdits& edits, const GeneticCode& after, const QString& text)
    : QUndoCommand(text)
    , m_edits(edits)
    , m_before(edits.code())
    , m_after(after)
{
}

void CodeCommand::undo()
{
    m_edits.apply(m_before);
}

void CodeCommand::redo()
{
    m_edits.apply(m_after);
}

void CodeCommand::mergeAfter(const GeneticCode& after)
{
    m_after = after;
    setObsolete(sameTraits(m_after, m_before));
}

GeneticCode CodeCommand::withGene(const GeneEdits& edits, int gene, const clsGene& changed)
{
    GeneticCode code = edits.code();
    code.at(static_cast<std::size_t>(gene)) = changed;
    return code;
}

const clsGene& CodeCommand::geneOf(const GeneEdits& edits, int gene)
{
    return edits.code().at(static_cast<std::size_t>(gene));
}
