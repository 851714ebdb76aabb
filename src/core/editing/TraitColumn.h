#pragma once
// The genes editor's eight columns, one trait each: what a cell shows and how typed text is taken.
//
// Angle is shown and typed in degrees while the gene keeps radians; Done and Draw are switches, set on or off
// rather than typed.

#include "core/genetics/clsGene.h"

#include <QString>

#include <optional>

enum class TraitColumn { Length, Width, Angle, Red, Green, Blue, Done, Draw };

namespace TraitColumns {

inline constexpr int Count = 8;

// The column at index 0 .. 7, in the order shown.
TraitColumn at(int index);
// "Length", "Width", "Angle", "Red", "Green", "Blue", "Done", "Draw".
QString caption(TraitColumn column);
bool isSwitch(TraitColumn column);

double degreesOf(double radians);
double radiansOf(double degrees);

// What a cell of a trait that is typed shows: integers in plain form, the angle in degrees to seven significant
// digits, in the user's locale without group separators.
QString text(const clsGene& gene, TraitColumn column);
bool isOn(const clsGene& gene, TraitColumn column);

// Typed text taken into a copy of gene: integers from -32768 to 32767, finite angles in degrees. Text that shows
// the value the cell already has keeps the gene exactly as it is (the angle to the last bit).
struct Entry {
    // The gene as the text makes it; nothing when the text is refused.
    std::optional<clsGene> gene;
    // Why the text is refused, as the end of a sentence: "is not a whole number from -32768 to 32767".
    QString refusal;
};
Entry read(const clsGene& gene, TraitColumn column, const QString& typed);

// The gene with an integer column (Length, Width, Red, Green or Blue) set; any other stays as it is.
clsGene withInteger(clsGene gene, TraitColumn column, qint16 value);
// The gene with a switch column set.
clsGene withSwitch(clsGene gene, TraitColumn column, bool on);
// The gene with a typed trait moved by steps: integers by one each, held within -32768..32767, the angle by a
// degree each. A switch stays as it is.
clsGene stepped(clsGene gene, TraitColumn column, int steps);

} // namespace TraitColumns
