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
#include <optional>

namespace {

void nameApplication()
{
    // The data and configuration folders are named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("vantrell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
}

// Answers a command line that asks for the help or the version, or that does not parse, without a display: gives the
// program's exit status then (0, or 2 for a usage error), nothing when the program is to start.
std::optional<int> answeredWithoutDisplay(const StartArguments::Parsed& arguments, int& argc, char** argv)
{
    using Action = StartArguments::Parsed::Action;
    if (arguments.action == Action::Start)
        return std::nullopt;
    const QCoreApplication app(argc, argv);
    nameApplication();
    switch (arguments.action) {
    case Action::Help:
        std::fputs(qPrintable(StartArguments::helpText()), stdout);
        return 0;
    case Action::Version:
        std::fputs(qPrintable(StartArguments::versionText()), stdout);
        return 0;
    case Action::UsageError:
    case Action::Start:
        break;
    }
    std::fprintf(stderr, "vantrell: %s\n\n%s", qPrintable(arguments.error), qPrintable(StartArguments::helpText()));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given.append(QString::fromLocal8Bit(argv[i]));
    const StartArguments::Parsed arguments = StartArguments::parse(given);
    if (const std::optional<int> status = answeredWithoutDisplay(arguments, argc, argv))
        return *status;
    QApplication app(argc, argv);
    nameApplication();
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
