#include "shell/StartArguments.h"

#include "core/platform/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace StartArguments {

namespace {

const QString AlbumOption = QStringLiteral("album");
const QString BreedOption = QStringLiteral("breed");

void addStartOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Breeds pictures with a genetic algorithm. Each FILE opens as a picture, in the order given, as if its "
        "name were typed into the main window and Open pressed: read exactly as saved. With --breed the files are "
        "instead the parents of the Breed window's first generation."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Genetic code files to open, in this order."),
        QStringLiteral("[FILE...]"));
    parser.addOption({ BreedOption,
        QStringLiteral("Opens the Breed window, its first generation bred from the FILEs, or random without any.") });
    parser.addOption({ AlbumOption,
        QStringLiteral("Shows every genetic code file of the one folder given in place of the files (the working "
                       "folder when none is) in an album.") });
    parser.addHelpOption();
    parser.addVersionOption();
    // The options the windowing toolkit takes for itself, which it removes before the program sees its arguments:
    // known here too, so that a command line can be judged before there is a display.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "name",
             "style", "stylesheet", "fn", "font", "bg", "background", "fg", "foreground", "btn", "button", "im",
             "inputstyle", "visual", "ncols", "cmap" }) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : { "reverse", "widgetcount", "nograb", "dograb", "sync" }) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

Parsed parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    addStartOptions(parser);
    Parsed parsed;
    if (!parser.parse(arguments)) {
        parsed.action = Parsed::Action::UsageError;
        parsed.error = parser.errorText();
    } else if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        parsed.action = Parsed::Action::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        parsed.action = Parsed::Action::Version;
    } else if (parser.isSet(AlbumOption) && parser.isSet(BreedOption)) {
        parsed.action = Parsed::Action::UsageError;
        parsed.error = QStringLiteral("--album and --breed cannot be given together.");
    } else if (parser.isSet(AlbumOption)) {
        const QStringList folders = parser.positionalArguments();
        if (folders.size() > 1) {
            parsed.action = Parsed::Action::UsageError;
            parsed.error = QStringLiteral("--album shows one folder, not %1.").arg(folders.size());
        } else {
            parsed.album = folders.isEmpty() ? QDir::currentPath() : folders.front();
        }
    } else {
        parsed.files = parser.positionalArguments();
        parsed.breed = parser.isSet(BreedOption);
    }
    return parsed;
}

QString helpText()
{
    QCommandLineParser parser;
    addStartOptions(parser);
    return CommandLineHelp::text(parser);
}

QString versionText()
{
    return QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

} // namespace StartArguments
