#pragma once
// Runs the real vantrell-render and makes the genetic code files it is given.

#include "core/export/PictureRender.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/genetics/GeneticCode.h"
#include "support/FileTesting.h"

#include <QByteArray>
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
inline GeneticCode sampleCode()
{
    GeneticCode code;
    for (int i = 0; i < GeneCount; ++i) {
        clsGene& gene = code[static_cast<std::size_t>(i)];
        gene.Length = static_cast<qint16>(320 - 22 * i);
        gene.Width = static_cast<qint16>(i < 6 ? 6 - i : 1);
        gene.Angle = 0.3 + 0.05 * i;
        gene.ColorRed = static_cast<qint16>(20 * i);
        gene.ColorGreen = static_cast<qint16>(200 - 15 * i);
        gene.ColorBlue = static_cast<qint16>(i % 2 == 0 ? 40 : 180);
        gene.Done = i == 8;
        gene.Draw = i != 2;
    }
    return code;
}

inline void writeSample(const QString& fileName)
{
    GeneFileWriter::Save(sampleCode(), fileName);
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
