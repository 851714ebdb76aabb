#pragma once
// A fixture for the genetic code file tests: a fresh folder, a main window, and file helpers.

#include "core/platform/RuntimeError.h"
#include "program/clsGenSeq.h"
#include "support/FakeMainWindow.h"
#include "support/ProgramState.h"
#include "support/RecordText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
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
        try {
            genSeq.Load(name);
        } catch (const RuntimeError& error) {
            return error;
        }
        return std::nullopt;
    }

    static void writeFile(const QString& fileName, const QByteArray& bytes)
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray readFile(const QString& fileName)
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
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

    // All names in a folder, hidden ones included: a stray temporary file shows here.
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir;
    FakeMainWindow window;
};
