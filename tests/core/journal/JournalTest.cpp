#include "core/journal/Journal.h"

#include "core/journal/JournalFolder.h"
#include "support/ScopedTmpfs.h"
#include "support/TestCodes.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <string>
#include <sys/stat.h>

namespace {

const QDateTime start(QDate(2026, 12, 8), QTime(17, 3, 12, 345));

class JournalTest : public testing::Test {
protected:
    void openPicture(qint16 id)
    {
        history.opened({ id, QStringLiteral("p%1").arg(id), BirthRecord::fromBreeding({}, 0.5), testCode(id), true });
    }

    static QStringList events(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList names;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty())
                names.append(QJsonDocument::fromJson(line).object().value(QStringLiteral("event")).toString());
        return names;
    }

    QTemporaryDir data;
    QString folder = data.filePath(QStringLiteral("share/vantrell/runs"));
    RunHistory history;
};

TEST_F(JournalTest, ARunWithoutPicturesLeavesNoJournal)
{
    {
        Journal journal(folder, start);
        journal.follow(history);
        history.ending(RunEnding::Exit);
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(JournalTest, EveryEventIsInTheFileAsSoonAsItHappens)
{
    Journal journal(folder, start);
    journal.follow(history);
    openPicture(0);
    const QString path = journal.path();
    EXPECT_EQ(path, QDir(folder).filePath(QStringLiteral("2026-12-08_17-03-12.345.jsonl")));
    EXPECT_THAT(events(path), testing::ElementsAre("run", "opened"));
    openPicture(1);
    history.closed(0);
    history.saved(1, data.filePath(QStringLiteral("nowhere/x.gen")));
    QFile saved(data.filePath(QStringLiteral("x.gen")));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.close();
    history.saved(1, saved.fileName());
    EXPECT_THAT(events(path), testing::ElementsAre("run", "opened", "opened", "closed", "saved"));
    history.ending(RunEnding::CloseBox);
    history.closed(1);
    EXPECT_THAT(events(path), testing::ElementsAre("run", "opened", "opened", "closed", "saved", "end"));

    const RunJournal run = RunJournal::read(path);
    EXPECT_EQ(run.ending, RunEnding::CloseBox);
    EXPECT_EQ(run.openAtEnd(), 1);
}

TEST_F(JournalTest, TheJournalIsTheUsersAlone)
{
    Journal journal(folder, start);
    journal.follow(history);
    openPicture(0);
    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(journal.path()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600U);
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700U);
}

TEST_F(JournalTest, ARunStartedInTheSameMillisecondKeepsItsOwnJournal)
{
    Journal first(folder, start);
    first.follow(history);
    RunHistory other;
    Journal second(folder, start);
    second.follow(other);
    openPicture(0);
    other.opened({ 5, {}, BirthRecord::fromBreeding({}, 0), testCode(5), true });
    EXPECT_NE(first.path(), second.path());
    EXPECT_EQ(RunJournal::read(second.path()).pictures.front().id, 5);
}

TEST_F(JournalTest, AFullDiskIsToldOnceAndTheRunGoesOnWithoutAJournal)
{
    ScopedTmpfs disk(64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.refusal().toStdString();
    Journal journal(disk.path(), start);
    journal.follow(history);
    QSignalSpy failures(&journal, &Journal::failed);
    for (qint16 id = 0; id < 200 && journal.keeping(); ++id)
        openPicture(id);
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.front().at(0).toString(), disk.path());
    EXPECT_EQ(failures.front().at(1).toString(), qt_error_string(ENOSPC));
    const auto before = history.pictures().size();
    openPicture(500);
    history.closed(0);
    EXPECT_EQ(failures.count(), 1);
    EXPECT_EQ(history.pictures().size(), before + 1);
    // What reached the disk before it filled still reads.
    const RunJournal run = RunJournal::read(journal.path());
    EXPECT_FALSE(run.damaged());
    EXPECT_GT(run.pictures.size(), 10U);
}

TEST_F(JournalTest, AnUnwritableFolderIsToldOnceWithTheSystemsReason)
{
    ScopedTmpfs disk(64);
    if (!disk.mounted())
        GTEST_SKIP() << disk.refusal().toStdString();
    // Read-only for every user, root included.
    ASSERT_TRUE(disk.remountReadOnly());
    const QString runs = QDir(disk.path()).filePath(QStringLiteral("vantrell/runs"));
    Journal journal(runs, start);
    journal.follow(history);
    QSignalSpy failures(&journal, &Journal::failed);
    openPicture(0);
    openPicture(1);
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.front().at(0).toString(), runs);
    EXPECT_EQ(failures.front().at(1).toString(), qt_error_string(EROFS));
    EXPECT_EQ(history.pictures().size(), 2U);
}

TEST_F(JournalTest, AFolderThatIsAFileIsToldAsSuch)
{
    QFile file(data.filePath(QStringLiteral("runs")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    Journal journal(file.fileName(), start);
    journal.follow(history);
    QSignalSpy failures(&journal, &Journal::failed);
    openPicture(0);
    ASSERT_EQ(failures.count(), 1);
    EXPECT_EQ(failures.front().at(1).toString(), qt_error_string(ENOTDIR));
}

} // namespace
