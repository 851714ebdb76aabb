#include "litter/LitterPlacement.h"

#include <algorithm>
#include <cmath>

namespace LitterPlacement {

namespace {

// The whole steps from origin that keep a span of length inside [low, high].
std::pair<int, int> stepsWithin(int origin, int step, int length, int low, int high)
{
    const int first = static_cast<int>(std::ceil(static_cast<double>(low - origin) / step));
    const int last = static_cast<int>(std::floor(static_cast<double>(high - length - origin) / step));
    return { first, last };
}

} // namespace

std::vector<QPoint> place(const QRect& screen, const QRect& mainFrame, QSize frame, int count)
{
    std::vector<QPoint> corners;
    if (count <= 0 || frame.isEmpty())
        return corners;
    const int stepX = frame.width() + Gap;
    const int stepY = frame.height() + Gap;
    const QPoint origin(mainFrame.right() + 1 + Gap, std::max(mainFrame.top(), screen.top()));
    // Coordinates one past the screen's edge, so a window may end exactly on it.
    const auto [firstColumn, lastColumn]
        = stepsWithin(origin.x(), stepX, frame.width(), screen.left(), screen.right() + 1);
    const auto [firstRow, lastRow] = stepsWithin(origin.y(), stepY, frame.height(), screen.top(), screen.bottom() + 1);

    // Rows from the main window's top down, then any above it; each row left to right.
    std::vector<int> rows;
    for (int row = 0; row <= lastRow; ++row)
        rows.push_back(row);
    for (int row = firstRow; row < 0; ++row)
        rows.push_back(row);
    const QRect keepClear = mainFrame.adjusted(-Gap / 2, -Gap / 2, Gap / 2, Gap / 2);
    for (const int row : rows) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QRect cell(origin + QPoint(column * stepX, row * stepY), frame);
            if (cell.intersects(keepClear))
                continue;
            corners.push_back(cell.topLeft());
            if (static_cast<int>(corners.size()) == count)
                return corners;
        }
    }

    // The screen is full: the rest cascade, starting again at its corner when they reach its edge.
    const int room = std::min(screen.width() - frame.width(), screen.height() - frame.height());
    const int steps = std::max(1, room / CascadeStep + 1);
    for (int k = 0; static_cast<int>(corners.size()) < count; ++k)
        corners.push_back(screen.topLeft() + QPoint(1, 1) * (CascadeStep * (k % steps)));
    return corners;
}

} // namespace LitterPlacement
