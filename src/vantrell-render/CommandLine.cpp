#include "vantrell-render/CommandLine.h"

#include "core/animation/FrameTiming.h"
#include "core/export/AnimationRender.h"
#include "core/platform/CommandLineHelp.h"
#include "core/thumbnails/ThumbnailImage.h"
#include "core/webpage/WebPage.h"
#include "vantrell-render/JobList.h"
#include "vantrell-render/RandomCodes.h"

#include <QColor>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace CommandLine {

namespace {

// The thread count is for tests and benchmarks, which compare one thread with all.
constexpr int MaxThreads = 1024;
constexpr int MaxColumns = 1000;

// "0.2 to 10": the paces an animation takes, in seconds from one picture to the next.
QString paceRange()
{
    return QStringLiteral("%1 to %2").arg(FrameTiming::MinSecondsPerStep).arg(FrameTiming::MaxSecondsPerStep);
}

// A usage error: says what is wrong, before the help.
struct Refusal {
    QString why;
};

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Renders Vantrell genetic code files as PNG, SVG or PDF pictures, "
                       "morphs them into an animated WebP or GIF, or shows them on a web page, without a display."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Genetic code files to render, in this order."),
        QStringLiteral("FILE..."));
    parser.addOptions({
        { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("Write the one FILE's picture as PATH."),
            QStringLiteral("PATH") },
        { { QStringLiteral("d"), QStringLiteral("output-dir") },
            QStringLiteral("Write each FILE's picture into DIR, named after FILE with the format's suffix."),
            QStringLiteral("DIR") },
        { { QStringLiteral("f"), QStringLiteral("format") },
            QStringLiteral("png, svg or pdf (default: the output's suffix, else png)."), QStringLiteral("FORMAT") },
        { { QStringLiteral("s"), QStringLiteral("scale") },
            QStringLiteral("Pixels for each pixel of the window's drawing, 1 to 32 (default 1)."), QStringLiteral("N"),
            QStringLiteral("1") },
        { QStringLiteral("whole"), QStringLiteral("The whole tree instead of the window's frame.") },
        { QStringLiteral("smooth"), QStringLiteral("Antialiased edges (the default above scale 1).") },
        { QStringLiteral("no-smooth"), QStringLiteral("Every pixel in its segment's own colour, as in the window.") },
        { QStringLiteral("background"),
            QStringLiteral("The background: a colour name or #rrggbb (default: the window's)."),
            QStringLiteral("COLOR") },
        { QStringLiteral("transparent"), QStringLiteral("No background.") },
        { QStringLiteral("no-done"), QStringLiteral("As Genes > Done unticked: Done traits end no branch.") },
        { QStringLiteral("draw"), QStringLiteral("As Genes > Draw ticked: Draw traits hide segments.") },
        { QStringLiteral("sheet"),
            QStringLiteral("Also write one contact sheet of every FILE with its name (.png, .svg or .pdf)."),
            QStringLiteral("PATH") },
        { QStringLiteral("columns"), QStringLiteral("Pictures in a row of the sheet (default: a square)."),
            QStringLiteral("N") },
        { QStringLiteral("random"),
            QStringLiteral("First write N random genetic codes, rendered too with -d or --sheet."),
            QStringLiteral("N") },
        { QStringLiteral("seed"), QStringLiteral("The seed of the random codes: the same S, the same files."),
            QStringLiteral("S") },
        { QStringLiteral("prefix"),
            QStringLiteral("Random codes are named P0001.gen, P0002.gen, ... (default random-)."), QStringLiteral("P"),
            QStringLiteral("random-") },
        { QStringLiteral("animate"),
            QStringLiteral("Morph the two or more FILEs, in their order, into one animation written as the "
                           "--output PATH (.webp or .gif), looping forever.") },
        { QStringLiteral("seconds-per-step"),
            QStringLiteral("With --animate: seconds from one picture to the next, %1 (default 1).").arg(paceRange()),
            QStringLiteral("S"), QStringLiteral("1") },
        { QStringLiteral("fps"), QStringLiteral("With --animate: frames per second, 1 to 60 (default 30)."),
            QStringLiteral("F"), QStringLiteral("30") },
    });
    parser.addOption({ QStringLiteral("web"),
        QStringLiteral("Write the FILEs, in their order, as one web page into the new or empty folder DIR: index.html, "
                       "its style sheet, and each picture's thumbnail, SVG (at scale 4 unless -s says otherwise) and "
                       "genetic code file. Usage: --web DIR FILE..."),
        QStringLiteral("DIR") });
    parser.addOption({ QStringLiteral("thumbnail"),
        QStringLiteral("Only write the thumbnail of the one FILE as the PNG file OUT: its whole tree fitted into N x N "
                       "pixels, smooth, on a transparent background, as file managers ask for it. Usage: --thumbnail N "
                       "FILE OUT"),
        QStringLiteral("N") });
    QCommandLineOption threads(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    threads.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(threads);
    parser.addHelpOption();
    parser.addVersionOption();
}

