#pragma once
// A fixture for the genetic code file tests: a fresh folder, a main window, and the errors loads raise.

#include "core/platform/RuntimeError.h"
#include "program/clsGenSeq.h"
#include "support/ErrorNumber.h"
#include "support/FakeMainWindow.h"
#include "support/FileTesting.h"
#include "support/ProgramState.h"
#include "support/RecordText.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <optional>

class GeneFileTest : public ProgramStateTest {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // Loads into genSeq and gives the error it raised.
    static std::optional<RuntimeError> loadError(clsGenSeq& genSeq, const QString& name)
    {
        return errorRaisedBy([&] { genSeq.Load(name); });
    }

    // Every line followed by the given end.
    static QByteArray joinLines(const QStringList& lines, const QByteArray& end = "\r\n")
    {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toLatin1() + end;
        return bytes;
    }

    // The file's lines, each of which must end in CR LF.
    static QStringList crLfLines(const QByteArray& bytes)
    {
        QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.takeLast(), QString()) << "the file does not end in CR LF";
        return lines;
    }

    QTemporaryDir dir;
    FakeMainWindow window;
};
