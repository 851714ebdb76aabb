// The genes editor's edits, each with its undo and redo: typed values taken and refused, switches, merged steps,
// colours, random genes, pasted genes and reverting.

#include "core/editing/GeneEdits.h"

#include "core/platform/RandomSource.h"
#include "support/CaseNames.h"
#include "support/TestCodes.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

using CaseNames::PrintTo;

// Every case starts from testCode(0), where gene 0's angle is a third of a radian (19.09859 degrees) and gene
// 3's Length is 139.
struct EditCase {
    const char* name;
    // Gives the last refusal, empty when the last edit was taken.
    std::function<QString(GeneEdits&)> edit;
    std::function<void(GeneticCode&)> expected;
    int steps;
    QString undoText;
    QString refusal;
};

clsGene seededGene(std::uint64_t seed)
{
    SeededRandomSource random(seed);
    clsGene gene;
    gene.Random(random);
    return gene;
}

const EditCase editCases[] = {
    { "TypedLength", [](GeneEdits& e) { return e.type(3, TraitColumn::Length, QStringLiteral("250")); },
        [](GeneticCode& c) { c[3].Length = 250; }, 1, QStringLiteral("Set Length of Gene 3"), {} },
    { "TypedAngleInDegrees", [](GeneEdits& e) { return e.type(2, TraitColumn::Angle, QStringLiteral("90")); },
        [](GeneticCode& c) { c[2].Angle = std::numbers::pi / 2; }, 1, QStringLiteral("Set Angle of Gene 2"), {} },
    { "TheAngleAsShownKeepsItsLastBit",
        [](GeneEdits& e) { return e.type(0, TraitColumn::Angle, QStringLiteral("19.09859")); }, [](GeneticCode&) {}, 0,
        {}, {} },
    { "TooLargeIsRefused", [](GeneEdits& e) { return e.type(3, TraitColumn::Length, QStringLiteral("99999")); },
        [](GeneticCode&) {}, 0, {},
        QStringLiteral(
            "Gene 3: Length takes a whole number from -32768 to 32767, not \"99999\"; the cell keeps 139.") },
    { "TextIsRefused", [](GeneEdits& e) { return e.type(3, TraitColumn::Red, QStringLiteral("abc")); },
        [](GeneticCode&) {}, 0, {},
        QStringLiteral("Gene 3: Red takes a whole number from -32768 to 32767, not \"abc\"; the cell keeps 60.") },
    { "AFractionIsRefused", [](GeneEdits& e) { return e.type(3, TraitColumn::Width, QStringLiteral("2.5")); },
        [](GeneticCode&) {}, 0, {},
        QStringLiteral("Gene 3: Width takes a whole number from -32768 to 32767, not \"2.5\"; the cell keeps 4.") },
    { "AnEmptyAngleIsRefused", [](GeneEdits& e) { return e.type(0, TraitColumn::Angle, QString()); },
        [](GeneticCode&) {}, 0, {},
        QStringLiteral("Gene 0: Angle takes a number of degrees, not an empty cell; the cell keeps 19.09859.") },
    { "ARefusalAfterAnEditKeepsTheEdit",
        [](GeneEdits& e) {
            e.type(3, TraitColumn::Length, QStringLiteral("250"));
            return e.type(3, TraitColumn::Length, QStringLiteral("inf"));
        },
        [](GeneticCode& c) { c[3].Length = 250; }, 1, QStringLiteral("Set Length of Gene 3"),
        QStringLiteral("Gene 3: Length takes a whole number from -32768 to 32767, not \"inf\"; the cell keeps 250.") },
    { "ASwitch",
        [](GeneEdits& e) {
            e.setSwitch(5, TraitColumn::Done, true);
            return QString();
        },
        [](GeneticCode& c) { c[5].Done = true; }, 1, QStringLiteral("Set Done of Gene 5"), {} },
    { "StepsOnOneCellMerge",
        [](GeneEdits& e) {
            for (const int steps : { 1, 1, 1, -1 })
                e.step(3, TraitColumn::Length, steps);
            return QString();
        },
        [](GeneticCode& c) { c[3].Length = 141; }, 1, QStringLiteral("Set Length of Gene 3"), {} },
    { "StepsBackToTheStartLeaveNoStep",
        [](GeneEdits& e) {
            e.step(0, TraitColumn::Angle, 2);
            e.step(0, TraitColumn::Angle, -2);
            return QString();
        },
        [](GeneticCode&) {}, 0, {}, {} },
    { "StepsOnTwoCellsAreTwoSteps",
        [](GeneEdits& e) {
            e.step(3, TraitColumn::Length, 1);
            e.step(3, TraitColumn::Width, -4);
            return QString();
        },
        [](GeneticCode& c) {
            c[3].Length = 140;
            c[3].Width = 0;
        },
        2, QStringLiteral("Set Width of Gene 3"), {} },
    { "StepsAfterATypedValueAreAStepOfTheirOwn",
        [](GeneEdits& e) {
            e.type(3, TraitColumn::Length, QStringLiteral("32760"));
            e.step(3, TraitColumn::Length, 5);
            e.step(3, TraitColumn::Length, 5);
            return QString();
        },
        [](GeneticCode& c) { c[3].Length = 32767; }, 2, QStringLiteral("Set Length of Gene 3"), {} },
    { "AColourIsOneStep",
        [](GeneEdits& e) {
            e.setColour(7, QColor(1, 2, 3));
            return QString();
        },
        [](GeneticCode& c) {
            c[7].ColorRed = 1;
            c[7].ColorGreen = 2;
            c[7].ColorBlue = 3;
        },
        1, QStringLiteral("Set Colour of Gene 7"), {} },
    { "RandomizeDrawsAsMutationDoes",
        [](GeneEdits& e) {
            SeededRandomSource random(9);
            e.randomize(4, random);
            return QString();
        },
        [](GeneticCode& c) { c[4] = seededGene(9); }, 1, QStringLiteral("Randomize Gene 4"), {} },
    { "Paste",
        [](GeneEdits& e) {
            e.paste(6, extremeCode()[3]);
            return QString();
        },
        [](GeneticCode& c) { c[6] = extremeCode()[3]; }, 1, QStringLiteral("Paste Gene 6"), {} },
    { "RevertIsOneStep",
        [](GeneEdits& e) {
            e.type(1, TraitColumn::Blue, QStringLiteral("7"));
            e.setColour(2, Qt::red);
            e.revert();
            return QString();
        },
        [](GeneticCode&) {}, 3, QStringLiteral("Revert"), {} },
};

class GeneEditsTest : public testing::TestWithParam<EditCase> { };

TEST_P(GeneEditsTest, MakesItsStepsWhichUndoAndRedoWhole)
{
    const EditCase& edit = GetParam();
    GeneEdits edits(testCode(0));
    EXPECT_EQ(edit.edit(edits), edit.refusal);
    GeneticCode expected = testCode(0);
    edit.expected(expected);
    EXPECT_TRUE(sameTraits(edits.code(), expected));
    EXPECT_EQ(edits.steps().count(), edit.steps);
    EXPECT_EQ(edits.steps().undoText(), edit.undoText);
    EXPECT_EQ(edits.edited(), !sameTraits(expected, testCode(0)));

    while (edits.steps().canUndo())
        edits.steps().undo();
    EXPECT_TRUE(sameTraits(edits.code(), testCode(0)));
    while (edits.steps().canRedo())
        edits.steps().redo();
    EXPECT_TRUE(sameTraits(edits.code(), expected));
    EXPECT_TRUE(sameTraits(edits.original(), testCode(0)));
}

INSTANTIATE_TEST_SUITE_P(Edits, GeneEditsTest, testing::ValuesIn(editCases), CaseNames::testName);

} // namespace
