#include "program/modMain.h"

#include "core/platform/Conversions.h"

#include <stdexcept>

namespace modMain {

bool UseDone = true;
bool UseDraw = false;

namespace {
MainWindowBoxes mainWindow;
}

void InitMain()
{
    UseDone = true;
    UseDraw = false;
}

void SetMainWindow(MainWindowBoxes boxes)
{
    mainWindow = std::move(boxes);
}

const MainWindowBoxes& MainWindow()
{
    if (!mainWindow.mutationRate || !mainWindow.name)
        throw std::logic_error("the main window has not been set");
    return mainWindow;
}

bool IsMutationRateValid()
{
    return Conv::isNumeric(MainWindow().mutationRate());
}

} // namespace modMain
