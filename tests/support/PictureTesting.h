#pragma once
// Opens pictures of known genetic codes in real picture windows, and finds the windows that leave them.

#include "core/genefile/GeneFileWriter.h"
#include "support/FileTesting.h"
#include "support/OpenTesting.h"
#include "ui/export/ExportDialog.h"
#include "ui/largeview/LargeView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>

// Waits until the window has the keyboard. (A window-modal child counts as active with its parent
// before it has it.)
inline bool activated(QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

class PictureTest : public OpenTest {
protected:
    // Opens a picture read from a file of this code at rate 0, so that it holds the code exactly.
    frmObject* openPicture(const GeneticCode& code)
    {
        const QString name = QStringLiteral("code-%1.gen").arg(modObject::NextID);
        GeneFileWriter::Save(code, path(name));
        const int id = modObject::NextID;
        open(QStringLiteral("0"), name);
        frmObject* form = window(id);
        EXPECT_NE(form, nullptr);
        if (form) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
            form->activateWindow();
            EXPECT_TRUE(activated(form));
        }
        return form;
    }

    // The one visible window of this class, or null.
    template <typename Window> static Window* shown()
    {
        Window* found = nullptr;
        for (Window* w : WindowTesting::windowsOf<Window>()) {
            if (w->isVisible()) {
                EXPECT_EQ(found, nullptr) << "more than one is showing";
                found = w;
            }
        }
        return found;
    }

    // Presses keys with the focus where it is.
    static void press(QKeySequence keys)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QKeyCombination key = keys[0];
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    }

    // The menu a right click at the middle of this widget opens, or null.
    static QMenu* rightClick(QWidget* widget)
    {
        const QPoint middle = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
        QApplication::sendEvent(widget, &event);
        return shown<QMenu>();
    }

    // Chooses an item of an open menu with the mouse.
    static void choose(QMenu* menu, QAction* item)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
};
