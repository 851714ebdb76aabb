#include "program/modObject.h"

#include "core/platform/Conversions.h"
#include "core/platform/RuntimeError.h"

#include <limits>

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

std::vector<qint16> TakeNextIDs(int count)
{
    if (count > std::numeric_limits<qint16>::max() - NextID)
        throw RuntimeError::overflow(QStringLiteral("(every picture number up to 32766 has been given out)"));
    std::vector<qint16> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(NextID++);
    return ids;
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
