#pragma once
// What the windows ask of the run they belong to; the shell, which owns the run, gives it to them.

#include "core/genetics/GeneticCode.h"
#include "core/history/BirthRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

struct RunCommands {
    // Opens a new picture of the run with exactly this name and genetic code, drawn with the birth's flags and
    // born as it says, its window clear of the open ones. Errors go to the caller.
    std::function<void(const QString& name, const GeneticCode& code, const BirthRecord& birth)> openPicture;
    // Opens the Breed window, or brings it to the front, with a new generation whose only parent is picture id.
    std::function<void(qint16 id)> breedFrom;
    // The same with the genetic code files as parents; a file that cannot be read is told, and the rest are used.
    std::function<void(const QStringList& fileNames)> breedFromFiles;
};