int integer(const QCommandLineParser& parser, const QString& option, int low, int high, const QString& range)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        throw Refusal { QStringLiteral("--%1 takes %2, not \"%3\"").arg(option, range, parser.value(option)) };
    return value;
}

void refuseTogether(const QCommandLineParser& parser, const QString& a, const QString& b)
{
    if (parser.isSet(a) && parser.isSet(b))
        throw Refusal { QStringLiteral("--%1 and --%2 cannot be given together").arg(a, b) };
}

void refuseWithout(const QCommandLineParser& parser, const QString& option, const QString& needed)
{
    if (parser.isSet(option) && !parser.isSet(needed))
        throw Refusal { QStringLiteral("--%1 needs --%2").arg(option, needed) };
}

// --animate: two or more files morphed into the one animation -o names, at the pace and frame rate given.
void readAnimation(const QCommandLineParser& parser, RenderRequest& request)
{
    for (const char* option : { "output-dir", "format", "sheet", "columns", "random", "seed", "prefix" })
        refuseTogether(parser, QStringLiteral("animate"), QString::fromLatin1(option));
    request.animate = true;
    bool ok = false;
    const QString seconds = parser.value(QStringLiteral("seconds-per-step"));
    request.secondsPerStep = seconds.toDouble(&ok);
    if (!ok
        || !(request.secondsPerStep >= FrameTiming::MinSecondsPerStep
            && request.secondsPerStep <= FrameTiming::MaxSecondsPerStep))
        throw Refusal {
            QStringLiteral("--seconds-per-step takes a number from %1, not \"%2\"").arg(paceRange(), seconds)
        };
    request.framesPerSecond = integer(parser, QStringLiteral("fps"), 1, Drawing::MaxFramesPerSecond,
        QStringLiteral("a whole number from 1 to %1").arg(Drawing::MaxFramesPerSecond));
    if (std::lround(request.secondsPerStep * request.framesPerSecond) < 1)
        throw Refusal { QStringLiteral("--seconds-per-step %1 at --fps %2 leaves no frame from one picture to the next")
                            .arg(seconds)
                            .arg(request.framesPerSecond) };
    if (request.files.size() < 2)
        throw Refusal { QStringLiteral("--animate needs two genetic code files or more") };
    if (request.output.isEmpty())
        throw Refusal { QStringLiteral("--animate needs --output, a name ending in .webp or .gif") };
    if (!Drawing::animationFormatOfFileName(request.output))
        throw Refusal {
            QStringLiteral("--animate writes a name ending in .webp or .gif, not \"%1\"").arg(request.output)
        };
    const QString output = QFileInfo(request.output).absoluteFilePath();
    for (const QString& file : request.files) {
        if (QFileInfo(file).absoluteFilePath() == output)
            throw Refusal { QStringLiteral("--output \"%1\" is one of the files to animate").arg(request.output) };
    }
}

