#pragma once
// Runs the real vantrell-render and makes the genetic code files it is given.

#include "drawing/PictureRender.h"
#include "genefile/GeneFileWriter.h"
#include "genetics/clsGenSeq.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace RenderTesting {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs vantrell-render in folder; a run that does not end within a minute counts as exit code -1.
inline ToolRun runTool(const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VANTRELL_RENDER_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A tree of eleven levels, each different: Done ends it below gene 8, Draw is off for gene 2, and the
// whole tree reaches beyond the window's frame.
inline std::unique_ptr<clsGenSeq> sampleCode()
{
    auto code = std::make_unique<clsGenSeq>();
    for (qint16 gene = 0; gene < clsGenSeq::GeneCount; ++gene) {
        code->SetGLength(gene, static_cast<qint16>(320 - 22 * gene));
        code->SetGWidth(gene, static_cast<qint16>(gene < 6 ? 6 - gene : 1));
        code->SetGAngle(gene, 0.3 + 0.05 * gene);
        code->SetGColorRed(gene, static_cast<qint16>(20 * gene));
        code->SetGColorGreen(gene, static_cast<qint16>(200 - 15 * gene));
        code->SetGColorBlue(gene, static_cast<qint16>(gene % 2 == 0 ? 40 : 180));
        code->SetGDone(gene, gene == 8);
        code->SetGDraw(gene, gene != 2);
    }
    return code;
}

inline void writeSample(const QString& fileName)
{
    GeneFileWriter::Save(*sampleCode(), fileName);
}

inline QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// All names in a folder, hidden ones included: a stray temporary file shows here.
inline QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What the tool draws without options: the window's frame, scale 1, no smoothing, the window's background.
inline Drawing::RenderOptions windowOptions()
{
    Drawing::RenderOptions options;
    options.background = QGuiApplication::palette().color(QPalette::Window);
    return options;
}

// Both as 32-bit pixels, which PNG's own formats are read back into.
inline bool samePixels(const QImage& a, const QImage& b)
{
    const QImage::Format format
        = a.hasAlphaChannel() || b.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return !a.isNull() && a.convertToFormat(format) == b.convertToFormat(format);
}

class RenderToolTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    ToolRun run(const QStringList& arguments) const { return runTool(arguments, dir.path()); }

    QTemporaryDir dir;
};

} // namespace RenderTesting
