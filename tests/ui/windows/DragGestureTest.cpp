#include "ui/windows/DragGesture.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

struct Step {
    QEvent::Type type;
    Qt::MouseButton button;
    Qt::MouseButtons held;
    // Pixels right of where the gesture begins, in drag distances.
    double distances;
};

struct GestureCase {
    const char* name;
    std::vector<Step> steps;
    // The steps after which a drag starts.
    std::vector<int> starts;
};

void PrintTo(const GestureCase& c, std::ostream* out)
{
    *out << c.name;
}

class DragGestureTest : public testing::TestWithParam<GestureCase> { };

TEST_P(DragGestureTest, StartsOnceForEachPressWhenTheLeftButtonHasMovedFarEnough)
{
    DragGesture gesture;
    const int distance = QApplication::startDragDistance();
    std::vector<int> started;
    for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
        const Step& step = GetParam().steps[i];
        const QPointF at(10 + step.distances * distance, 10);
        const QMouseEvent event(step.type, at, at, step.button, step.held, Qt::NoModifier);
        if (step.type == QEvent::MouseButtonPress) {
            gesture.press(event);
        } else if (gesture.starts(event)) {
            started.push_back(static_cast<int>(i));
        }
    }
    EXPECT_EQ(started, GetParam().starts);
}

constexpr auto Press = QEvent::MouseButtonPress;
constexpr auto Move = QEvent::MouseMove;

INSTANTIATE_TEST_SUITE_P(Gestures, DragGestureTest,
    testing::Values(GestureCase { "FarEnough",
                        { { Press, Qt::LeftButton, Qt::LeftButton, 0 }, { Move, Qt::NoButton, Qt::LeftButton, 0.5 },
                            { Move, Qt::NoButton, Qt::LeftButton, 1 }, { Move, Qt::NoButton, Qt::LeftButton, 2 } },
                        { 2 } },
        GestureCase { "NotFarEnough",
            { { Press, Qt::LeftButton, Qt::LeftButton, 0 }, { Move, Qt::NoButton, Qt::LeftButton, 0.9 } }, {} },
        GestureCase { "RightButton",
            { { Press, Qt::RightButton, Qt::RightButton, 0 }, { Move, Qt::NoButton, Qt::RightButton, 3 } }, {} },
        GestureCase { "MovedWithoutAPress", { { Move, Qt::NoButton, Qt::LeftButton, 3 } }, {} },
        GestureCase { "ButtonLetGo",
            { { Press, Qt::LeftButton, Qt::LeftButton, 0 }, { Move, Qt::NoButton, Qt::NoButton, 3 } }, {} },
        GestureCase { "PressedAgain",
            { { Press, Qt::LeftButton, Qt::LeftButton, 0 }, { Move, Qt::NoButton, Qt::LeftButton, 2 },
                { Move, Qt::NoButton, Qt::LeftButton, 3 }, { Press, Qt::LeftButton, Qt::LeftButton, 3 },
                { Move, Qt::NoButton, Qt::LeftButton, 5 } },
            { 1, 4 } }),
    [](const testing::TestParamInfo<GestureCase>& info) { return info.param.name; });

} // namespace
