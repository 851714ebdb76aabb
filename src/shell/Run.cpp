#include "shell/Run.h"

#include "core/files/FileError.h"
#include "core/genefile/ExactRead.h"
#include "core/journal/Journal.h"
#include "core/journal/RunJournal.h"
#include "core/platform/RuntimeError.h"
#include "program/clsObject.h"
#include "program/modGenes.h"
#include "program/modMain.h"
#include "program/modObject.h"

#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>

#include <algorithm>
#include <vector>

std::shared_ptr<clsObject> Run::openPicture(std::optional<QPoint> corner)
{
    return openWith([](clsObject& picture) { picture.Init(); },
        [this](const clsObject& picture) { return openedBirth(picture); }, corner);
}

std::shared_ptr<clsObject> Run::openFile(const QString& fileName, std::optional<QPoint> corner)
{
    // The picture takes its name from the name box: for this Open, and only for it, the box reads fileName.
    const MainWindowBoxes shown = modMain::MainWindow();
    modMain::SetMainWindow({ shown.mutationRate, [fileName] { return fileName; } });
    const auto restore = qScopeGuard([&shown] { modMain::SetMainWindow(shown); });
    return openPicture(corner);
}

std::shared_ptr<clsObject> Run::openWith(const std::function<void(clsObject&)>& init,
    const std::function<BirthRecord(const clsObject&)>& birthOf, std::optional<QPoint> corner)
{
    auto picture = std::make_shared<clsObject>();
    if (corner)
        picture->Display().Place(*corner);
    try {
        init(*picture);
    } catch (...) {
        // The failed picture's window goes again; the error goes on to the guard.
        picture->Unload();
        throw;
    }
    modObject::Objects.add(modObject::KeyOf(picture->ID), picture);
    record(picture, birthOf(*picture));
    return picture;
}

BirthRecord Run::openedBirth(const clsObject& picture) const
{
    // The rate and the parents are those the genes were made with: each is refreshed as they are made.
    BirthRecord birth;
    if (picture.GenesFromFile()) {
        birth = BirthRecord::fromFile(
            QFileInfo(picture.Name).absoluteFilePath(), modGenes::MutationRate, m_history.savedBy(picture.Name));
    } else {
        std::vector<qint16> ticked;
        modObject::Parents.forEach([&](const std::shared_ptr<clsObject>& parent) { ticked.push_back(parent->ID); });
        birth = BirthRecord::fromBreeding(std::move(ticked), modGenes::MutationRate);
    }
    birth.flags = picture.DrawnWith();
    return birth;
}

void Run::record(const std::shared_ptr<clsObject>& picture, BirthRecord birth)
{
    const qint16 id = picture->ID;
    // The window may close after the run is gone.
    const QPointer<RunHistory> history(&m_history);
    picture->Display().SetEvents({
        [history, id] {
            if (history)
                history->closed(id);
        },
        [history, id](const QString& fileName) {
            if (history)
                history->saved(id, fileName);
        },
    });
    m_history.opened({ id, picture->Name, std::move(birth), picture->GenCode().Code(), picture->IsOpen() });
}

void Run::openCopy(qint16 id)
{
    if (const PictureRecord* found = m_history.find(id))
        // A copy, as the history grows while the picture opens.
        openCopy(PictureRecord(*found), QString());
}

void Run::openCopy(const PictureRecord& original, const QString& ofRun)
{
    openCode(original.name, original.code, BirthRecord::copy(original.id, original.birth.flags, ofRun));
}

std::shared_ptr<clsObject> Run::openCode(
    const QString& name, const GeneticCode& code, const BirthRecord& birth, std::optional<QPoint> corner)
{
    return openWith([&](clsObject& picture) { picture.InitCopy(name, code, birth.flags); },
        [&](const clsObject&) { return birth; }, corner);
}

void Run::recover(const RunJournal& run, bool all)
{
    const QString ofRun = run.startText();
    for (const PictureRecord& picture : run.pictures) {
        if (all || picture.open)
            openCopy(picture, ofRun);
    }
    if (run.generations.empty())
        return;
    // The pictures of that run are not this run's: a parent that was one is now a picture of an earlier run.
    std::vector<Generation> generations = run.generations;
    for (Generation& generation : generations) {
        for (int parent = 0; parent < generation.parentCount(); ++parent) {
            const auto at = static_cast<std::size_t>(parent);
            if (generation.ids[at] >= 0)
                generation.origins[at] = BirthRecord::copy(generation.ids[at], {}, ofRun);
        }
        std::fill(generation.ids.begin(), generation.ids.end(), qint16(-1));
    }
    m_generations.restore(std::move(generations), run.shownGeneration);
}

std::vector<qint16> Run::enterClosed(std::vector<PictureRecord> pictures)
{
    const std::vector<qint16> ids = modObject::TakeNextIDs(static_cast<int>(pictures.size()));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i].id = ids[i];
        pictures[i].open = false;
        m_history.opened(std::move(pictures[i]));
    }
    return ids;
}

Offspring::Parent Run::breedingParent(qint16 id) const
{
    const PictureRecord* picture = m_history.find(id);
    if (!picture)
        throw RuntimeError::subscriptOutOfRange(QStringLiteral("(picture %1 is no picture of this run)").arg(id));
    return { picture->code, id, {} };
}

Offspring::Parent Run::breedingParent(const QString& fileName)
{
    return { ExactRead::read(fileName), -1,
        BirthRecord::fromFile(QFileInfo(fileName).absoluteFilePath(), 0.0, m_history.savedBy(fileName)) };
}

void Run::closeUnticked()
{
    std::vector<std::shared_ptr<clsObject>> unticked;
    modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& picture) {
        if (picture->IsOpen() && !picture->IsParent())
            unticked.push_back(picture);
    });
    // As Done on each of them.
    for (const auto& picture : unticked)
        picture->Unload();
}

std::vector<qint16> Run::tickedPictures() const
{
    std::vector<qint16> ticked;
    modObject::Objects.forEach([&](const std::shared_ptr<clsObject>& picture) {
        if (picture->IsParent())
            ticked.push_back(picture->ID);
    });
    std::sort(ticked.begin(), ticked.end());
    return ticked;
}

void Run::reopenClosed()
{
    const qint16 id = m_history.lastClosed();
    if (id < 0)
        return;
    modObject::Objects.item(modObject::KeyOf(id))->Reopen();
    m_history.shownAgain(id);
}

void Run::keepIn(Journal& journal)
{
    journal.follow(m_history);
    journal.follow(m_generations);
}

void Run::end(RunEnding how)
{
    m_history.ending(how);
}
