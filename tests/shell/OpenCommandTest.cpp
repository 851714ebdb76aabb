#include "core/genefile/GeneFileWriter.h"
#include "program/modGenes.h"
#include "support/GeneticCodeMatchers.h"
#include "support/OpenTesting.h"
#include "support/RandomLog.h"
#include "support/ScriptedRandom.h"

#include <QFile>

#include <gmock/gmock.h>
#include <limits>

namespace {

// A code with values only an edited file can hold, drawable without overflow.
void fillOddValues(clsGenSeq& code)
{
    for (qint16 i = 0; i < 12; ++i) {
        code.SetGAngle(i, -40.0 + i);
        code.SetGColorBlue(i, static_cast<qint16>(1000 + i));
        code.SetGColorGreen(i, -3);
        code.SetGColorRed(i, static_cast<qint16>(i * 20));
        code.SetGDone(i, i == 9);
        code.SetGDraw(i, i % 2 == 0);
        code.SetGLength(i, static_cast<qint16>(-5 - i));
        code.SetGWidth(i, 0);
    }
}

using OpenCommandTest = OpenTest;

TEST_F(OpenCommandTest, PicturesGetIdsCaptionsTagsAndKeysInOrder)
{
    for (int i = 0; i < 3; ++i)
        open(QStringLiteral(" 0"));

    std::vector<int> ids;
    modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& p) { ids.push_back(p->ID); });
    EXPECT_THAT(ids, testing::ElementsAre(0, 1, 2));
    for (int id = 0; id < 3; ++id) {
        SCOPED_TRACE(id);
        frmObject* form = window(id);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QString::number(id));
        EXPECT_EQ(form->Tag, QString::number(id));
        EXPECT_TRUE(modObject::Objects.contains(QStringLiteral(" %1").arg(id)));
    }
    EXPECT_EQ(modObject::NextID, 3);
    // The Open command leaves the main window's boxes as they were typed.
    EXPECT_EQ(main->txtMutationRate->text(), QStringLiteral(" 0"));
}

TEST_F(OpenCommandTest, AtRateZeroOneTickedParentGivesAnEqualChild)
{
    clsGenSeq odd;
    fillOddValues(odd);
    GeneFileWriter::Save(odd.Code(), path(QStringLiteral("odd.gen")));
    open(QStringLiteral("0"), QStringLiteral("odd.gen"));
    ASSERT_TRUE(sameGeneticCode(picture(0)->GenCode(), odd, 1e-12));

    tick(window(0));
    open(QStringLiteral("0"), QStringLiteral("new.gen"));

    EXPECT_TRUE(sameGeneticCode(picture(1)->GenCode(), picture(0)->GenCode()));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("new.gen"))));
    EXPECT_EQ(window(1)->txtName->text(), QStringLiteral("new.gen"));
}

TEST_F(OpenCommandTest, AtRateZeroTwoParentsGiveOnlyTheirValuesMixedWithinAGene)
{
    open(QStringLiteral("0"));
    open(QStringLiteral("0"));
    for (qint16 i = 0; i < 12; ++i) {
        picture(0)->GenCode().SetGLength(i, 100);
        picture(0)->GenCode().SetGWidth(i, 1);
        picture(1)->GenCode().SetGLength(i, 200);
        picture(1)->GenCode().SetGWidth(i, 2);
    }
    tick(window(0));
    tick(window(1));
    // r never below a rate of 0; s picks the second parent for Length, the first for the rest.
    ScriptedRandom random;
    for (int gene = 0; gene < 12; ++gene)
        for (int trait = 0; trait < 8; ++trait)
            random.append({ 0.5F, trait == 6 ? 0.75F : 0.25F });
    open(QStringLiteral("0"));

    clsGenSeq& child = picture(2)->GenCode();
    for (qint16 i = 0; i < 12; ++i) {
        EXPECT_EQ(child.GetGLength(i), 200) << i;
        EXPECT_EQ(child.GetGWidth(i), 1) << i;
        EXPECT_EQ(child.GetGAngle(i), picture(0)->GenCode().GetGAngle(i)) << i;
    }
}

class WholeRandomRateTest : public OpenTest, public testing::WithParamInterface<const char*> { };

TEST_P(WholeRandomRateTest, ARateOfOneOrMoreGivesAWholeRandomCode)
{
    open(QStringLiteral("0"));
    tick(window(0));
    ScriptedRandom random({}, 0.5F);
    open(QString::fromLatin1(GetParam()));
    EXPECT_EQ(random.log, wholeCodeRandom);
    EXPECT_EQ(picture(1)->GenCode().GetGLength(7), 500);
}

INSTANTIATE_TEST_SUITE_P(Rates, WholeRandomRateTest, testing::Values("1", "2", "100"),
    [](const auto& info) { return std::string("Rate") + info.param; });

