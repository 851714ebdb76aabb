#pragma once
// The help a command-line parser gives, naming the program as it is typed rather than by the path it was started
// from.

#include <QString>

class QCommandLineParser;

namespace CommandLineHelp {

QString text(const QCommandLineParser& parser);

} // namespace CommandLineHelp
