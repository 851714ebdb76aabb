#pragma once
// What the program-wide procedures read from the main window: the current texts of its two boxes.

#include <QString>

#include <functional>

struct MainWindowBoxes {
    std::function<QString()> mutationRate;
    std::function<QString()> name;
};
