#pragma once
// A run's journal as read back: when it started, every picture it opened, which were open at its end, how it ended,
// and the generations of its Breed window.

#include "core/breeding/Generation.h"
#include "core/history/RunHistory.h"

#include <QDateTime>
#include <QString>

#include <vector>

struct RunJournal {
    QString path;
    QDateTime start;
    // In the order opened; open means open at the run's end.
    std::vector<PictureRecord> pictures;
    RunEnding ending = RunEnding::CutOff;
    // The Breed window's generations in order, each with the selection and focus it was left with; the one it showed
    // last, -1 for none; whether it was open at the run's end.
    std::vector<Generation> generations;
    int shownGeneration = -1;
    bool breedOpen = false;
    // The first line that does not read, 0 when every line does. What came before it still counts.
    int damagedLine = 0;
    QString damage;

    bool damaged() const { return damagedLine > 0; }
    int openAtEnd() const;
    // Whether Recover would bring anything back: a picture or the Breed window open at the run's end.
    bool recoverable() const;
    // "2026-12-08 17:03:12": how the run is named to the user.
    QString startText() const;
    // "Exit", "close box" or "cut off".
    QString endingText() const;

    // Reads the journal at path; whatever does not read makes it damaged from there on, never an error.
    // A last line without its end was cut short while written and does not count.
    static RunJournal read(const QString& path);
    // Reads a journal's bytes as read reads its file; no path, and no start unless the first line gives one.
    static RunJournal fromBytes(const QByteArray& bytes);
};
