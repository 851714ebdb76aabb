#include "shell/StartArguments.h"

#include "core/platform/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace StartArguments {

namespace {

void addStartOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Breeds pictures with a genetic algorithm. Each FILE opens as a picture, in the order given, as if its "
        "name were typed into the main window and Open pressed: read exactly as saved. With --breed the files are "
        "instead the parents of the Breed window's first generation."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Genetic code files to open, in this order."),
        QStringLiteral("[FILE...]"));
    parser.addOption(QCommandLineOption(QStringLiteral("breed"),
        QStringLiteral("Open the Breed window, its first generation bred from the FILEs, or random without any.")));
    parser.addHelpOption();
    parser.addVersionOption();
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
    } else {
        parsed.files = parser.positionalArguments();
        parsed.breed = parser.isSet(QStringLiteral("breed"));
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
