#pragma once
// What a run does with its pictures: opens them (one by the Open command, copies of pictures of this run or an
// earlier one), closes the unticked ones, and keeps every picture in its history and the Breed window's
// generations, which its journal follows. Every picture's birth record is made here.

#include "core/breeding/Generations.h"
#include "core/breeding/Offspring.h"
#include "core/history/RunHistory.h"
#include "core/platform/RandomSource.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Journal;
class clsObject;
struct RunJournal;

class Run {
public:
    Run() = default;
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Opens a new picture named as the name box says, its genes read from that file or bred from the ticked
    // pictures, and shows and draws it; the window's frame at corner when one is given before it is shown.
    // The rate box is the caller's to check.
    std::shared_ptr<clsObject> openPicture(std::optional<QPoint> corner = std::nullopt);
    // The Open command with fileName as the name typed: the boxes keep what they show. The rate box is the caller's
    // to check.
    std::shared_ptr<clsObject> openFile(const QString& fileName, std::optional<QPoint> corner = std::nullopt);
    // Opens a new picture with exactly picture id's genetic code, drawn with its flags.
    void openCopy(qint16 id);
    // Opens a new picture with exactly this name and genetic code, drawn with the birth's flags, born as birth says;
    // the window's frame at corner when one is given.
    std::shared_ptr<clsObject> openCode(const QString& name, const GeneticCode& code, const BirthRecord& birth,
        std::optional<QPoint> corner = std::nullopt);
    // Reopens, as copies, the pictures of an earlier run that were open at its end, or all of them, and puts the
    // generations of its Breed window after this run's.
    void recover(const RunJournal& run, bool all);
    // As Done on every open picture whose Parent box is not ticked.
    void closeUnticked();
    // The open pictures whose Parent box is ticked, in the order of their IDs.
    std::vector<qint16> tickedPictures() const;
    // Shows again the window of the picture closed most recently and closed still: each call goes one further back.
    // Nothing when no picture is closed.
    void reopenClosed();

    // Enters pictures chosen in the Breed window in the history as closed pictures, each with the next ID, and gives
    // those IDs in their order. Error 6, entering none, when the IDs would run out.
    std::vector<qint16> enterClosed(std::vector<PictureRecord> pictures);
    // A parent for the Breed window: picture id of the run.
    Offspring::Parent breedingParent(qint16 id) const;
    // A parent for the Breed window read from a genetic code file exactly as saved. Errors name the file.
    Offspring::Parent breedingParent(const QString& fileName);

    // The journal that keeps this run from now on.
    void keepIn(Journal& journal);
    // From now on the run is ending, as how says.
    void end(RunEnding how);

    // Every picture of the run, open or closed.
    RunHistory& history() { return m_history; }
    const RunHistory& history() const { return m_history; }
    // The Breed window's generations, which outlive the window.
    Generations& generations() { return m_generations; }

private:
    // Opens a picture through init: one that fails to open is unloaded and never registered; one that opens is
    // registered and entered in the history with the birth that birthOf gives it.
    std::shared_ptr<clsObject> openWith(const std::function<void(clsObject&)>& init,
        const std::function<BirthRecord(const clsObject&)>& birthOf, std::optional<QPoint> corner = std::nullopt);
    void openCopy(const PictureRecord& original, const QString& ofRun);
    // How a picture the Open command opened came to be.
    BirthRecord openedBirth(const clsObject& picture) const;
    void record(const std::shared_ptr<clsObject>& picture, BirthRecord birth);

    RunHistory m_history;
    Generations m_generations;
};
