#include "program/modObject.h"

#include "core/platform/Conversions.h"

namespace modObject {

qint16 NextID = 0;
KeyedCollection<std::shared_ptr<clsObject>> Objects;
KeyedCollection<std::shared_ptr<clsObject>> Parents;

void InitObject()
{
    NextID = 0;
    Objects = {};
    Parents = {};
}

QString KeyOf(qint16 id)
{
    return Conv::leadingBlank(static_cast<qint64>(id));
}

QString KeyOfTag(const QString& tag)
{
    return KeyOf(Conv::toInt16(tag));
}

} // namespace modObject
