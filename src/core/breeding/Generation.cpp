#include "core/breeding/Generation.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// "a", "a and b", "a, b and c".
QString namesJoined(QStringList names)
{
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString mutatingText(const BreedOptions& options)
{
    QString text;
    if (options.mutate == MutateChoice::ShapeOnly)
        text += QStringLiteral("; only the shape mutates");
    else if (options.mutate == MutateChoice::ColourOnly)
        text += QStringLiteral("; only the colour mutates");
    QStringList frozen;
    for (std::size_t gene = 0; gene < options.frozen.size(); ++gene)
        if (options.frozen[gene])
            frozen.append(QString::number(gene));
    if (!frozen.isEmpty())
        text += QStringLiteral("; %1 %2 frozen")
                    .arg(frozen.size() == 1 ? QStringLiteral("gene") : QStringLiteral("genes"), namesJoined(frozen));
    return text;
}

} // namespace

int Generation::side() const
{
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(cells.size()))));
}

bool Generation::isSelected(int cell) const
{
    return std::binary_search(selection.cbegin(), selection.cend(), cell);
}

void Generation::setSelected(int cell, bool selected)
{
    const auto at = std::lower_bound(selection.begin(), selection.end(), cell);
    const bool there = at != selection.end() && *at == cell;
    if (selected && !there)
        selection.insert(at, cell);
    else if (!selected && there)
        selection.erase(at);
}

std::vector<qint16> Generation::parentIds() const
{
    std::vector<qint16> found;
    for (int parent = 0; parent < parentCount(); ++parent)
        if (ids[static_cast<std::size_t>(parent)] >= 0)
            found.push_back(ids[static_cast<std::size_t>(parent)]);
    return found;
}

QString Generation::parentName(int parent) const
{
    const qint16 id = ids[static_cast<std::size_t>(parent)];
    if (id >= 0)
        return QStringLiteral("picture %1").arg(id);
    const BirthRecord& origin = origins[static_cast<std::size_t>(parent)];
    if (origin.kind == BirthRecord::Kind::File)
        return QFileInfo(origin.file).fileName();
    return origin.describe();
}

QString Generation::describe(int cell) const
{
    if (isParent(cell))
        return QStringLiteral("Parent %1: %2").arg(cell + 1).arg(parentName(cell));
    if (parentCount() == 0)
        return QStringLiteral("Random");
    QStringList names;
    for (int parent = 0; parent < parentCount(); ++parent)
        names.append(parentName(parent));
    return QStringLiteral("Bred from %1 at rate %2").arg(namesJoined(names), QLocale().toString(options.rate, 'g', 15))
        + mutatingText(options);
}

BirthRecord Generation::birthOf(int cell, Drawing::Flags flags) const
{
    if (!isParent(cell))
        return BirthRecord::bredInWindow(parentIds(), options.rate, flags);
    BirthRecord birth = origins[static_cast<std::size_t>(cell)];
    birth.flags = flags;
    return birth;
}
