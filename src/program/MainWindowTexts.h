#pragma once
// What the program-wide procedures read from the main window's boxes.

#include <QString>

class MainWindowTexts {
public:
    virtual ~MainWindowTexts() = default;
    virtual QString MutationRateText() const = 0;
    virtual QString NameText() const = 0;
};
