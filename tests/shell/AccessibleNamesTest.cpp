// What a screen reader finds in every window: each control named, by its caption or by what it is for, and the
// picture window's drawing described by its picture and its segments.

#include "core/genefile/GeneFileWriter.h"
#include "support/OpenTesting.h"
#include "support/PictureCodes.h"
#include "ui/dialogs/AboutAuthor.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/AboutVantrell.h"
#include "ui/dialogs/ErrorMR.h"
#include "ui/dialogs/Info.h"
#include "ui/dialogs/License.h"
#include "ui/export/ExportDialog.h"
#include "ui/familytree/FamilyTreeWindow.h"
#include "ui/largeview/LargeView.h"
#include "ui/recovery/RecoverRunDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <functional>
#include <gtest/gtest.h>

namespace {

// Whether widget is a part a control of window is made of (a spin box's text, a list's scroll bars, the menu bar's
// overflow button, a view's viewport), which speaks through that control.
bool isPart(const QWidget* widget, const QWidget* window)
{
    if (qobject_cast<const QAbstractScrollArea*>(window))
        return true;
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up)
            || qobject_cast<const QMenuBar*>(up) || qobject_cast<const QToolButton*>(up))
            return true;
    return false;
}

using Opener = std::function<QWidget*(frmMain&, frmObject&)>;

class AccessibleNamesTest : public OpenTest, public testing::WithParamInterface<std::pair<const char*, Opener>> {
protected:
    AccessibleNamesTest()
    {
        GeneFileWriter::Save(PictureCodes::wideTree(), path(QStringLiteral("tree.gen")));
        GeneFileWriter::Save(PictureCodes::trunk(500, 8, Qt::red), path(QStringLiteral("trunk.gen")));
        open(QStringLiteral("0"), path(QStringLiteral("tree.gen")));
    }
};

TEST_P(AccessibleNamesTest, EveryControlHasAName)
{
    ASSERT_NE(window(0), nullptr);
    QWidget* shown = GetParam().second(*main, *window(0));
    ASSERT_NE(shown, nullptr);

    QList<QWidget*> controls { shown };
    for (QWidget* widget : shown->findChildren<QWidget*>())
        if (!isPart(widget, shown)
            && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget) || qobject_cast<QMenu*>(widget)
                || widget->focusPolicy() != Qt::NoFocus))
            controls.append(widget);
    // A window is named by its caption; a view that is a control of its own, by its accessible name.
    if (!qobject_cast<QAbstractScrollArea*>(shown) && !qobject_cast<LargeView*>(shown))
        controls.removeFirst();
    for (QWidget* control : controls)
        EXPECT_FALSE(control->accessibleName().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
}

template <typename Dialog> std::pair<const char*, Opener> dialog(const char* name)
{
    return { name, [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<Dialog>(); } };
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNamesTest,
    testing::Values(std::pair<const char*, Opener> { "Main", [](frmMain& main, frmObject&) { return &main; } },
        std::pair<const char*, Opener> { "Picture", [](frmMain&, frmObject& picture) { return &picture; } },
        std::pair<const char*, Opener> { "LargeView",
            [](frmMain&, frmObject& picture) -> QWidget* {
                picture.P_ViewLarge->trigger();
                return picture.largeView();
            } },
        std::pair<const char*, Opener> { "Export",
            [](frmMain&, frmObject& picture) -> QWidget* {
                picture.P_Export->trigger();
                return picture.findChild<ExportDialog*>();
            } },
        std::pair<const char*, Opener> { "FamilyTree",
            [](frmMain& main, frmObject&) -> QWidget* {
                main.P_FamilyTree->trigger();
                return main.FamilyTree();
            } },
        std::pair<const char*, Opener> { "RecoverRun",
            [](frmMain& main, frmObject&) -> QWidget* {
                main.P_RecoverRun->trigger();
                return main.RecoverRunWindow();
            } },
        dialog<ErrorMR>("ErrorMR"), dialog<AboutVantrell>("AboutVantrell"), dialog<AboutCorvane>("AboutCorvane"),
        dialog<AboutAuthor>("AboutAuthor"), dialog<License>("License"), dialog<Info>("Info")),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(AccessibleNamesTest, TheDrawingIsDescribedByItsPictureAndItsSegments)
{
    open(QStringLiteral("0"), path(QStringLiteral("trunk.gen")));

    EXPECT_EQ(window(0)->picDraw->accessibleDescription(), QStringLiteral("Picture 0: 4095 segments"));
    EXPECT_EQ(window(1)->picDraw->accessibleDescription(), QStringLiteral("Picture 1: 1 segment"));
}

} // namespace
