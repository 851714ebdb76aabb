// What the windows remember for the next time and the next run: the sizes of the family tree and the large view,
// and the folder each file dialog last used.

#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "support/OpenTesting.h"
#include "support/PictureCodes.h"
#include "ui/export/ExportDialog.h"
#include "ui/familytree/FamilyTreeWindow.h"
#include "ui/familytree/PictureNode.h"
#include "ui/largeview/LargeView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class RememberedTest : public OpenTest {
protected:
    RememberedTest()
    {
        GeneFileWriter::Save(PictureCodes::wideTree(), path(QStringLiteral("tree.gen")));
        open(QStringLiteral("0"), path(QStringLiteral("tree.gen")));
    }
};

struct SizeCase {
    const char* name;
    const char* remembered;
    // Opens the window, picture 0 open in the picture window given.
    std::function<QWidget*(frmMain&, frmObject&)> open;
};

void PrintTo(const SizeCase& c, std::ostream* out)
{
    *out << c.name;
}

class RememberedSizeTest : public RememberedTest, public testing::WithParamInterface<SizeCase> { };

TEST_P(RememberedSizeTest, OpensAtTheSizeItLastHadAndKeepsEachNewOne)
{
    const QString name = QString::fromUtf8(GetParam().remembered);
    Preferences::current().windowSizes.insert(name, QSize(640, 480));

    ASSERT_NE(window(0), nullptr);
    QWidget* shown = GetParam().open(*main, *window(0));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->size(), QSize(640, 480));
    shown->resize(700, 500);

    EXPECT_EQ(Preferences::current().windowSizes.value(name), QSize(700, 500));
}

INSTANTIATE_TEST_SUITE_P(Windows, RememberedSizeTest,
    testing::Values(SizeCase { "FamilyTree", "family tree",
                        [](frmMain& main, frmObject&) -> QWidget* {
                            main.P_FamilyTree->trigger();
                            return main.FamilyTree();
                        } },
        SizeCase { "LargeView", "large view",
            [](frmMain&, frmObject& picture) -> QWidget* {
                picture.P_ViewLarge->trigger();
                return picture.largeView();
            } }),
    [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

struct FolderCase {
    const char* name;
    const char* remembered;
    // The menu item of the family tree's right-click menu, on picture 0 or beside it.
    const char* item;
    bool onPicture;
};

void PrintTo(const FolderCase& c, std::ostream* out)
{
    *out << c.name;
}

class RememberedFolderTest : public RememberedTest, public testing::WithParamInterface<FolderCase> {
protected:
    // Chooses the item from the family tree's right-click menu, which runs until it is chosen.
    static void chooseFromMenu(FamilyTreeWindow* tree, const QPoint& at, const QString& item)
    {
        QTimer::singleShot(0, tree, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (action->text() == item)
                    menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &event);
    }
};

TEST_P(RememberedFolderTest, TheFamilyTreesFileDialogStartsInTheFolderItLastUsed)
{
    const QString name = QString::fromUtf8(GetParam().remembered);
    QDir().mkpath(path(QStringLiteral("before")));
    QDir().mkpath(path(QStringLiteral("after")));
    Preferences::current().folders.insert(name, path(QStringLiteral("before")));
    main->P_FamilyTree->trigger();
    FamilyTreeWindow* tree = main->FamilyTree();
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tree));
    const QPoint at = GetParam().onPicture ? tree->mapFromScene(tree->node(0)->sceneBoundingRect().center())
                                           : tree->viewport()->rect().bottomRight() - QPoint(4, 4);

    chooseFromMenu(tree, at, QString::fromUtf8(GetParam().item));

    auto* dialog = tree->findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->directory().absolutePath(), path(QStringLiteral("before")));
    emit dialog->fileSelected(path(QStringLiteral("after/chosen.png")));
    EXPECT_EQ(Preferences::current().folders.value(name), path(QStringLiteral("after")));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RememberedFolderTest,
    testing::Values(FolderCase { "SaveGeneticCodeAs", "save genetic code", "&Save Genetic Code As...", true },
        FolderCase { "ExportFamilyTree", "export family tree", "Export &Family Tree...", false }),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

TEST_F(RememberedTest, TheExportDialogStartsInTheFolderOfTheLastExport)
{
    QDir().mkpath(path(QStringLiteral("pictures")));
    window(0)->P_Export->trigger();
    auto* first = window(0)->findChild<ExportDialog*>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->txtFile->text(), path(QStringLiteral("picture-0.png")));
    first->txtFile->setText(path(QStringLiteral("pictures/tree.svg")));
    QTest::mouseClick(first->btnExport, Qt::LeftButton);
    WindowTesting::flushDeletions();
    ASSERT_TRUE(QFileInfo::exists(path(QStringLiteral("pictures/tree.svg"))));

    window(0)->P_Export->trigger();
    auto* second = window(0)->findChild<ExportDialog*>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->txtFile->text(), path(QStringLiteral("pictures/picture-0.png")));
}

} // namespace
