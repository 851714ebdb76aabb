#pragma once
// A picture's genetic code as the genes editor changes it, every change one undoable step.
//
// The picture's own code is kept to go back to; the picture itself never changes.

#include "core/editing/TraitColumn.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>

class CodeCommand;
class RandomSource;

class GeneEdits final : public QObject {
    Q_OBJECT

public:
    explicit GeneEdits(const GeneticCode& original, QObject* parent = nullptr);

    const GeneticCode& code() const { return m_code; }
    const GeneticCode& original() const { return m_original; }
    // Whether the code differs from the picture's own.
    bool edited() const;
    QUndoStack& steps() { return m_steps; }

    // Each is one undoable step, and none when it changes nothing; gene is 0 .. 11.
    //
    // Typed text taken into a cell. Gives why it is refused, changing nothing, or nothing when it is taken:
    // "Gene 3: Length takes a whole number from -32768 to 32767, not "99999"; the cell keeps 120."
    QString type(int gene, TraitColumn column, const QString& text);
    void setSwitch(int gene, TraitColumn column, bool on);
    // Steps of the wheel or a spin box on one cell: steps on the same cell that follow one another are one step.
    void step(int gene, TraitColumn column, int steps);
    // Red, green and blue as one change.
    void setColour(int gene, const QColor& colour);
    // The gene's random traits, as breeding's mutation makes them, drawn from random.
    void randomize(int gene, RandomSource& random);
    void paste(int gene, const clsGene& pasted);
    // Back to the picture's own code.
    void revert();

    // For the commands: puts code in place and says so.
    void apply(const GeneticCode& code);

signals:
    void changed();

private:
    void push(std::unique_ptr<CodeCommand> command);

    GeneticCode m_original;
    GeneticCode m_code;
    QUndoStack m_steps;
};
