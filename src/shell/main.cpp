// Starts Vantrell: the main window, then the event loop until the main window ends the program.

#include "dialogs/Dialogs.h"
#include "picture/FormWindow.h"
#include "shell/frmMain.h"
#include "shell/modObject.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The layouts were made for a small dialog font; at the platform's larger default their labels would be clipped.
    QFont font = QApplication::font();
    font.setPointSizeF(7.5);
    QApplication::setFont(font);
    // Only the main window ends the program, even when the last picture window closes while it is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    installPictureWindows();
    {
        frmMain window;
        window.show();
        QApplication::exec();
    }
    // Every window goes while the application still exists: pictures with their windows, dialogs, message boxes.
    modObject::InitObject();
    Dialogs::DestroyAll();
    for (QWidget* leftover : QApplication::topLevelWidgets())
        leftover->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
