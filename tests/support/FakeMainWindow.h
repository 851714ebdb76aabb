#pragma once
// Main-window boxes for tests that run the program's procedures without the real window.

#include "program/modMain.h"

class FakeMainWindow final {
public:
    FakeMainWindow()
    {
        modMain::SetMainWindow({ [this] { return mutationRate; }, [this] { return name; } });
    }
    ~FakeMainWindow() { modMain::SetMainWindow({}); }
    FakeMainWindow(const FakeMainWindow&) = delete;
    FakeMainWindow& operator=(const FakeMainWindow&) = delete;

    QString mutationRate = QStringLiteral(" 0");
    QString name;
};
