// Breeding with Mutate and frozen genes against the plain breeding, from the same seeded source: the traits left free
// come out draw for draw as there, and the others never mutate.

#include "core/breeding/Offspring.h"

#include "core/genetics/TraitOrder.h"
#include "core/platform/RandomSource.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

// Values no mutation gives, so a trait equal to a parent's came from that parent.
GeneticCode outOfRangeParent(int parent)
{
    GeneticCode code;
    for (int i = 0; i < GeneCount; ++i)
        code[static_cast<std::size_t>(i)] = { static_cast<qint16>(2000 + 100 * parent + i),
            static_cast<qint16>(100 + parent), 10.0 + parent + 0.01 * i, static_cast<qint16>(300 + parent),
            static_cast<qint16>(400 + parent), static_cast<qint16>(500 + parent), true, true };
    return code;
}

// trait of gene i in a equals that of b.
bool sameTrait(const clsGene& a, const clsGene& b, const Trait& trait)
{
    clsGene probe = a;
    trait.inherit(probe, b);
    return sameTraits(probe, a);
}

struct MutateCase {
    const char* name;
    double rate;
    int parents;
    MutateChoice mutate;
    std::vector<int> frozen;
};

class OffspringTest : public testing::TestWithParam<MutateCase> { };

TEST_P(OffspringTest, FreeTraitsAreThePlainBreedingsAndTheOthersAParentsCopy)
{
    const MutateCase& c = GetParam();
    std::vector<Offspring::Parent> parents;
    std::vector<GeneticCode> codes;
    for (int p = 0; p < c.parents; ++p) {
        codes.push_back(outOfRangeParent(p));
        parents.push_back({ codes.back(), static_cast<qint16>(p), {} });
    }
    BreedOptions options { c.rate, c.mutate, {}, false };
    for (const int gene : c.frozen)
        options.frozen[static_cast<std::size_t>(gene)] = true;
    SeededRandomSource windowRandom(42);
    SeededRandomSource plainRandom(42);

    const Generation generation = Offspring::breed(parents, options, 4, {}, windowRandom);

    ASSERT_EQ(generation.cellCount(), 16);
    const Breeding::MutableTraits free = options.mutableTraits();
    for (int cell = 0; cell < 16; ++cell) {
        const GeneticCode& child = generation.cells[static_cast<std::size_t>(cell)];
        if (cell < c.parents) {
            EXPECT_TRUE(sameTraits(child, codes[static_cast<std::size_t>(cell)])) << "parent " << cell;
            continue;
        }
        const GeneticCode plain = Breeding::breed(c.rate, plainRandom, codes);
        for (std::size_t i = 0; i < child.size(); ++i)
            for (std::size_t t = 0; t < TraitOrder.size(); ++t) {
                const Trait& trait = TraitOrder[t];
                if (codes.empty() || ((free[i] >> t) & 1U) != 0) {
                    EXPECT_TRUE(sameTrait(child[i], plain[i], trait)) << cell << ' ' << i << ' ' << trait.name;
                    continue;
                }
                const bool fromAParent = std::any_of(codes.cbegin(), codes.cend(),
                    [&](const GeneticCode& parent) { return sameTrait(child[i], parent[i], trait); });
                EXPECT_TRUE(fromAParent) << cell << ' ' << i << ' ' << trait.name;
            }
    }
    // Draw for draw: both sources stand at the same place.
    EXPECT_EQ(windowRandom.next(), plainRandom.next());
}

INSTANTIATE_TEST_SUITE_P(Cases, OffspringTest,
    testing::Values(MutateCase { "EverythingIsThePlainBreeding", 0.3, 2, MutateChoice::Everything, {} },
        MutateCase { "ShapeOnly", 0.5, 3, MutateChoice::ShapeOnly, {} },
        MutateCase { "ColourOnly", 0.5, 1, MutateChoice::ColourOnly, {} },
        MutateCase { "FrozenGenes", 0.4, 2, MutateChoice::Everything, { 0, 5, 11 } },
        MutateCase { "ShapeOnlyAtRateOne", 1.0, 2, MutateChoice::ShapeOnly, { 3 } },
        MutateCase { "ColourOnlyAboveRateOne", 1.5, 3, MutateChoice::ColourOnly, {} },
        MutateCase { "EveryGeneFrozen", 0.9, 2, MutateChoice::Everything, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
        MutateCase { "NoParentIsRandomWhateverIsLeftOut", 0.2, 0, MutateChoice::ShapeOnly, { 1, 2 } }),
    CaseNames::testName);

} // namespace
