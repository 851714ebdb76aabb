#include "core/platform/CommandLineHelp.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLineHelp {

QString text(const QCommandLineParser& parser)
{
    QString help = parser.helpText();
    const QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        help.replace(QStringLiteral("Usage: %1 ").arg(arguments.first()),
            QStringLiteral("Usage: %1 ").arg(QCoreApplication::applicationName()));
    return help;
}

} // namespace CommandLineHelp
