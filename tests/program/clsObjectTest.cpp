#include "program/clsObject.h"

#include "core/genefile/GeneFileWriter.h"
#include "support/ErrorNumber.h"
#include "support/FakeMainWindow.h"
#include "support/FakePictureWindow.h"
#include "support/ProgramState.h"
#include "support/RandomLog.h"
#include "support/ScriptedRandom.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <limits>

namespace {

class clsObjectTest : public ProgramStateTest {
protected:
    clsObjectTest() { FakePictureWindow::install(); }

    static FakePictureWindow& windowOf(clsObject& picture)
    {
        return static_cast<FakePictureWindow&>(picture.Display());
    }

    FakeMainWindow main;
    QTemporaryDir folder;
};

TEST_F(clsObjectTest, InitNamesNumbersShowsAndDrawsInItsOrder)
{
    main.name = QStringLiteral("  no such file ");
    modObject::NextID = 41;
    ScriptedRandom random({}, 0.25F);
    clsObject picture;

    picture.Init();

    EXPECT_EQ(picture.Name, QStringLiteral("  no such file "));
    EXPECT_EQ(picture.ID, 41);
    EXPECT_EQ(modObject::NextID, 42);
    FakePictureWindow& window = windowOf(picture);
    EXPECT_EQ(window.log, "persistent show tag caption name ");
    EXPECT_EQ(window.tag, QStringLiteral("41"));
    EXPECT_EQ(window.caption, QStringLiteral("41"));
    EXPECT_EQ(window.name, QStringLiteral("  no such file "));
    // Bred (no file of that name, no parent), then cleared, drawn and shown.
    EXPECT_EQ(random.log, wholeCodeRandom);
    EXPECT_EQ(window.surface.log.front(), 'C');
    EXPECT_EQ(window.surface.log.back(), 'F');
    EXPECT_EQ(picture.GenCode().GetGLength(0), 250);
}

TEST_F(clsObjectTest, TheLastNumberOverflowsAfterTheIdIsSetAndOpensNoWindow)
{
    modObject::NextID = std::numeric_limits<qint16>::max();
    clsObject picture;
    EXPECT_EQ(errorOf([&] { picture.Init(); }), 6);
    EXPECT_EQ(picture.ID, 32767);
    EXPECT_EQ(modObject::NextID, 32767);
    EXPECT_TRUE(FakePictureWindow::created().empty());
}

TEST_F(clsObjectTest, AnExistingFileIsReadAndAnythingElseBred)
{
    clsGenSeq saved;
    saved.SetGLength(0, 123);
    const QString file = folder.filePath(QStringLiteral("tree.gen"));
    GeneFileWriter::Save(saved.Code(), file);
    QDir(folder.path()).mkdir(QStringLiteral("folder"));
    main.mutationRate = QStringLiteral("0");
    ScriptedRandom random({}, 0.5F);

    clsObject fromFile;
    fromFile.Name = file;
    fromFile.MakeGenes();
    EXPECT_EQ(fromFile.GenCode().GetGLength(0), 123);

    for (const QString& name : { QString(), folder.filePath(QStringLiteral("folder")) }) {
        clsObject bred;
        bred.Name = name;
        bred.MakeGenes();
        EXPECT_EQ(bred.GenCode().GetGLength(0), 500) << name.toStdString();
    }
}

TEST_F(clsObjectTest, TheGeneticCodeAndTheWindowCanBeGivenAnotherObject)
{
    clsObject picture;
    auto code = std::make_unique<clsGenSeq>();
    code->SetGLength(0, 77);
    code->SetGDone(1, true);
    picture.SetGenCode(std::move(code));
    auto window = std::make_unique<FakePictureWindow>();
    FakePictureWindow* given = window.get();
    picture.SetDisplay(std::move(window));

    picture.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0);

    EXPECT_EQ(&picture.Display(), given);
    ASSERT_EQ(given->surface.lines.size(), 1U);
    EXPECT_EQ(given->surface.lines.front().y2, 1600.0F - 77.0F);
}

TEST_F(clsObjectTest, OnlyAnOpenTickedPictureIsAParent)
{
    clsObject picture;
    EXPECT_FALSE(picture.IsParent());
    windowOf(picture).parentTicked = true;
    EXPECT_TRUE(picture.IsParent());
    picture.Unload();
    EXPECT_FALSE(picture.IsParent());
}

} // namespace
