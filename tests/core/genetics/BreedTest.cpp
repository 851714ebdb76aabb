// Breeding as a pure function: the same rate, draws and parents give the same child, whatever the program holds.

#include "core/genetics/Breeding.h"
#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/ErrorNumber.h"
#include "support/RandomLog.h"
#include "support/ScriptedRandom.h"
#include "support/TestCodes.h"

#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

// Every gene as Random makes it from r = 0.25.
GeneticCode randomAtAQuarter()
{
    GeneticCode code;
    code.fill({ 250, 5, 0.5 * static_cast<double>(3.14159F), 64, 64, 64, false, false });
    return code;
}

// Length from the second parent, every other trait from the first.
GeneticCode lengthsOfTheSecond()
{
    GeneticCode code = testCode(1);
    for (std::size_t i = 0; i < code.size(); ++i)
        code[i].Length = testCode(2)[i].Length;
    return code;
}

struct BreedCase {
    const char* name;
    double rate;
    std::vector<GeneticCode> parents;
    // The draws of one gene, repeated for every gene; the rest give 0.25.
    std::vector<float> drawsPerGene;
    GeneticCode child;
    std::string log;
};

std::vector<float> everyGene(const std::vector<float>& perGene)
{
    std::vector<float> all;
    for (int gene = 0; gene < GeneCount; ++gene)
        all.insert(all.end(), perGene.begin(), perGene.end());
    return all;
}

const BreedCase breedCases[] = {
    { "NoParentIsRandom", 0.0, {}, {}, randomAtAQuarter(), wholeCodeRandom },
    { "RateOneIgnoresTheParents", 1.0, { testCode(1) }, {}, randomAtAQuarter(), wholeCodeRandom },
    { "RateZeroCopiesTheOneParent", 0.0, { testCode(1) }, {}, testCode(1), repeat("S" + repeat("DD", 8), 12) },
    { "EveryTraitMutatesBelowTheRate", 0.5, { testCode(1) }, {}, randomAtAQuarter(),
        repeat("S" + repeat("DSD", 8), 12) },
    { "EachTraitPicksItsOwnParent", 0.0, { testCode(1), testCode(2) },
        { 0, 0.49F, 0, 0.49F, 0, 0.49F, 0, 0.49F, 0, 0.49F, 0, 0.49F, 0, 0.5F, 0, 0.49F }, lengthsOfTheSecond(),
        repeat("S" + repeat("DD", 8), 12) },
};

class BreedTest : public testing::TestWithParam<BreedCase> { };

TEST_P(BreedTest, GivesTheChildItsDrawsAndParentsMake)
{
    const BreedCase& c = GetParam();
    ScriptedRandom random(everyGene(c.drawsPerGene), 0.25F);
    EXPECT_TRUE(sameTraits(Breeding::breed(c.rate, random, c.parents), c.child));
    EXPECT_EQ(random.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(Cases, BreedTest, testing::ValuesIn(breedCases), CaseNames::testName);

TEST(BreedRate, FarBelowSinglePrecisionOverflowsAtTheFirstTest)
{
    ScriptedRandom random({}, 0.5F);
    EXPECT_EQ(errorOf([&] { Breeding::breed(-1e39, random, { testCode(1) }); }), RuntimeError::Overflow);
    EXPECT_EQ(random.log, "SD");
}

} // namespace
