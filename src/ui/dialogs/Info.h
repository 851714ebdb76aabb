#pragma once
// What the program does, in a few sentences.

#include "ui/dialogs/DialogWindow.h"

class Info final : public DialogWindow {
    Q_OBJECT

public:
    Info();

    QPushButton* btnOK;
    QLabel* lblInfo;

private:
    void btnOK_Click();
};
