// Runs every benchmark on the offscreen platform and prints the figures the targets are set in.

#include "BenchReporter.h"
#include "BenchSummary.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    BenchReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    BenchSummary::print(reporter.nanoseconds);
    benchmark::Shutdown();
    return 0;
}
