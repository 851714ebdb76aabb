// What windows remember for the next time and the next run: the sizes of the family tree and the large view, and
// the folder the export last used.

#include "program/Preferences.h"
#include "support/OpenTesting.h"
#include "ui/export/ExportDialog.h"
#include "ui/familytree/FamilyTreeWindow.h"
#include "ui/largeview/LargeView.h"

#include <QAction>

#include <gtest/gtest.h>

namespace {

class RememberedTest : public OpenTest, public testing::WithParamInterface<bool> {
protected:
    RememberedTest() { open(QStringLiteral("0")); }
};

TEST_P(RememberedTest, AWindowOpensAtTheSizeItLastHadAndKeepsEachNewOne)
{
    const QString name = GetParam() ? QStringLiteral("family tree") : QStringLiteral("large view");
    Preferences::change([&](UserSettings& settings) { settings.windowSizes.insert(name, QSize(640, 480)); });

    (GetParam() ? main->P_FamilyTree : window(0)->P_ViewLarge)->trigger();

    QWidget* shown = GetParam() ? static_cast<QWidget*>(main->FamilyTree()) : window(0)->largeView();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->size(), QSize(640, 480));
    shown->resize(700, 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Preferences::current().windowSizes.value(name) == QSize(700, 500); }));
    // Hidden before its size settles, the window keeps that size all the same.
    shown->resize(720, 520);
    shown->hide();
    EXPECT_EQ(Preferences::current().windowSizes.value(name), QSize(720, 520));
}

INSTANTIATE_TEST_SUITE_P(FamilyTreeAndLargeView, RememberedTest, testing::Bool());

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

    window(0)->P_Export->trigger();
    auto* second = window(0)->findChild<ExportDialog*>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->txtFile->text(), path(QStringLiteral("pictures/picture-0.png")));
}

} // namespace
