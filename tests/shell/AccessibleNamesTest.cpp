// What a screen reader finds in every window: each control named, by its caption or by what it is for, and the
// picture window's drawing given a description of its picture and its segments.

#include "core/genefile/GeneFileWriter.h"
#include "support/OpenTesting.h"
#include "support/PictureCodes.h"
#include "ui/largeview/LargeView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

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

// The name a screen reader says: the accessible name, else the control's own caption, text or label.
QString spokenName(QWidget* control)
{
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

TEST_F(OpenTest, EveryControlOfEveryWindowHasANameAndTheDrawingADescription)
{
    GeneFileWriter::Save(PictureCodes::wideTree(), path(QStringLiteral("tree.gen")));
    GeneFileWriter::Save(PictureCodes::trunk(500, 8, Qt::red), path(QStringLiteral("trunk.gen")));
    open(QStringLiteral("0"), path(QStringLiteral("tree.gen")));
    open(QStringLiteral("0"), path(QStringLiteral("trunk.gen")));
    tick(window(0));
    tick(window(1));
    // With the six dialogs made at start-up: every window there is.
    for (QAction* opens : { window(0)->P_ViewLarge, window(0)->P_Export, window(0)->P_EditGenes, main->P_AnimateTicked,
             main->P_FamilyTree, main->P_RecoverRun, main->P_Breed })
        opens->trigger();
    main->OpenAlbum(QDir::currentPath());

    int windows = 0;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu*>(shown) || shown->windowTitle().isEmpty())
            continue;
        ++windows;
        // A window is named by its caption; a view that is a control of its own, by its name.
        QList<QWidget*> controls;
        if (qobject_cast<QAbstractScrollArea*>(shown) || qobject_cast<LargeView*>(shown))
            controls.append(shown);
        for (QWidget* widget : shown->findChildren<QWidget*>())
            if (!isPart(widget, shown)
                && (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)
                    || qobject_cast<QMenu*>(widget) || widget->focusPolicy() != Qt::NoFocus))
                controls.append(widget);
        for (QWidget* control : controls)
            EXPECT_FALSE(spokenName(control).isEmpty())
                << shown->windowTitle().toStdString() << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString();
    }
    // The main window, two pictures, the large view, the export dialog, the genes editor, the animation, the family
    // tree, the recovery, the Breed window, the album and six dialogs.
    EXPECT_EQ(windows, 17);
    EXPECT_EQ(window(0)->picDraw->accessibleDescription(), QStringLiteral("Picture 0: 4095 segments"));
    EXPECT_EQ(window(1)->picDraw->accessibleDescription(), QStringLiteral("Picture 1: 1 segment"));
}

} // namespace
