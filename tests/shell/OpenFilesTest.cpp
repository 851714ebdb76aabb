// Genetic code files opened by name rather than typed: from the command line, Pictures > Open File... and drops on
// the main window or the family tree. Each opens as Open would with its name in the name box.

#include "core/genefile/ExactRead.h"
#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "support/OpenTesting.h"
#include "support/TestCodes.h"
#include "ui/familytree/FamilyTreeWindow.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class OpenFilesTest : public OpenTest {
protected:
    OpenFilesTest()
    {
        for (const int code : { 1, 2, 3 })
            GeneFileWriter::Save(testCode(code), path(QStringLiteral("%1.gen").arg(code)));
        QFile::resize(path(QStringLiteral("3.gen")), 200);
    }

    // Picture id opened from file at rate: named after it, and exactly as it reads at rate 0.
    void expectOpened(qint16 id, const QString& file, double rate = 0) const
    {
        const PictureRecord* opened = main->run().history().find(id);
        ASSERT_NE(opened, nullptr) << id;
        ASSERT_NE(window(id), nullptr) << id;
        EXPECT_EQ(window(id)->txtName->text(), file);
        EXPECT_EQ(opened->birth.file, file);
        EXPECT_EQ(opened->birth.rate, rate);
        if (rate == 0) {
            EXPECT_TRUE(sameTraits(opened->code, ExactRead::read(file))) << id;
        }
    }
};

TEST_F(OpenFilesTest, StartUpFilesOpenInTurnAndOneThatDoesNotReadShowsItsError)
{
    main->OpenFiles({ path(QStringLiteral("1.gen")), path(QStringLiteral("3.gen")), path(QStringLiteral("2.gen")) });

    expectOpened(0, path(QStringLiteral("1.gen")));
    expectOpened(2, path(QStringLiteral("2.gen")));
    EXPECT_EQ(modObject::Objects.count(), 2);
    EXPECT_TRUE(takeErrorBox().contains(path(QStringLiteral("3.gen"))));
    EXPECT_EQ(main->txtMutationRate->text(), QStringLiteral(" 0"));
    EXPECT_EQ(main->txtName->text(), QString());
}

TEST_F(OpenFilesTest, OpenFileAsksForSeveralFilesInTheRememberedFolderAndOpensThemAtTheRate)
{
    Preferences::change(
        [](UserSettings& settings) { settings.folders.insert(QStringLiteral("open genetic code"), QDir::rootPath()); });
    replaceText(main->txtMutationRate, QStringLiteral("0.5"));

    main->P_OpenFile->trigger();

    auto* dialog = main->findChild<QFileDialog*>(QStringLiteral("OpenFileDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Genetic Code"));
    EXPECT_EQ(dialog->nameFilters(), (QStringList { "Genetic code files (*.gen)", "All files (*)" }));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->directory(), QDir::root());
    emit dialog->filesSelected({ path(QStringLiteral("2.gen")), path(QStringLiteral("1.gen")) });
    expectOpened(0, path(QStringLiteral("2.gen")), 0.5);
    expectOpened(1, path(QStringLiteral("1.gen")), 0.5);
    EXPECT_EQ(Preferences::current().folders.value(QStringLiteral("open genetic code")), folder.path());
}

// Whether target takes the drag event of this kind carrying data.
template <typename Event> bool accepts(QWidget* target, const QMimeData& data)
{
    Event event(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

class OpenFilesDropTest : public OpenFilesTest, public testing::WithParamInterface<bool> { };

TEST_P(OpenFilesDropTest, DroppedFilesOpenAndOtherDragsAreRefused)
{
    QWidget* target = main.get();
    if (GetParam()) {
        main->P_FamilyTree->trigger();
        target = main->FamilyTree()->viewport();
    }
    QMimeData text;
    text.setText(path(QStringLiteral("1.gen")));
    QMimeData files;
    files.setUrls({ QUrl::fromLocalFile(path(QStringLiteral("1.gen"))),
        QUrl(QStringLiteral("https://example.org/x.gen")), QUrl::fromLocalFile(path(QStringLiteral("2.gen"))) });
    EXPECT_FALSE(accepts<QDragEnterEvent>(target, text));
    EXPECT_TRUE(accepts<QDragEnterEvent>(target, files));
    EXPECT_TRUE(accepts<QDragMoveEvent>(target, files));
    EXPECT_TRUE(accepts<QDropEvent>(target, files));

    expectOpened(0, path(QStringLiteral("1.gen")));
    expectOpened(1, path(QStringLiteral("2.gen")));
}

INSTANTIATE_TEST_SUITE_P(OnTheMainWindowAndTheFamilyTree, OpenFilesDropTest, testing::Bool());

} // namespace
