// The album driven by keys on the offscreen platform: sorting, the filter, opening and moving to the trash.

#include "ui/album/AlbumWindow.h"

#include "core/genefile/GeneFileWriter.h"
#include "support/CaseNames.h"
#include "support/TestCodes.h"
#include "support/WindowTesting.h"
#include "ui/album/AlbumView.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using CaseNames::PrintTo;

class AlbumWindowTest : public testing::Test {
protected:
    AlbumWindowTest()
    {
        // The thumbnails and the trash go into the test's folder, never the user's; the album is in that home, so
        // that its files go to the home's trash wherever the temporary folders are mounted.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        QDir(home.path()).mkdir(QStringLiteral("data"));
        // b is a with one trait a tenth of its range away, c a with twelve across theirs; b was saved first, then
        // c, a and the damaged file.
        const GeneticCode a = testCode(1);
        GeneticCode b = a;
        b[0].Length += 100;
        GeneticCode c = a;
        for (clsGene& gene : c)
            gene.Width += 15;
        save(QStringLiteral("b.gen"), b, 300);
        save(QStringLiteral("c.gen"), c, 200);
        save(QStringLiteral("a.gen"), a, 100);
        QFile broken(folder.filePath(QStringLiteral("broken.gen")));
        EXPECT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a genetic code\r\n");
        broken.close();
        window = std::make_unique<AlbumWindow>(
            folder.path(), RunCommands { .openFiles = [this](const QStringList& files) { opened = files; } });
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        EXPECT_TRUE(settlesWith(4));
    }

    ~AlbumWindowTest() override
    {
        window.reset();
        WindowTesting::closeLeftoverWindows();
        qunsetenv("XDG_CACHE_HOME");
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", userHome);
    }

    void save(const QString& name, const GeneticCode& code, int secondsAgo)
    {
        GeneFileWriter::Save(code, folder.filePath(name));
        QFile file(folder.filePath(name));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
    }

    bool settlesWith(int rows)
    {
        return QTest::qWaitFor([&] { return window->album().rowCount() == rows && window->album().settled(); }, 20000);
    }

    // The names in the order shown.
    QStringList shown() const
    {
        QStringList names;
        for (int row = 0; row < window->rows().rowCount(); ++row)
            names.append(window->rows().index(row, 0).data().toString());
        return names;
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    const QByteArray userHome = qgetenv("HOME");
    QTemporaryDir home;
    QTemporaryDir folder { home.filePath(QStringLiteral("album-XXXXXX")) };
    std::unique_ptr<AlbumWindow> window;
    QStringList opened;
};

struct SortCase {
    const char* name;
    QAction* AlbumWindow::*sort;
    // How many files on from the first the current one is.
    int current;
    QStringList order;
};

class AlbumSortTest : public AlbumWindowTest, public testing::WithParamInterface<SortCase> { };

TEST_P(AlbumSortTest, OrdersTheFilesTheDamagedOneLastByLikeness)
{
    window->lstAlbum->setFocus();
    key(Qt::Key_Home);
    for (int step = 0; step < GetParam().current; ++step)
        key(Qt::Key_Right);
    (window.get()->*GetParam().sort)->trigger();

    EXPECT_EQ(shown(), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Orders, AlbumSortTest,
    testing::Values(SortCase { "ByName", &AlbumWindow::S_Name, 0, { "a", "b", "broken", "c" } },
        SortCase { "NewestFirst", &AlbumWindow::S_DateModified, 0, { "broken", "a", "c", "b" } },
        SortCase { "FromTheFirstOutwards", &AlbumWindow::S_Likeness, 0, { "a", "b", "c", "broken" } },
        SortCase { "FromTheLastOutwards", &AlbumWindow::S_Likeness, 3, { "c", "a", "b", "broken" } }),
    CaseNames::testName);

TEST_F(AlbumWindowTest, TheFilterKeepsTheNamesThatHoldTheTypedText)
{
    key(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("B"));

    EXPECT_EQ(shown(), QStringList({ "b", "broken" }));
    EXPECT_EQ(window->lblCount->text(), QStringLiteral("2 of 4 files"));
}

TEST_F(AlbumWindowTest, ReturnOpensTheSelectedFilesInTheOrderShown)
{
    window->lstAlbum->setFocus();
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Return);

    EXPECT_EQ(opened,
        QStringList({ folder.filePath("a.gen"), folder.filePath("b.gen"), folder.filePath("broken.gen"),
            folder.filePath("c.gen") }));
}

TEST_F(AlbumWindowTest, DeleteMovesTheSelectedFileToTheTrashAfterOneQuestionNamingIt)
{
    window->lstAlbum->setFocus();
    key(Qt::Key_Home);
    key(Qt::Key_Right);
    key(Qt::Key_Delete);
    auto* box = window->findChild<QMessageBox*>(QStringLiteral("MoveToTrashBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("\"b.gen\"")));
    box->button(QMessageBox::Yes)->click();

    EXPECT_EQ(shown(), QStringList({ "a", "broken", "c" }));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("b.gen")));
    EXPECT_TRUE(QFileInfo::exists(home.filePath("data/Trash/files/b.gen")));
}

TEST_F(AlbumWindowTest, SubfoldersAreShownOncePassingOverALinkLoop)
{
    QDir(folder.path()).mkdir(QStringLiteral("old"));
    save(QStringLiteral("old/d.gen"), testCode(5), 50);
    QFile::link(folder.path(), folder.filePath(QStringLiteral("old/loop")));
    window->V_IncludeSubfolders->trigger();

    EXPECT_TRUE(settlesWith(5));
    EXPECT_EQ(shown(), QStringList({ "a", "b", "broken", "c", "old/d" }));
}

} // namespace
