#pragma once
// Main-window boxes for tests that run the program's procedures without the real window.

#include "program/MainWindowTexts.h"
#include "program/modMain.h"

class FakeMainWindow final : public MainWindowTexts {
public:
    FakeMainWindow() { modMain::SetMainWindow(this); }
    ~FakeMainWindow() override { modMain::SetMainWindow(nullptr); }
    FakeMainWindow(const FakeMainWindow&) = delete;
    FakeMainWindow& operator=(const FakeMainWindow&) = delete;

    QString MutationRateText() const override { return mutationRate; }
    QString NameText() const override { return name; }

    QString mutationRate = QStringLiteral(" 0");
    QString name;
};
