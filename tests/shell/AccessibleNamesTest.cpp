// What a screen reader finds in every window: each control named by its caption, or by what it is for, and the
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
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// The controls a user meets in window: buttons, boxes, labels, lists, menus and whatever takes the keyboard; the
// parts a control is made of (a spin box's text, a list's scroll bars and header, the menu bar's overflow button)
// speak through it.
QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        bool part = false;
        for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || qobject_cast<QAbstractSpinBox*>(up) || qobject_cast<QAbstractScrollArea*>(up)
                || qobject_cast<QMenuBar*>(up);
        if (widget->window() != window || part || qobject_cast<QAbstractScrollArea*>(window))
            continue;
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
            || qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QLabel*>(widget)
            || qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QMenuBar*>(widget)
            || widget->focusPolicy() != Qt::NoFocus)
            controls.append(widget);
    }
    return controls;
}

class AccessibleNamesTest : public OpenTest {
protected:
    AccessibleNamesTest()
    {
        GeneFileWriter::Save(PictureCodes::wideTree(), path(QStringLiteral("tree.gen")));
        GeneFileWriter::Save(PictureCodes::trunk(500, 8, Qt::red), path(QStringLiteral("trunk.gen")));
    }
};

struct WindowCase {
    const char* name;
    // Opens the window, the full tree of tree.gen open as picture 0 in the picture window given.
    std::function<QWidget*(frmMain&, frmObject&)> open;
};

void PrintTo(const WindowCase& c, std::ostream* out)
{
    *out << c.name;
}

class AccessibleNamesWindowTest : public AccessibleNamesTest, public testing::WithParamInterface<WindowCase> { };

TEST_P(AccessibleNamesWindowTest, EveryControlHasAName)
{
    open(QStringLiteral("0"), path(QStringLiteral("tree.gen")));

    ASSERT_NE(window(0), nullptr);
    QWidget* shown = GetParam().open(*main, *window(0));

    ASSERT_NE(shown, nullptr);
    QList<QWidget*> controls = controlsOf(shown);
    // A view that is itself the control is named as one.
    if (qobject_cast<QAbstractScrollArea*>(shown) || qobject_cast<LargeView*>(shown))
        controls.append(shown);
    // Each of its menus too, but the menu bar's overflow button's own.
    QList<QMenu*> buttonMenus;
    for (QToolButton* button : shown->findChildren<QToolButton*>())
        buttonMenus.append(button->menu());
    for (QMenu* menu : shown->findChildren<QMenu*>())
        if (!buttonMenus.contains(menu))
            controls.append(menu);
    EXPECT_FALSE(controls.isEmpty());
    for (QWidget* control : controls)
        EXPECT_FALSE(control->accessibleName().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNamesWindowTest,
    testing::Values(WindowCase { "MainWindow", [](frmMain& main, frmObject&) -> QWidget* { return &main; } },
        WindowCase { "PictureWindow", [](frmMain&, frmObject& picture) -> QWidget* { return &picture; } },
        WindowCase { "LargeView",
            [](frmMain&, frmObject& picture) -> QWidget* {
                picture.P_ViewLarge->trigger();
                return picture.largeView();
            } },
        WindowCase { "ExportDialog",
            [](frmMain&, frmObject& picture) -> QWidget* {
                picture.P_Export->trigger();
                return picture.findChild<ExportDialog*>();
            } },
        WindowCase { "FamilyTree",
            [](frmMain& main, frmObject&) -> QWidget* {
                main.P_FamilyTree->trigger();
                return main.FamilyTree();
            } },
        WindowCase { "RecoverRun",
            [](frmMain& main, frmObject&) -> QWidget* {
                main.P_RecoverRun->trigger();
                return main.RecoverRunWindow();
            } },
        WindowCase { "ErrorMR", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<ErrorMR>(); } },
        WindowCase {
            "AboutVantrell", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<AboutVantrell>(); } },
        WindowCase { "AboutCorvane", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<AboutCorvane>(); } },
        WindowCase { "AboutAuthor", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<AboutAuthor>(); } },
        WindowCase { "License", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<License>(); } },
        WindowCase { "Info", [](frmMain&, frmObject&) -> QWidget* { return &Dialogs::Load<Info>(); } }),
    [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

TEST_F(AccessibleNamesTest, TheDrawingIsDescribedByItsPictureAndItsSegments)
{
    open(QStringLiteral("0"), path(QStringLiteral("tree.gen")));
    open(QStringLiteral("0"), path(QStringLiteral("trunk.gen")));

    EXPECT_EQ(window(0)->picDraw->accessibleDescription(), QStringLiteral("Picture 0: 4095 segments"));
    EXPECT_EQ(window(1)->picDraw->accessibleDescription(), QStringLiteral("Picture 1: 1 segment"));
}

} // namespace
