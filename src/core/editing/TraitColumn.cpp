#include "core/editing/TraitColumn.h"

#include "core/platform/Conversions.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace TraitColumns {

namespace {

constexpr std::array<TraitColumn, Count> ColumnOrder { TraitColumn::Length, TraitColumn::Width, TraitColumn::Angle,
    TraitColumn::Red, TraitColumn::Green, TraitColumn::Blue, TraitColumn::Done, TraitColumn::Draw };

// The trait a typed integer column holds; null for the angle and the switches.
template <typename Gene> auto integerTrait(Gene& gene, TraitColumn column) -> decltype(&gene.Length)
{
    switch (column) {
    case TraitColumn::Length:
        return &gene.Length;
    case TraitColumn::Width:
        return &gene.Width;
    case TraitColumn::Red:
        return &gene.ColorRed;
    case TraitColumn::Green:
        return &gene.ColorGreen;
    case TraitColumn::Blue:
        return &gene.ColorBlue;
    default:
        return nullptr;
    }
}

// The typed text as a refusal quotes it: on one line, long text cut short.
QString quotedEntry(const QString& typed)
{
    constexpr qsizetype longest = 40;
    QString shown = typed.simplified();
    if (shown.size() > longest)
        shown = shown.left(longest) + QChar(0x2026);
    return shown.isEmpty() && typed.isEmpty() ? QStringLiteral("an empty cell") : u'"' + shown + u'"';
}

} // namespace

TraitColumn at(int index)
{
    return ColumnOrder.at(static_cast<std::size_t>(index));
}

QString caption(TraitColumn column)
{
    static const std::array<QString, Count> captions { QStringLiteral("Length"), QStringLiteral("Width"),
        QStringLiteral("Angle"), QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue"),
        QStringLiteral("Done"), QStringLiteral("Draw") };
    return captions.at(static_cast<std::size_t>(column));
}

bool isSwitch(TraitColumn column)
{
    return column == TraitColumn::Done || column == TraitColumn::Draw;
}

double degreesOf(double radians)
{
    return radians * (180.0 / std::numbers::pi);
}

double radiansOf(double degrees)
{
    return degrees * (std::numbers::pi / 180.0);
}

QString text(const clsGene& gene, TraitColumn column)
{
    if (column == TraitColumn::Angle) {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(degreesOf(gene.Angle), 'g', 7);
    }
    const qint16* trait = integerTrait(gene, column);
    return trait ? Conv::plain(*trait) : QString();
}

bool isOn(const clsGene& gene, TraitColumn column)
{
    return column == TraitColumn::Done ? gene.Done : column == TraitColumn::Draw && gene.Draw;
}

Entry read(const clsGene& gene, TraitColumn column, const QString& typed)
{
    if (isSwitch(column))
        return { std::nullopt, caption(column) + QStringLiteral(" is switched on or off, not typed") };
    if (typed.trimmed() == text(gene, column))
        return { gene, {} };
    const std::optional<double> number = Conv::parseNumber(typed);
    if (column == TraitColumn::Angle) {
        if (!number)
            return { std::nullopt, QStringLiteral("Angle takes a number of degrees, not %1").arg(quotedEntry(typed)) };
        clsGene turned = gene;
        turned.Angle = radiansOf(*number);
        return { turned, {} };
    }
    if (!number || *number != std::floor(*number) || *number < -32768.0 || *number > 32767.0)
        return { std::nullopt,
            QStringLiteral("%1 takes a whole number from -32768 to 32767, not %2")
                .arg(caption(column), quotedEntry(typed)) };
    return { withInteger(gene, column, static_cast<qint16>(*number)), {} };
}

clsGene withInteger(clsGene gene, TraitColumn column, qint16 value)
{
    if (qint16* trait = integerTrait(gene, column))
        *trait = value;
    return gene;
}

clsGene withSwitch(clsGene gene, TraitColumn column, bool on)
{
    if (column == TraitColumn::Done)
        gene.Done = on;
    else if (column == TraitColumn::Draw)
        gene.Draw = on;
    return gene;
}

clsGene stepped(clsGene gene, TraitColumn column, int steps)
{
    if (column == TraitColumn::Angle) {
        gene.Angle += radiansOf(steps);
    } else if (qint16* trait = integerTrait(gene, column)) {
        *trait = static_cast<qint16>(std::clamp<qint64>(qint64 { *trait } + steps, -32768, 32767));
    }
    return gene;
}

} // namespace TraitColumns