// --web: the files as one web page in the folder given, drawn with the drawing options.
void readWeb(const QCommandLineParser& parser, RenderRequest& request)
{
    for (const char* option : { "output", "output-dir", "format", "sheet", "columns", "random", "seed", "prefix",
             "animate", "seconds-per-step", "fps" })
        refuseTogether(parser, QStringLiteral("web"), QString::fromLatin1(option));
    request.web = parser.value(QStringLiteral("web"));
    if (request.web.isEmpty())
        throw Refusal { QStringLiteral("--web needs a folder name") };
    if (request.files.isEmpty())
        throw Refusal { QStringLiteral("--web needs genetic code files to show") };
}

// The one thumbnail file managers ask for, with no other option.
RenderRequest thumbnailRequestOf(const QCommandLineParser& parser)
{
    RenderRequest request;
    request.thumbnail = integer(parser, QStringLiteral("thumbnail"), 1, ThumbnailImage::MaxSize,
        QStringLiteral("a whole number from 1 to %1").arg(ThumbnailImage::MaxSize));
    if (parser.optionNames().size() > 1)
        throw Refusal { QStringLiteral("--thumbnail takes no other option") };
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        throw Refusal { QStringLiteral("--thumbnail takes a genetic code file and the PNG file to write") };
    request.files = { files.at(0) };
    request.output = files.at(1);
    return request;
}

