#include "ui/windows/WindowPlacement.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace WindowPlacement {

std::vector<QPoint> place(
    const QRect& screen, const QRect& mainFrame, QSize frame, int count, const std::vector<QRect>& open)
{
    std::vector<QPoint> corners;
    if (count <= 0 || frame.isEmpty())
        return corners;
    const int stepX = frame.width() + Gap;
    const int stepY = frame.height() + Gap;
    // One past the screen's edges, so a window may end exactly on them.
    const int right = screen.right() + 1;
    const int bottom = screen.bottom() + 1;
    const QRect keepClear = mainFrame.adjusted(-Gap / 2, -Gap / 2, Gap / 2, Gap / 2);

    // Rows from the main window's top down, then the rows above it.
    const int firstTop = std::clamp(mainFrame.top(), screen.top(), std::max(screen.top(), bottom - frame.height()));
    std::vector<int> tops;
    for (int top = firstTop; top + frame.height() <= bottom; top += stepY)
        tops.push_back(top);
    for (int top = firstTop - stepY; top >= screen.top(); top -= stepY)
        tops.push_back(top);

    const auto take = [&](QPoint corner) {
        const QRect window = QRect(corner, frame).adjusted(-Gap / 2, -Gap / 2, Gap / 2, Gap / 2);
        for (const QRect& other : open)
            if (window.intersects(other))
                return false;
        corners.push_back(corner);
        return static_cast<int>(corners.size()) == count;
    };
    for (const int top : tops) {
        const bool besideMain = top < keepClear.bottom() + 1 && top + frame.height() > keepClear.top();
        if (besideMain) {
            // Right of the main window first, then left of it.
            for (int left = keepClear.right() + 1 + Gap / 2; left + frame.width() <= right; left += stepX)
                if (take({ left, top }))
                    return corners;
            for (int left = keepClear.left() - Gap / 2 - frame.width(); left >= screen.left(); left -= stepX)
                if (take({ left, top }))
                    return corners;
        } else {
            for (int left = screen.left(); left + frame.width() <= right; left += stepX)
                if (take({ left, top }))
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

std::vector<QRect> openWindowFrames()
{
    std::vector<QRect> frames;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->isMinimized()
            && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog))
            frames.push_back(window->frameGeometry());
    }
    return frames;
}

} // namespace WindowPlacement
