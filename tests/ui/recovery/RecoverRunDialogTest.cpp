#include "ui/recovery/RecoverRunDialog.h"

#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "support/CaseNames.h"
#include "support/FileTesting.h"
#include "support/OpenTesting.h"
#include "support/ScopedTmpfs.h"
#include "support/TestCodes.h"
#include "ui/familytree/FamilyTreeWindow.h"

#include <QFile>
#include <QTreeWidget>

#include <gmock/gmock.h>

namespace {

using testing::HasSubstr;

const QDateTime earlier(QDate(2026, 12, 7), QTime(9, 30, 0));
const QDateTime later(QDate(2026, 12, 8), QTime(11, 15, 20));

class RecoverRunTest : public OpenTest {
protected:
    RecoverRunTest()
    {
        writeRun(earlier, 3, { 1 }, RunEnding::Exit);
        writeRun(later, 2, {}, RunEnding::CutOff);
        main->AttachJournal(journal);
    }

    // A run of pictures 0 .. count-1 with the given ones closed; Other leaves the run cut off.
    void writeRun(const QDateTime& start, int count, std::vector<qint16> closed, RunEnding how)
    {
        RunHistory history;
        Journal journal(runs, start);
        journal.follow(history);
        for (qint16 id = 0; id < count; ++id) {
            BirthRecord birth = BirthRecord::fromBreeding({}, 0.5);
            birth.flags = { id % 2 == 0, id == 1 };
            history.opened({ id, QStringLiteral("p%1.gen").arg(id), birth, testCode(10 * start.date().day() + id) });
        }
        for (const qint16 id : closed)
            history.closed(id);
        history.ending(how);
    }