TEST_F(OpenCommandTest, APictureClosedWithDoneIsNoLongerAParent)
{
    open(QStringLiteral("0"));
    tick(window(0));
    QTest::mouseClick(window(0)->btnDone, Qt::LeftButton);
    WindowTesting::flushDeletions();
    EXPECT_EQ(window(0), nullptr);
    EXPECT_TRUE(modObject::Objects.contains(QStringLiteral(" 0")));

    ScriptedRandom random({}, 0.5F);
    open(QStringLiteral("0"));
    EXPECT_EQ(random.log, wholeCodeRandom);
    EXPECT_EQ(picture(1)->ID, 1);
}

TEST_F(OpenCommandTest, APictureClosedThroughItsFrameStaysRegisteredButNoParent)
{
    open(QStringLiteral("0"), QStringLiteral("kept"));
    tick(window(0));
    window(0)->close();
    WindowTesting::flushDeletions();
    EXPECT_FALSE(picture(0)->IsParent());
    EXPECT_EQ(picture(0)->Name, QStringLiteral("kept"));
    EXPECT_TRUE(WindowTesting::windowsOf<frmObject>().isEmpty());
}

TEST_F(OpenCommandTest, ThreeTickedParentsAreChosenInThirdsInOpeningOrder)
{
    for (int i = 0; i < 4; ++i)
        open(QStringLiteral("0"));
    for (qint16 g = 0; g < 12; ++g)
        for (int i = 0; i < 4; ++i)
            picture(i)->GenCode().SetGLength(g, static_cast<qint16>(10 * (i + 1)));
    tick(window(0));
    tick(window(2));
    tick(window(3));
    // s in the middle third picks the second ticked picture, the third opened.
    ScriptedRandom random;
    for (int trait = 0; trait < 96; ++trait)
        random.append({ 0.9F, 0.5F });
    open(QStringLiteral("0"));
    EXPECT_EQ(picture(4)->GenCode().GetGLength(0), 30);
}

TEST_F(OpenCommandTest, SavingAndOpeningTheFileAtRateZeroGivesTheSameCode)
{
    open(QStringLiteral("0.05"));
    frmObject* form = window(0);
    replaceText(form->txtName, QStringLiteral("tree.gen"));
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    EXPECT_EQ(takeErrorBox(), QString());

    QFile file(path(QStringLiteral("tree.gen")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 108);
    file.close();

    open(QStringLiteral("0"), QStringLiteral("tree.gen"));
    EXPECT_TRUE(sameGeneticCode(picture(1)->GenCode(), picture(0)->GenCode(), 1e-13));
    // The picture keeps the name it was opened with; the box only says where Save writes.
    EXPECT_EQ(picture(0)->Name, QString());
}

TEST_F(OpenCommandTest, SaveWithAnEmptyNameWritesNothing)
{
    open(QStringLiteral("0"));
    QTest::mouseClick(window(0)->btnSave, Qt::LeftButton);
    EXPECT_EQ(takeErrorBox(), QString());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(OpenCommandTest, AFailedOpenLeavesNoWindowAndNoEntry)
{
    QFile bad(path(QStringLiteral("bad.gen")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("abc\r\n");
    bad.close();
    open(QStringLiteral("0"));
    open(QStringLiteral("0"), QStringLiteral("bad.gen"));
    WindowTesting::flushDeletions();

    const QString error = takeErrorBox();
    EXPECT_THAT(error.toStdString(), testing::HasSubstr("Type mismatch (error 13)"));
    EXPECT_THAT(error.toStdString(), testing::HasSubstr("bad.gen"));
    EXPECT_EQ(modObject::Objects.count(), 1);
    EXPECT_EQ(WindowTesting::windowsOf<frmObject>().size(), 1);
    EXPECT_NE(window(0), nullptr);

    // The number the failed picture took is not given out again.
    open(QStringLiteral("0"));
    EXPECT_EQ(picture(2)->ID, 2);
}

TEST_F(OpenCommandTest, WithTheCounterAtItsLimitEveryOpenIsAnOverflow)
{
    modObject::NextID = std::numeric_limits<qint16>::max();
    for (int attempt = 0; attempt < 2; ++attempt) {
        open(QStringLiteral("0"));
        WindowTesting::flushDeletions();
        EXPECT_THAT(takeErrorBox().toStdString(), testing::HasSubstr("Overflow (error 6)"));
        EXPECT_EQ(modObject::Objects.count(), 0);
        EXPECT_TRUE(WindowTesting::windowsOf<frmObject>().isEmpty());
    }
}

TEST_F(OpenCommandTest, ARefusedRateChangesNeitherTheCounterNorTheRate)
{
    open(QStringLiteral("0.25"));
    open(QStringLiteral("abc"));
    EXPECT_EQ(modObject::NextID, 1);
    EXPECT_EQ(modGenes::MutationRate, 0.25);
    EXPECT_EQ(modObject::Objects.count(), 1);
}

TEST_F(OpenCommandTest, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    QDir(folder.path()).mkdir(QStringLiteral("folder"));
    open(QStringLiteral("0"));
    replaceText(window(0)->txtName, QStringLiteral("folder"));
    QTest::mouseClick(window(0)->btnSave, Qt::LeftButton);
    EXPECT_THAT(takeErrorBox().toStdString(), testing::HasSubstr("folder"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder"))).isDir());
    EXPECT_NE(window(0), nullptr);
}

} // namespace
