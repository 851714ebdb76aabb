#pragma once
// Tells when pressing the left button and moving the mouse make a drag: once, when it has moved far enough.

#include <QPoint>

#include <optional>

class QMouseEvent;

class DragGesture {
public:
    void press(const QMouseEvent& event);
    // True, once for each press, when the left button held since then has moved the platform's drag distance.
    bool starts(const QMouseEvent& event);

private:
    std::optional<QPoint> m_pressedAt;
};