    RecoverRunDialog* showDialog()
    {
        main->P_RecoverRun->trigger();
        RecoverRunDialog* dialog = main->RecoverRunWindow();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    static QStringList row(RecoverRunDialog* dialog, int index)
    {
        QStringList texts;
        const QTreeWidgetItem* item = dialog->list()->topLevelItem(index);
        for (int column = 0; column < 4; ++column)
            texts.append(item->text(column));
        return texts;
    }

    // Changes line index (from 0) of the journal at path.
    static void changeLine(const QString& path, int index, const std::function<void(QByteArray& line)>& change)
    {
        QList<QByteArray> lines = readFile(path).split('\n');
        change(lines[index]);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n'));
    }

    QString runs = path(QStringLiteral("runs"));
    Journal journal { runs, QDateTime(QDate(2026, 12, 8), QTime(12, 0)) };
};

TEST_F(RecoverRunTest, TheKeptRunsAreListedNewestFirstAndTheNewestIsSelected)
{
    open(QStringLiteral("0"));
    RecoverRunDialog* dialog = showDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Recover Run"));
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 2);
    EXPECT_EQ(row(dialog, 0), QStringList({ "2026-12-08 11:15:20", "2", "2", "cut off" }));
    EXPECT_EQ(row(dialog, 1), QStringList({ "2026-12-07 09:30:00", "3", "2", "Exit" }));
    EXPECT_EQ(dialog->selectedRun(), 0);
    EXPECT_TRUE(dialog->recoverButton()->isDefault());
}

struct NewerRun {
    const char* name;
    int count;
    std::vector<qint16> closed;
    bool damaged;
};

// The newest run is one Recover would reopen nothing of: the one before it is selected, and Enter recovers it.
class RecoverRunNewerRun : public RecoverRunTest, public testing::WithParamInterface<NewerRun> { };

TEST_P(RecoverRunNewerRun, TheNewestRunThatCanBeRecoveredIsSelected)
{
    const NewerRun& newer = GetParam();
    writeRun(QDateTime(QDate(2026, 12, 9), QTime(8, 0)), newer.count, newer.closed, RunEnding::Exit);
    if (newer.damaged)
        changeLine(JournalFolder::readAll(runs)[0].path, 1, [](QByteArray& line) { line = "not a record"; });
    RecoverRunDialog* dialog = showDialog();
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 3);
    EXPECT_EQ(dialog->selectedRun(), 1);
    QTest::keyClick(dialog->list(), Qt::Key_Return);
    EXPECT_EQ(modObject::Objects.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Runs, RecoverRunNewerRun,
    testing::Values(
        NewerRun { "EveryPictureClosed", 2, { 0, 1 }, false }, NewerRun { "DamagedAtItsFirstPicture", 1, {}, true }),
    CaseNames::testName);

TEST_F(RecoverRunTest, RecoverReopensThePicturesOpenAtTheRunsEndAsCopies)
{
    RecoverRunDialog* dialog = showDialog();
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
    const QByteArray before = readFile(dialog->runs()[1].path);
    QTest::mouseClick(dialog->recoverButton(), Qt::LeftButton);
    ASSERT_EQ(modObject::Objects.count(), 2);
    const struct {
        int id;
        qint16 original;
    } copies[] = { { 0, 0 }, { 1, 2 } };
    for (const auto& copy : copies) {
        SCOPED_TRACE(copy.id);
        EXPECT_TRUE(sameTraits(picture(copy.id)->GenCode().Code(), testCode(70 + copy.original)));
        EXPECT_EQ(picture(copy.id)->Name, QStringLiteral("p%1.gen").arg(copy.original));
        EXPECT_EQ(picture(copy.id)->DrawnWith(), (Drawing::Flags { copy.original % 2 == 0, copy.original == 1 }));
        EXPECT_EQ(main->run().history().find(copy.id)->birth.describe(),
            QStringLiteral("picture %1 of the run of 2026-12-07 09:30:00").arg(copy.original));
        EXPECT_NE(window(copy.id), nullptr);
    }
    // Recovering reads the journal and never writes it.
    EXPECT_EQ(readFile(JournalFolder::readAll(runs, journal.path())[1].path), before);
}

TEST_F(RecoverRunTest, OpenAllReopensClosedPicturesToo)
{
    const std::vector<RunJournal> kept = JournalFolder::readAll(runs);
    main->run().recover(kept[1], true);
    EXPECT_EQ(modObject::Objects.count(), 3);
    EXPECT_TRUE(sameTraits(picture(1)->GenCode().Code(), testCode(71)));
}

TEST_F(RecoverRunTest, ARunRecoveredTwiceGivesTwoSetsOfCopies)
{
    const RunJournal run = JournalFolder::readAll(runs)[0];
    main->run().recover(run, false);
    main->run().recover(run, false);
    ASSERT_EQ(modObject::Objects.count(), 4);
    EXPECT_TRUE(sameTraits(picture(0)->GenCode().Code(), picture(2)->GenCode().Code()));
    EXPECT_TRUE(sameTraits(picture(1)->GenCode().Code(), picture(3)->GenCode().Code()));
}

TEST_F(RecoverRunTest, TheFamilyTreeNamesTheRunARecoveredPictureCameFrom)
{
    main->run().recover(JournalFolder::readAll(runs)[0], false);
    main->P_FamilyTree->trigger();
    FamilyTreeWindow* tree = main->FamilyTree();
    ASSERT_NE(tree, nullptr);
    EXPECT_THAT(tree->toolTipOf(1).toStdString(), HasSubstr("picture 1 of the run of 2026-12-08 11:15:20"));
    EXPECT_EQ(tree->layout().generation(1), 0);
}

TEST_F(RecoverRunTest, TheRecoveryIsInThisRunsOwnJournal)
{
    main->run().recover(JournalFolder::readAll(runs)[0], false);
    const RunJournal now = RunJournal::read(journal.path());
    ASSERT_EQ(now.pictures.size(), 2U);
    EXPECT_EQ(now.pictures[1].birth.ofRun, QStringLiteral("2026-12-08 11:15:20"));
}

TEST_F(RecoverRunTest, DeleteAsksFirstAndNoKeepsTheJournal)
{
    RecoverRunDialog* dialog = showDialog();
    const QString newest = dialog->runs()[0].path;
    const auto answer = [&](QMessageBox::StandardButton button) {
        QTest::mouseClick(dialog->deleteButton(), Qt::LeftButton);
        auto* box = dialog->findChild<QMessageBox*>(QStringLiteral("DeleteRunBox"));
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
        WindowTesting::flushDeletions();
    };
    answer(QMessageBox::No);
    EXPECT_TRUE(QFileInfo::exists(newest));
    answer(QMessageBox::Yes);
    EXPECT_FALSE(QFileInfo::exists(newest));
    ASSERT_EQ(dialog->list()->topLevelItemCount(), 1);
    EXPECT_EQ(row(dialog, 0)[0], QStringLiteral("2026-12-07 09:30:00"));
}

TEST_F(RecoverRunTest, ADamagedJournalIsListedAsDamagedAndWhatCameBeforeStillRecovers)
{
    // The third picture's record no longer reads: its length is beyond 16 bits.
    changeLine(JournalFolder::readAll(runs)[1].path, 3,
        [](QByteArray& line) { line.replace(line.indexOf("[[") + 2, 3, "99999"); });

    RecoverRunDialog* dialog = showDialog();
    EXPECT_THAT(row(dialog, 1)[3].toStdString(), HasSubstr("damaged at line 4"));
    EXPECT_EQ(row(dialog, 1)[1], QStringLiteral("2"));
    dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
    QTest::mouseClick(dialog->recoverButton(), Qt::LeftButton);
    // Picture 1's closing came after the damage: both pictures before it count as open.
    EXPECT_EQ(modObject::Objects.count(), 2);
}

TEST_F(RecoverRunTest, AJournalThatCannotBeKeptIsToldOnce)
{
    ScopedTmpfs disk(64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.refusal().toStdString();
    ASSERT_TRUE(disk.remountReadOnly());
    auto main2 = std::make_unique<frmMain>([] {});
    Journal unwritable(QDir(disk.path()).filePath(QStringLiteral("runs")), QDateTime::currentDateTime());
    main->AttachJournal(unwritable);
    open(QStringLiteral("0"));
    open(QStringLiteral("0"));
    const QList<QMessageBox*> boxes = main->findChildren<QMessageBox*>(QStringLiteral("JournalFailedBox"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_THAT(boxes.front()->text().toStdString(), HasSubstr(disk.path().toStdString()));
    EXPECT_THAT(boxes.front()->text().toStdString(), HasSubstr(qt_error_string(EROFS).toStdString()));
    EXPECT_EQ(modObject::Objects.count(), 2);
}

} // namespace
