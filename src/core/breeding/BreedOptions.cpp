#include "core/breeding/BreedOptions.h"

#include "core/genetics/TraitOrder.h"

#include <string_view>

namespace {

std::uint8_t traitsOf(MutateChoice choice)
{
    if (choice == MutateChoice::Everything)
        return Breeding::AllTraits;
    std::uint8_t colours = 0;
    for (std::size_t trait = 0; trait < TraitOrder.size(); ++trait)
        if (std::string_view(TraitOrder[trait].name).starts_with("Color"))
            colours |= static_cast<std::uint8_t>(1U << trait);
    return choice == MutateChoice::ColourOnly ? colours : static_cast<std::uint8_t>(~colours);
}

} // namespace

Breeding::MutableTraits BreedOptions::mutableTraits() const
{
    Breeding::MutableTraits traits {};
    for (std::size_t gene = 0; gene < traits.size(); ++gene)
        traits[gene] = frozen[gene] ? 0 : traitsOf(mutate);
    return traits;
}

namespace MutateChoices {

QString nameOf(MutateChoice choice)
{
    switch (choice) {
    case MutateChoice::ShapeOnly:
        return QStringLiteral("shape");
    case MutateChoice::ColourOnly:
        return QStringLiteral("colour");
    case MutateChoice::Everything:
        break;
    }
    return QStringLiteral("everything");
}

std::optional<MutateChoice> named(const QString& name)
{
    for (const auto choice : { MutateChoice::Everything, MutateChoice::ShapeOnly, MutateChoice::ColourOnly })
        if (nameOf(choice) == name)
            return choice;
    return std::nullopt;
}

} // namespace MutateChoices
