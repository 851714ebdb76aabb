#include "program/modMain.h"

#include "core/platform/Conversions.h"

#include <stdexcept>

namespace modMain {

bool UseDone = true;
bool UseDraw = false;

namespace {
const MainWindowTexts* mainWindow = nullptr;
}

void InitMain()
{
    UseDone = true;
    UseDraw = false;
}

void SetMainWindow(const MainWindowTexts* window)
{
    mainWindow = window;
}

const MainWindowTexts& MainWindow()
{
    if (!mainWindow)
        throw std::logic_error("the main window has not been set");
    return *mainWindow;
}

bool IsMutationRateValid()
{
    return Conv::isNumeric(MainWindow().MutationRateText());
}

} // namespace modMain
