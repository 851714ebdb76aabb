#include "core/history/Lineage.h"

#include "core/history/RunHistory.h"

#include <algorithm>

namespace Lineage {

std::vector<qint16> of(const RunHistory& history, qint16 id)
{
    std::vector<qint16> line;
    for (const PictureRecord* picture = history.find(id); picture;) {
        // A parent comes before its child, so a line never meets itself; the check keeps any record safe.
        if (std::find(line.begin(), line.end(), picture->id) != line.end())
            break;
        line.push_back(picture->id);
        const std::vector<qint16> parents = picture->birth.parentsInRun();
        picture = parents.empty() ? nullptr : history.find(parents.front());
    }
    std::reverse(line.begin(), line.end());
    return line;
}

} // namespace Lineage
