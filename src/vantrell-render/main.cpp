// vantrell-render: renders genetic code files as pictures and contact sheets, without a display.

#include "core/platform/QuietMessages.h"
#include "vantrell-render/CommandLine.h"
#include "vantrell-render/RenderRun.h"
#include "vantrell-render/Thumbnail.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Whether the command line asks for a thumbnail, which a file manager waits for.
bool asksForThumbnail(int argc, char** argv)
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--thumbnail") == 0 || std::strncmp(argument, "--thumbnail=", 12) == 0;
    });
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures are drawn into memory; no display is needed, or used when there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session (as root, from cron, in CI) Qt says so on every start; it tells nothing here.
    QuietMessages::install({ QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR") });
    // A thumbnail needs neither the palette nor fonts: without the window system's plugin and the font
    // configuration, it is written in half the time.
    const bool thumbnail = asksForThumbnail(argc, argv);
    const std::unique_ptr<QCoreApplication> app
        = thumbnail ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QGuiApplication>(argc, argv);
    // Nor any plugin: PNG has a writer built in, and looking through the image format plugins takes time too.
    if (thumbnail)
        QCoreApplication::setLibraryPaths({});
    QCoreApplication::setApplicationName(QStringLiteral("vantrell-render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELL_VERSION));
    // Random codes come out the same on every machine; the reader takes either decimal separator.
    QLocale::setDefault(QLocale::c());

    const CommandLine::Parsed parsed = CommandLine::parse(QCoreApplication::arguments());
    switch (parsed.action) {
    case CommandLine::Parsed::Action::Help:
    case CommandLine::Parsed::Action::Version:
        std::fputs(qPrintable(parsed.text), stdout);
        return 0;
    case CommandLine::Parsed::Action::UsageError:
        std::fprintf(stderr, "vantrell-render: %s", qPrintable(parsed.text));
        return 2;
    case CommandLine::Parsed::Action::Render:
        break;
    }
    if (parsed.request.thumbnail > 0) {
        const QString error
            = Thumbnail::write(parsed.request.thumbnail, parsed.request.files.front(), parsed.request.output);
        if (error.isEmpty())
            return 0;
        std::fprintf(stderr, "vantrell-render: %s\n", qPrintable(error));
        return 1;
    }
    const QStringList failures = RenderRun::run(parsed.request);
    for (const QString& failure : failures)
        std::fprintf(stderr, "vantrell-render: %s\n", qPrintable(failure));
    return failures.isEmpty() ? 0 : 1;
}
