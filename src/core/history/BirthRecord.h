#pragma once
// How a picture came to be: read from a file, bred from parents, random, a copy of another picture, edited from
// one by hand, a frame between two, or chosen in the Breed window.

#include "core/drawing/DrawFlags.h"

#include <QString>

#include <vector>

struct BirthRecord {
    enum class Kind {
        File, // read from file at rate
        Bred, // bred from parents at rate
        Random, // no parent ticked, or a rate of 1 or more
        Copy, // exactly the genetic code of picture copyOf
        Edited, // a genetic code edited by hand from the one of parents[0]
        Between, // a frame of the morph between two pictures: parents holds those of this run
        BredInWindow, // an offspring of the Breed window, bred from parents at rate
    };

    Kind kind = Kind::Random;
    // File: the file's absolute path.
    QString file;
    double rate = 0.0;
    // Bred: the pictures ticked at its breeding. File: the picture of this run that saved that file,
    // when it is unchanged since. Edited: the picture it was edited from. Between: the two it lies between, or
    // those of them that are pictures of this run when it lies between files.
    // BredInWindow: its generation's parents that are pictures of this run (none for one bred from files only, or
    // at random).
    std::vector<qint16> parents;
    // Copy: the original's ID, and when the original belongs to an earlier run, that run's start time.
    qint16 copyOf = -1;
    QString ofRun;
    // The Genes switches the picture's drawing used.
    Drawing::Flags flags;

    // savedBy: the picture of this run whose save the file still holds, or -1.
    static BirthRecord fromFile(const QString& absolutePath, double rate, qint16 savedBy = -1);
    // Random when no parent was ticked or the rate is 1 or more, bred otherwise.
    static BirthRecord fromBreeding(std::vector<qint16> ticked, double rate);
    static BirthRecord copy(qint16 original, Drawing::Flags flags, const QString& ofRun = {});
    static BirthRecord edited(qint16 from, Drawing::Flags flags);
    static BirthRecord between(qint16 first, qint16 second, Drawing::Flags flags);
    // A frame between two pictures of which those given are of this run: both, one or none.
    static BirthRecord between(std::vector<qint16> ofRun, Drawing::Flags flags);
    static BirthRecord bredInWindow(std::vector<qint16> parents, double rate, Drawing::Flags flags);

    // The pictures of this run it descends from: its parents, or the original it copies.
    std::vector<qint16> parentsInRun() const;

    // "read from /home/me/tree.gen at rate 0.05", "bred from 3 and 7 at rate 0.1", "random at rate 0",
    // "copy of 7", "picture 7 of the run of 2026-12-08 17:03:12", "edited from 7", "between 3 and 7",
    // "between 3 and a file", "between two files",
    // "bred in the Breed window from 9 at rate 0.1", "bred in the Breed window at rate 0.1".
    QString describe() const;
    // "Done on, Draw off"
    static QString describe(Drawing::Flags flags);
    // The same in a few words for readers outside the program, with no rate and no folder: "opened from tree.gen",
    // "bred from 3 and 5", "random", "copy of 7", "picture 7 of an earlier run", "edited from 4", "between 2 and 7",
    // "bred in the Breed window from 9".
    QString summary() const;
    // What the picture id born so shows: "Picture 7, bred from 3 and 5".
    QString altText(qint16 id) const;

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};
