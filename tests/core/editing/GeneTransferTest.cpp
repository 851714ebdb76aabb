// A gene as the clipboard carries it between rows and editors.

#include "core/editing/GeneTransfer.h"

#include "core/genetics/GeneticCode.h"
#include "support/TestCodes.h"

#include <gtest/gtest.h>

namespace {

TEST(GeneTransferTest, EveryGeneComesBackToTheLastBit)
{
    for (const GeneticCode& code : { testCode(3), extremeCode() }) {
        for (const clsGene& gene : code) {
            const std::optional<clsGene> back = GeneTransfer::fromText(GeneTransfer::toText(gene));
            ASSERT_TRUE(back.has_value());
            EXPECT_TRUE(sameTraits(*back, gene)) << GeneTransfer::toText(gene).toStdString();
        }
    }
}

const clsGene plainGene { 120, 3, 0.5, 30, 160, 220, false, true };

TEST(GeneTransferTest, AnythingElseIsNoGene)
{
    const QByteArray good = GeneTransfer::toText(plainGene);
    for (const QByteArray& text : { QByteArray(), QByteArray("hello"), good.left(good.lastIndexOf("Draw")),
             QByteArray(good).replace("Length 120", "Length 99999"), QByteArray(good).replace("Done False", "Done 0"),
             QByteArray(good).replace("Angle 0.5", "Angle nan"), QByteArray(good).replace("Width", "Wide"),
             good + "Extra 1\n" }) {
        EXPECT_FALSE(GeneTransfer::fromText(text).has_value()) << text.toStdString();
    }
    EXPECT_TRUE(GeneTransfer::fromText(QByteArray(good).replace("\n", "\r\n")).has_value());
}

} // namespace
