#include "core/editing/GeneEdits.h"

#include "core/editing/PasteGeneCommand.h"
#include "core/editing/RandomizeGeneCommand.h"
#include "core/editing/RevertCommand.h"
#include "core/editing/SetColourCommand.h"
#include "core/editing/SetTraitCommand.h"
#include "core/platform/Conversions.h"

GeneEdits::GeneEdits(const GeneticCode& original, QObject* parent)
    : QObject(parent)
    , m_original(original)
    , m_code(original)
{
}

bool GeneEdits::edited() const
{
    return !sameTraits(m_code, m_original);
}

QString GeneEdits::type(int gene, TraitColumn column, const QString& text)
{
    const clsGene& before = m_code.at(static_cast<std::size_t>(gene));
    const TraitColumns::Entry entry = TraitColumns::read(before, column, text);
    if (!entry.gene)
        return QStringLiteral("Gene %1: %2; the cell keeps %3.")
            .arg(QString::number(gene), entry.refusal,
                TraitColumns::isSwitch(column) ? Conv::boolText(TraitColumns::isOn(before, column))
                                               : TraitColumns::text(before, column));
    push(std::make_unique<SetTraitCommand>(*this, gene, column, *entry.gene, false));
    return {};
}

void GeneEdits::setSwitch(int gene, TraitColumn column, bool on)
{
    push(std::make_unique<SetTraitCommand>(
        *this, gene, column, TraitColumns::withSwitch(m_code.at(static_cast<std::size_t>(gene)), column, on), false));
}

void GeneEdits::step(int gene, TraitColumn column, int steps)
{
    push(std::make_unique<SetTraitCommand>(
        *this, gene, column, TraitColumns::stepped(m_code.at(static_cast<std::size_t>(gene)), column, steps), true));
}

void GeneEdits::setColour(int gene, const QColor& colour)
{
    push(std::make_unique<SetColourCommand>(*this, gene, colour));
}

void GeneEdits::randomize(int gene, RandomSource& random)
{
    push(std::make_unique<RandomizeGeneCommand>(*this, gene, random));
}

void GeneEdits::paste(int gene, const clsGene& pasted)
{
    push(std::make_unique<PasteGeneCommand>(*this, gene, pasted));
}

void GeneEdits::revert()
{
    push(std::make_unique<RevertCommand>(*this));
}

void GeneEdits::apply(const GeneticCode& code)
{
    m_code = code;
    emit changed();
}

void GeneEdits::push(std::unique_ptr<CodeCommand> command)
{
    if (sameTraits(command->after(), m_code))
        return;
    // The stack owns its commands.
    m_steps.push(command.release());
}
