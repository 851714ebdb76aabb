// Reading as a pure function of a file, a rate and a random source: nothing program-wide is read or drawn from.

#include "core/genefile/GeneFileReader.h"
#include "support/CaseNames.h"
#include "support/RandomLog.h"
#include "support/RecordText.h"
#include "support/ScriptedRandom.h"
#include "support/TestCodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

// testCode(3) with genes 0 to count - 1 as distinctRecord writes them.
GeneticCode distinctGenes(int count)
{
    GeneticCode code = testCode(3);
    for (int g = 0; g < count; ++g)
        code[static_cast<std::size_t>(g)]
            = { static_cast<qint16>(-100 - g), static_cast<qint16>(1 + g), g + 0.125, static_cast<qint16>(50 + g),
                  static_cast<qint16>(30 + g), static_cast<qint16>(10 + g), g % 2 == 0, g % 3 == 0 };
    return code;
}

// Every gene as Random makes it from r = 0.25.
GeneticCode allAtAQuarter()
{
    GeneticCode code;
    code.fill({ 250, 5, 0.5 * static_cast<double>(3.14159F), 64, 64, 64, false, false });
    return code;
}

struct ReadCase {
    const char* name;
    // Records in the file; -1 for no file at all.
    int records;
    double rate;
    bool read;
    GeneticCode code;
    std::string log;
};

const ReadCase readCases[] = {
    { "AtRateZeroEveryLineAsItStands", 12, 0.0, true, distinctGenes(12), repeat("S" + repeat("D", 8), 12) },
    { "AtRateOneTheSourcesRandomValues", 12, 1.0, true, allAtAQuarter(), repeat("S" + repeat("DSD", 8), 12) },
    { "AShortFileLeavesTheOtherGenes", 5, 0.0, true, distinctGenes(5), repeat("S" + repeat("D", 8), 5) },
    { "NoFileChangesNothing", -1, 1.0, false, testCode(3), "" },
};

class ReadTest : public testing::TestWithParam<ReadCase> { };

TEST_P(ReadTest, TakesTheRateAndTheSourceItIsGiven)
{
    const ReadCase& c = GetParam();
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("tree.gen"));
    if (c.records >= 0) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(distinctRecords(c.records).join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }
    ScriptedRandom random({}, 0.25F);
    // Reading from the source it is given leaves the shared generator alone.
    ScriptedRandom shared;
    GeneticCode code = testCode(3);

    EXPECT_EQ(GeneFileReader::Read(code, name, c.rate, random), c.read);

    EXPECT_TRUE(sameTraits(code, c.code));
    EXPECT_EQ(random.log, c.log);
    EXPECT_EQ(shared.log, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadTest, testing::ValuesIn(readCases), CaseNames::testName);

} // namespace
