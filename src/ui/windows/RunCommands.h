#pragma once
// What the windows ask of the run they belong to; the shell, which owns the run, gives it to them.

#include "core/genetics/GeneticCode.h"
#include "core/history/BirthRecord.h"

#include <QString>

#include <functional>

struct RunCommands {
    // Opens a new picture of the run with exactly this name and genetic code, drawn with the birth's flags and
    // born as it says, its window clear of the open ones. Errors go to the caller.
    std::function<void(const QString& name, const GeneticCode& code, const BirthRecord& birth)> openPicture;
};
