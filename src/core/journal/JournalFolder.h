#pragma once
// The folder of run journals: their names, which are kept, and reading them all.

#include "core/journal/RunJournal.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace JournalFolder {

// How many journals of earlier runs are kept.
inline constexpr int Kept = 20;

// "runs" in the user's data folder.
QString standardFolder();

// The journal's file name for a run that started at start: "2026-12-08_17-03-12.345.jsonl", so that
// names sort as the runs started.
QString fileNameFor(const QDateTime& start);

// The journals in folder, newest first: regular files named as journals; links, FIFOs and devices
// never count.
QStringList journals(const QString& folder);

// Deletes all but the newest keep journals.
void prune(const QString& folder, int keep = Kept);

// Every journal in folder but except, newest first, read side by side on every core.
std::vector<RunJournal> readAll(const QString& folder, const QString& except = {});

} // namespace JournalFolder
