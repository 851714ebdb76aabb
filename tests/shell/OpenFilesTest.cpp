// Genetic code files opened by name rather than typed: from the command line, Pictures > Open File... and drops on
// the main window or the family tree. Each opens as Open would with its name in the name box.

#include "core/genefile/ExactRead.h"
#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "support/OpenTesting.h"
#include "support/TestCodes.h"
#include "ui/familytree/FamilyTreeWindow.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class OpenFilesTest : public OpenTest {
protected:
    OpenFilesTest()
    {
        GeneFileWriter::Save(testCode(1), path(QStringLiteral("a.gen")));
        GeneFileWriter::Save(testCode(2), path(QStringLiteral("b.gen")));
        GeneFileWriter::Save(testCode(3), path(QStringLiteral("damaged.gen")));
        QFile::resize(path(QStringLiteral("damaged.gen")), 200);
    }

    // The picture id as the run keeps it, or null.
    const PictureRecord* record(qint16 id) const { return main->run().history().find(id); }

    // Picture id opened by Open from file at rate: exactly as the file reads at rate 0.
    void expectOpenedFrom(qint16 id, const QString& file, double rate) const
    {
        const PictureRecord* opened = record(id);
        ASSERT_NE(opened, nullptr) << id;
        EXPECT_EQ(opened->name, file);
        EXPECT_EQ(opened->birth.kind, BirthRecord::Kind::File);
        EXPECT_EQ(opened->birth.file, file);
        EXPECT_EQ(opened->birth.rate, rate);
        if (rate == 0) {
            EXPECT_TRUE(sameTraits(opened->code, ExactRead::read(file))) << id;
        }
        ASSERT_NE(window(id), nullptr) << id;
        EXPECT_EQ(window(id)->txtName->text(), file);
    }
};

TEST_F(OpenFilesTest, EachOpensInTurnAtTheStartUpRateAndTheBoxesKeepWhatTheyShow)
{
    main->OpenFiles(
        { path(QStringLiteral("a.gen")), path(QStringLiteral("damaged.gen")), path(QStringLiteral("b.gen")) });

    expectOpenedFrom(0, path(QStringLiteral("a.gen")), 0);
    expectOpenedFrom(2, path(QStringLiteral("b.gen")), 0);
    EXPECT_EQ(modObject::Objects.count(), 2);
    EXPECT_EQ(record(1), nullptr);
    EXPECT_TRUE(takeErrorBox().contains(path(QStringLiteral("damaged.gen"))));
    EXPECT_EQ(main->txtMutationRate->text(), QStringLiteral(" 0"));
    EXPECT_EQ(main->txtName->text(), QString());
}

TEST_F(OpenFilesTest, TheCurrentRateCountsAndARateThatIsNoNumberOpensNothing)
{
    replaceText(main->txtMutationRate, QStringLiteral("0.5"));
    replaceText(main->txtName, QStringLiteral("typed.gen"));
    main->OpenFiles({ path(QStringLiteral("a.gen")) });
    expectOpenedFrom(0, path(QStringLiteral("a.gen")), 0.5);
    EXPECT_EQ(main->txtName->text(), QStringLiteral("typed.gen"));

    replaceText(main->txtMutationRate, QStringLiteral("half"));
    main->OpenFiles({ path(QStringLiteral("b.gen")) });
    EXPECT_EQ(modObject::Objects.count(), 1);
    EXPECT_EQ(WindowTesting::windowsTitled(QStringLiteral("ErrorMR")).value(0)->isVisible(), true);
}

TEST_F(OpenFilesTest, OpenFileAsksForSeveralGeneticCodeFilesInTheRememberedFolder)
{
    Preferences::current().folders.insert(QStringLiteral("open genetic code"), folder.path());
    EXPECT_EQ(main->P_OpenFile->shortcut(), QKeySequence(QKeySequence::Open));

    main->P_OpenFile->trigger();
    auto* dialog = main->findChild<QFileDialog*>(QStringLiteral("OpenFileDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Genetic Code"));
    EXPECT_EQ(dialog->nameFilters(), (QStringList { "Genetic code files (*.gen)", "All files (*)" }));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->directory().absolutePath(), folder.path());
    QDir().mkpath(path(QStringLiteral("sub")));
    QFile::copy(path(QStringLiteral("b.gen")), path(QStringLiteral("sub/b.gen")));
    emit dialog->filesSelected({ path(QStringLiteral("sub/b.gen")), path(QStringLiteral("a.gen")) });

    expectOpenedFrom(0, path(QStringLiteral("sub/b.gen")), 0);
    expectOpenedFrom(1, path(QStringLiteral("a.gen")), 0);
    EXPECT_EQ(Preferences::current().folders.value(QStringLiteral("open genetic code")), path(QStringLiteral("sub")));
}

struct DropCase {
    const char* name;
    // The widget that takes the drop's events.
    std::function<QWidget*(frmMain&)> target;
};

void PrintTo(const DropCase& c, std::ostream* out)
{
    *out << c.name;
}

class OpenFilesDropTest : public OpenFilesTest, public testing::WithParamInterface<DropCase> { };

TEST_P(OpenFilesDropTest, DroppedFilesOpenAsByOpenFile)
{
    QWidget* target = GetParam().target(*main);
    ASSERT_NE(target, nullptr);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path(QStringLiteral("a.gen"))),
        QUrl(QStringLiteral("https://example.org/x.gen")), QUrl::fromLocalFile(path(QStringLiteral("b.gen"))) });
    const QPoint at = target->rect().center();

    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    ASSERT_TRUE(move.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);

    EXPECT_TRUE(drop.isAccepted());
    expectOpenedFrom(0, path(QStringLiteral("a.gen")), 0);
    expectOpenedFrom(1, path(QStringLiteral("b.gen")), 0);
    EXPECT_EQ(modObject::Objects.count(), 2);
}

TEST_P(OpenFilesDropTest, ADragWithoutFilesIsRefused)
{
    QWidget* target = GetParam().target(*main);
    ASSERT_NE(target, nullptr);
    QMimeData data;
    data.setText(path(QStringLiteral("a.gen")));

    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);

    EXPECT_FALSE(enter.isAccepted());
}

INSTANTIATE_TEST_SUITE_P(Windows, OpenFilesDropTest,
    testing::Values(DropCase { "MainWindow", [](frmMain& main) -> QWidget* { return &main; } },
        DropCase { "FamilyTree",
            [](frmMain& main) -> QWidget* {
                main.P_FamilyTree->trigger();
                return main.FamilyTree() ? main.FamilyTree()->viewport() : nullptr;
            } }),
    [](const testing::TestParamInfo<DropCase>& info) { return info.param.name; });

} // namespace
