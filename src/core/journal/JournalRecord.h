#pragma once
// One line of a run's journal: JSON through QJsonDocument, written and read back exactly.
//
// A picture's genetic code is twelve arrays of eight traits in the gene's own order: Length, Width,
// Angle, ColorRed, ColorGreen, ColorBlue, Done, Draw. Angles are JSON numbers, which hold every
// finite double exactly; -0, which JSON numbers lose, is written as the text "-0". A picture that enters the run
// closed says "open": false; without it a picture is open.

#include "core/breeding/Generation.h"
#include "core/history/RunHistory.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace JournalRecord {

// The event names, each record's "event".
inline constexpr QLatin1String Run("run");
inline constexpr QLatin1String Opened("opened");
inline constexpr QLatin1String Reopened("reopened");
inline constexpr QLatin1String Closed("closed");
inline constexpr QLatin1String Shown("shown");
inline constexpr QLatin1String Saved("saved");
inline constexpr QLatin1String End("end");
inline constexpr QLatin1String GenerationBred("generation");
inline constexpr QLatin1String GenerationShown("generation shown");
inline constexpr QLatin1String BreedClosed("breed closed");

// The generation of the Breed window that was shown until another was, or until the window closed: where the user
// left its selection and focus. An index of -1 is none.
struct LeftGeneration {
    int index = -1;
    std::vector<int> selection;
    int focus = 0;
};

// Each a line of compact JSON with its line end.
QByteArray run(const QDateTime& start);
// "opened", or "reopened" for a copy.
QByteArray opened(const PictureRecord& picture);
QByteArray closed(qint16 id);
// A closed picture's window showed again.
QByteArray shown(qint16 id);
QByteArray saved(qint16 id, const QString& absolutePath);
// how is Exit or CloseBox: a run cut off has no end.
QByteArray end(RunEnding how);
// A generation as it appears at index: its options, its parents and every cell's code.
QByteArray generation(int index, const Generation& generation, const LeftGeneration& left);
// The generation at index shown again, by Back or Forward.
QByteArray generationShown(int index, const LeftGeneration& left);
QByteArray breedClosed(const LeftGeneration& left);

// What a record's fields hold; nothing when a field is missing or does not fit its type.
std::optional<qint16> idOf(const QJsonObject& record);
std::optional<PictureRecord> pictureOf(const QJsonObject& record);
std::optional<QDateTime> startOf(const QJsonObject& record);
std::optional<RunEnding> endOf(const QJsonObject& record);
// A generation with no selection and the focus on its first cell.
std::optional<Generation> generationOf(const QJsonObject& record);
std::optional<int> generationIndexOf(const QJsonObject& record);
// Index -1 when the record has none.
std::optional<LeftGeneration> leftOf(const QJsonObject& record);

} // namespace JournalRecord
