// Starts Vantrell: the main window, then the event loop until the main window ends the program.

#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "program/modObject.h"
#include "shell/frmMain.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/picture/FormWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
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
    // The data folder is named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("vantrell"));
    const QString journals = JournalFolder::standardFolder();
    JournalFolder::prune(journals);
    {
        // Made first, so it outlives the window and hears how the run ends.
        Journal journal(journals, QDateTime::currentDateTime());
        frmMain window;
        installPictureWindows(window.commands());
        window.AttachJournal(journal);
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