RenderRequest requestOf(const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("thumbnail")))
        return thumbnailRequestOf(parser);
    RenderRequest request;
    request.files = parser.positionalArguments();
    request.output = parser.value(QStringLiteral("output"));
    request.outputDir = parser.value(QStringLiteral("output-dir"));
    if (parser.isSet(QStringLiteral("output")) && request.output.isEmpty())
        throw Refusal { QStringLiteral("--output needs a file name") };
    if (parser.isSet(QStringLiteral("output-dir")) && request.outputDir.isEmpty())
        throw Refusal { QStringLiteral("--output-dir needs a folder name") };
    refuseTogether(parser, QStringLiteral("output"), QStringLiteral("output-dir"));

    if (parser.isSet(QStringLiteral("format"))) {
        request.format = Drawing::formatNamed(parser.value(QStringLiteral("format")));
        if (!request.format)
            throw Refusal {
                QStringLiteral("--format takes png, svg or pdf, not \"%1\"").arg(parser.value(QStringLiteral("format")))
            };
    }

    Drawing::RenderOptions& options = request.settings.options;
    const bool web = parser.isSet(QStringLiteral("web"));
    // A web page's SVGs are Export Picture's, at four times the window's size, unless the scale is given.
    options.scale = web && !parser.isSet(QStringLiteral("scale"))
        ? WebPage::defaultOptions().scale
        : integer(parser, QStringLiteral("scale"), Drawing::MinScale, Drawing::MaxScale,
            QStringLiteral("a whole number from %1 to %2").arg(Drawing::MinScale).arg(Drawing::MaxScale));
    options.frame = parser.isSet(QStringLiteral("whole")) ? Drawing::Frame::WholeTree : Drawing::Frame::Window;
    refuseTogether(parser, QStringLiteral("smooth"), QStringLiteral("no-smooth"));
    // At scale 1 the picture is the window's own, pixel for pixel; above it, jagged steps would grow with it.
    options.smooth
        = parser.isSet(QStringLiteral("smooth")) || (options.scale > 1 && !parser.isSet(QStringLiteral("no-smooth")));
    refuseTogether(parser, QStringLiteral("background"), QStringLiteral("transparent"));
    // The drawing area's background in the window.
    options.background = QGuiApplication::palette().color(QPalette::Window);
    if (parser.isSet(QStringLiteral("background"))) {
        const QString name = parser.value(QStringLiteral("background"));
        options.background = QColor::fromString(name);
        if (!options.background.isValid())
            throw Refusal { QStringLiteral("--background takes a colour name or #rrggbb, not \"%1\"").arg(name) };
    }
    if (parser.isSet(QStringLiteral("transparent")))
        options.background = Qt::transparent;
    request.settings.flags.useDone = !parser.isSet(QStringLiteral("no-done"));
    request.settings.flags.useDraw = parser.isSet(QStringLiteral("draw"));
    if (parser.isSet(QStringLiteral("threads")))
        request.threads = integer(parser, QStringLiteral("threads"), 1, MaxThreads,
            QStringLiteral("a whole number from 1 to %1").arg(MaxThreads));
    if (web) {
        readWeb(parser, request);
        return request;
    }
    if (parser.isSet(QStringLiteral("animate"))) {
        readAnimation(parser, request);
        return request;
    }
    refuseWithout(parser, QStringLiteral("seconds-per-step"), QStringLiteral("animate"));
    refuseWithout(parser, QStringLiteral("fps"), QStringLiteral("animate"));

    request.sheet = parser.value(QStringLiteral("sheet"));
    if (parser.isSet(QStringLiteral("sheet")) && !Drawing::formatOfFileName(request.sheet))
        throw Refusal {
            QStringLiteral("--sheet needs a name ending in .png, .svg or .pdf, not \"%1\"").arg(request.sheet)
        };
    refuseWithout(parser, QStringLiteral("columns"), QStringLiteral("sheet"));
    if (parser.isSet(QStringLiteral("columns")))
        request.columns = integer(parser, QStringLiteral("columns"), 1, MaxColumns,
            QStringLiteral("a whole number from 1 to %1").arg(MaxColumns));

    refuseWithout(parser, QStringLiteral("random"), QStringLiteral("seed"));
    refuseWithout(parser, QStringLiteral("seed"), QStringLiteral("random"));
    refuseWithout(parser, QStringLiteral("prefix"), QStringLiteral("random"));
    if (parser.isSet(QStringLiteral("random"))) {
        request.randomCount = integer(parser, QStringLiteral("random"), 1, RandomCodes::MaxCount,
            QStringLiteral("a whole number from 1 to %1").arg(RandomCodes::MaxCount));
        bool ok = false;
        request.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            throw Refusal { QStringLiteral("--seed takes a whole number from 0 to 18446744073709551615, not \"%1\"")
                                .arg(parser.value(QStringLiteral("seed"))) };
        request.prefix = parser.value(QStringLiteral("prefix"));
        if (request.prefix.isEmpty())
            throw Refusal { QStringLiteral("--prefix needs some text") };
    }

    const qsizetype inputs = request.files.size() + request.randomCount;
    if (inputs == 0)
        throw Refusal { QStringLiteral("no genetic code file to render") };
    if (!request.output.isEmpty() && inputs > 1)
        throw Refusal {
            QStringLiteral("--output writes one picture, but %1 files are to be rendered; use --output-dir").arg(inputs)
        };
    if (!request.files.isEmpty() && request.output.isEmpty() && request.outputDir.isEmpty() && request.sheet.isEmpty())
        throw Refusal { QStringLiteral("nothing to write: give --output, --output-dir or --sheet") };
    if (const QString why = JobList::clash(JobList::make(request, JobList::inputs(request)), request.sheet);
        !why.isEmpty())
        throw Refusal { why };
    return request;
}

} // namespace

Parsed parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    Parsed parsed;
    try {
        if (!parser.parse(arguments))
            throw Refusal { parser.errorText() };
        if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
            parsed.action = Parsed::Action::Help;
            parsed.text = CommandLineHelp::text(parser);
            return parsed;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            parsed.action = Parsed::Action::Version;
            parsed.text = QStringLiteral("%1 %2\n").arg(
                QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
            return parsed;
        }
        parsed.request = requestOf(parser);
    } catch (const Refusal& refusal) {
        parsed.action = Parsed::Action::UsageError;
        parsed.text = refusal.why + QStringLiteral("\n\n") + CommandLineHelp::text(parser);
    }
    return parsed;
}

} // namespace CommandLine
