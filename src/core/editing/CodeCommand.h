#pragma once
// One change of the edited genetic code as an undoable step.
//
// It keeps the code before and after it and puts either back whole, so that nothing is ever half undone.

#include "core/genetics/GeneticCode.h"

#include <QString>
#include <QUndoCommand>

class GeneEdits;

class CodeCommand : public QUndoCommand {
public:
    // The change from the edits' code now to after, named text in the Undo and Redo actions.
    CodeCommand(GeneEdits& edits, const GeneticCode& after, const QString& text);

    void undo() override;
    void redo() override;

    const GeneticCode& after() const { return m_after; }

protected:
    // The edits' code now with gene (0 .. 11) replaced by changed.
    static GeneticCode withGene(const GeneEdits& edits, int gene, const clsGene& changed);
    static const clsGene& geneOf(const GeneEdits& edits, int gene);

    // A later change merged into this one; when it leads back to the code before, the step has no more use.
    void mergeAfter(const GeneticCode& after);

private:
    GeneEdits& m_edits;
    GeneticCode m_before;
    GeneticCode m_after;
};
