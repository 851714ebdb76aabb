#include "core/journal/RunJournal.h"

#include "core/files/ReadWriteAll.h"
#include "core/files/RegularFile.h"
#include "core/journal/JournalRecord.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>

namespace {

// Far beyond the journal of the longest run; a bigger file is read this far.
constexpr qsizetype MaxJournalBytes = 256LL * 1024 * 1024;

// The file's bytes, or an error text. Opens only a regular file, never through a link, never blocking.
QByteArray readRegularFile(const QString& path, QString& error)
{
    const Files::OpenedFile file = Files::openRegular(path, Files::Links::Refuse);
    if (!file.fd.valid()) {
        error = file.error != 0 ? qt_error_string(file.error) : QStringLiteral("not a regular file");
        return {};
    }
    const std::optional<QByteArray> bytes = Files::readAll(file.fd.get(), std::min<qint64>(file.size, MaxJournalBytes));
    if (!bytes) {
        error = qt_error_string(errno);
        return {};
    }
    return *bytes;
}

// Takes a record of the Breed window into journal; false when it does not read.
bool readBreedRecord(RunJournal& journal, const QString& event, const QJsonObject& record)
{
    const auto left = JournalRecord::leftOf(record);
    if (!left)
        return false;
    if (left->index >= 0) {
        if (left->index >= static_cast<int>(journal.generations.size()))
            return false;
        Generation& leftBehind = journal.generations[static_cast<std::size_t>(left->index)];
        if (left->focus >= leftBehind.cellCount()
            || (!left->selection.empty() && left->selection.back() >= leftBehind.cellCount()))
            return false;
        leftBehind.selection = left->selection;
        leftBehind.focus = left->focus;
    }
    if (event == JournalRecord::BreedClosed) {
        journal.breedOpen = false;
        return true;
    }
    const auto index = JournalRecord::generationIndexOf(record);
    const int count = static_cast<int>(journal.generations.size());
    if (event == JournalRecord::GenerationShown) {
        if (!index || *index >= count)
            return false;
    } else {
        auto generation = JournalRecord::generationOf(record);
        if (!index || *index > count || !generation)
            return false;
        journal.generations.resize(static_cast<std::size_t>(*index));
        journal.generations.push_back(std::move(*generation));
    }
    journal.shownGeneration = *index;
    journal.breedOpen = true;
    return true;
}

} // namespace

int RunJournal::openAtEnd() const
{
    int open = 0;
    for (const PictureRecord& picture : pictures)
        open += picture.open ? 1 : 0;
    return open;
}

bool RunJournal::recoverable() const
{
    return openAtEnd() > 0 || (breedOpen && !generations.empty());
}

QString RunJournal::startText() const
{
    return start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString RunJournal::endingText() const
{
    switch (ending) {
    case RunEnding::Exit:
        return QStringLiteral("Exit");
    case RunEnding::CloseBox:
        return QStringLiteral("close box");
    case RunEnding::CutOff:
        break;
    }
    return QStringLiteral("cut off");
}

RunJournal RunJournal::read(const QString& path)
{
    QString error;
    const QByteArray bytes = readRegularFile(path, error);
    RunJournal journal;
    if (!error.isEmpty()) {
        journal.damagedLine = 1;
        journal.damage = error;
    } else {
        journal = fromBytes(bytes);
    }
    journal.path = path;
    // A journal whose first line does not read started, as far as anyone can tell, when it was last written.
    if (!journal.start.isValid())
        journal.start = QFileInfo(path).lastModified();
    return journal;
}

RunJournal RunJournal::fromBytes(const QByteArray& bytes)
{
    RunJournal journal;
    QHash<qint16, std::size_t> index;
    const auto damagedAt = [&journal](int line, const QString& why) {
        journal.damagedLine = line;
        journal.damage = why;
    };
    qsizetype from = 0;
    for (int number = 1;; ++number) {
        const qsizetype end = bytes.indexOf('\n', from);
        // A last line without its end was being written when the run was cut off.
        if (end < 0)
            break;
        const QByteArray line = bytes.mid(from, end - from);
        from = end + 1;
        QJsonParseError parseError;
        const QJsonObject record = QJsonDocument::fromJson(line, &parseError).object();
        if (parseError.error != QJsonParseError::NoError || record.isEmpty()) {
            damagedAt(number, QStringLiteral("not a JSON record"));
            break;
        }
        const QString event = record.value(QStringLiteral("event")).toString();
        if (number == 1) {
            const auto start = event == JournalRecord::Run ? JournalRecord::startOf(record) : std::nullopt;
            if (!start) {
                damagedAt(number, QStringLiteral("no start of a run"));
                break;
            }
            journal.start = *start;
        } else if (event == JournalRecord::Opened || event == JournalRecord::Reopened) {
            auto picture = JournalRecord::pictureOf(record);
            if (!picture || index.contains(picture->id)) {
                damagedAt(number, QStringLiteral("a picture that does not read"));
                break;
            }
            index.insert(picture->id, journal.pictures.size());
            journal.pictures.push_back(std::move(*picture));
        } else if (event == JournalRecord::Closed || event == JournalRecord::Shown || event == JournalRecord::Saved) {
            const auto id = JournalRecord::idOf(record);
            if (!id || !index.contains(*id)) {
                damagedAt(number, QStringLiteral("an event of a picture never opened"));
                break;
            }
            if (event != JournalRecord::Saved)
                journal.pictures[index.value(*id)].open = event == JournalRecord::Shown;
        } else if (event == JournalRecord::GenerationBred || event == JournalRecord::GenerationShown
            || event == JournalRecord::BreedClosed) {
            if (!readBreedRecord(journal, event, record)) {
                damagedAt(number, QStringLiteral("a generation that does not read"));
                break;
            }
        } else if (event == JournalRecord::End) {
            const auto how = JournalRecord::endOf(record);
            if (!how) {
                damagedAt(number, QStringLiteral("an end that does not read"));
                break;
            }
            journal.ending = *how;
        } else {
            damagedAt(number, QStringLiteral("an unknown record"));
            break;
        }
    }
    return journal;
}
