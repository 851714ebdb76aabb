// Feeds arbitrary bytes to the journal reader as a run's journal: whatever does not read makes the journal damaged
// from there on, and nothing else may come out.

#include "core/journal/RunJournal.h"

#include <QByteArray>
#include <QSet>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RunJournal journal = RunJournal::fromBytes(bytes);
    // What the Recover Run dialog shows of every journal.
    (void)journal.startText();
    (void)journal.endingText();
    if (journal.openAtEnd() < 0 || journal.openAtEnd() > static_cast<int>(journal.pictures.size()))
        std::abort();
    if (journal.damaged() == journal.damage.isEmpty() || journal.damagedLine < 0)
        std::abort();
    // Every picture is read once: a second opening of a number makes the journal damaged there.
    QSet<qint16> ids;
    for (const PictureRecord& picture : journal.pictures) {
        if (ids.contains(picture.id))
            std::abort();
        ids.insert(picture.id);
    }
    // Every generation of the Breed window is a square grid with room for an offspring, left with its selection and
    // focus among its cells; the one shown is one of them.
    for (const Generation& generation : journal.generations) {
        const int cells = generation.cellCount();
        if (generation.side() < MinGridSide || generation.side() > MaxGridSide
            || generation.side() * generation.side() != cells || generation.parentCount() >= cells
            || generation.focus >= cells || (!generation.selection.empty() && generation.selection.back() >= cells))
            std::abort();
    }
    if (journal.shownGeneration >= static_cast<int>(journal.generations.size())
        || journal.generations.empty() != (journal.shownGeneration < 0))
        std::abort();
    return 0;
}
