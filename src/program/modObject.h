#pragma once
// The picture-ID counter, the picture registry and the parents of the latest breeding.

#include "core/platform/KeyedCollection.h"
#include "program/clsObject.h"

#include <QString>

#include <memory>
#include <vector>

namespace modObject {

extern qint16 NextID;
// Every picture opened in the run, under its registry key.
extern KeyedCollection<std::shared_ptr<clsObject>> Objects;
// Refilled by each breeding, keyed " 0", " 1", ... by position.
extern KeyedCollection<std::shared_ptr<clsObject>> Parents;

// NextID = 0; the two collections empty, as at start-up.
void InitObject();

// The next count IDs, counted out; error 6, giving none, when they would reach 32767, which is never given.
std::vector<qint16> TakeNextIDs(int count);

// An ID as a registry key: " 0", " 7".
QString KeyOf(qint16 id);
// A window's tag ("7") as a registry key (" 7").
QString KeyOfTag(const QString& tag);

} // namespace modObject
