// Runs every benchmark on the offscreen platform and prints the figures the targets are set in.

#include "harness/BenchReporter.h"
#include "harness/BenchSummary.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about every window it shows, which would bury the figures.
    qputenv("QT_LOGGING_RULES", "default.warning=false");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchReporter reporter(isatty(fileno(stdout)) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    BenchSummary::print(reporter.nanoseconds);
    benchmark::Shutdown();
    return 0;
}
