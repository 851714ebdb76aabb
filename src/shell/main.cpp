// Starts Vantrell: the main window, the pictures of the files named on the command line (or the Breed window bred from
// them), then the event loop until the main window ends the program.

#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "core/settings/SettingsFile.h"
#include "program/Preferences.h"
#include "program/modObject.h"
#include "shell/StartArguments.h"
#include "shell/frmMain.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/picture/FormWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFont>

#include <cstdio>

namespace {

void nameApplication()
{
    // The data and configuration folders are named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("vantrell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
}

// Prints the help or the version when the command line asks for one, without a display: Qt's own options, which
// only a display takes, are not looked at yet.
bool answeredWithoutDisplay(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartArguments::Parsed::Action action = StartArguments::parse(arguments).action;
    if (action != StartArguments::Parsed::Action::Help && action != StartArguments::Parsed::Action::Version)
        return false;
    const QCoreApplication app(argc, argv);
    nameApplication();
    const QString text
        = action == StartArguments::Parsed::Action::Help ? StartArguments::helpText() : StartArguments::versionText();
    std::fputs(qPrintable(text), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (answeredWithoutDisplay(argc, argv))
        return 0;
    QApplication app(argc, argv);
    nameApplication();
    const StartArguments::Parsed arguments = StartArguments::parse(QCoreApplication::arguments());
    if (arguments.action == StartArguments::Parsed::Action::UsageError) {
        std::fprintf(stderr, "vantrell: %s\n\n%s", qPrintable(arguments.error), qPrintable(StartArguments::helpText()));
        return 2;
    }
    // The layouts were made for a small dialog font; at the platform's larger default their labels would be clipped.
    QFont font = QApplication::font();
    font.setPointSizeF(7.5);
    QApplication::setFont(font);
    // Only the main window ends the program, even when the last picture window closes while it is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Preferences::load(SettingsFile::standardPath());
    const QString journals = JournalFolder::standardFolder();
    JournalFolder::prune(journals);
    {
        // Made first, so it outlives the window and hears how the run ends.
        Journal journal(journals, QDateTime::currentDateTime());
        frmMain window;
        installPictureWindows(window.commands());
        window.AttachJournal(journal);
        window.show();
        if (arguments.breed)
            window.BreedFromFiles(arguments.files);
        else
            window.OpenFiles(arguments.files);
        if (!arguments.album.isEmpty())
            window.OpenAlbum(arguments.album);
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
