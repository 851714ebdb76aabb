#pragma once
// What a generation of the Breed window is bred with: the rate, which traits may mutate, the genes frozen, and
// whether offspring that draw nothing are bred again.

#include "core/genetics/Breeding.h"

#include <QString>

#include <array>
#include <optional>

enum class MutateChoice {
    Everything,
    ShapeOnly, // Length, Width, Angle, Done, Draw
    ColourOnly, // ColorRed, ColorGreen, ColorBlue
};

// Cells in a row of the Breed window's grid.
inline constexpr int MinGridSide = 3;
inline constexpr int MaxGridSide = 6;
inline constexpr int DefaultGridSide = 4;

struct BreedOptions {
    static constexpr double DefaultRate = 0.10;

    double rate = DefaultRate;
    MutateChoice mutate = MutateChoice::Everything;
    // No trait of a frozen gene mutates.
    std::array<bool, GeneCount> frozen {};
    bool skipEmpty = true;

    Breeding::MutableTraits mutableTraits() const;

    friend bool operator==(const BreedOptions&, const BreedOptions&) = default;
};

namespace MutateChoices {

// "everything", "shape" or "colour", as the journal keeps them.
QString nameOf(MutateChoice choice);
std::optional<MutateChoice> named(const QString& name);

} // namespace MutateChoices
