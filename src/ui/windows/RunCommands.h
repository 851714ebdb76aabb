#pragma once
// What the windows ask of the run they belong to; the shell, which owns the run, gives it to them.

#include "core/genetics/GeneticCode.h"
#include "core/history/BirthRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

// Every member has its default, so that a window given only some of them names those it is given.
struct RunCommands {
    // Opens a new picture of the run with exactly this name and genetic code, drawn with the birth's flags and
    // born as it says, its window clear of the open ones. Errors go to the caller.
    std::function<void(const QString& name, const GeneticCode& code, const BirthRecord& birth)> openPicture {};
    // Opens the genetic code files as pictures, as Open File does: a file that cannot be read is told, and the rest
    // still open.
    std::function<void(const QStringList& fileNames)> openFiles {};
    // Opens again, as a new picture, picture id of the run, open or closed.
    std::function<void(qint16 id)> reopen {};
    // Opens the Breed window, or brings it to the front, with a new generation whose only parent is picture id.
    std::function<void(qint16 id)> breedFrom {};
    // The same with the genetic code files as parents; a file that cannot be read is told, and the rest are used.
    std::function<void(const QStringList& fileNames)> breedFromFiles {};
};
