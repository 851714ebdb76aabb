#pragma once
// The dialog that tells the user the mutation rate is not a number.

#include "ui/dialogs/DialogWindow.h"

class ErrorMR final : public DialogWindow {
    Q_OBJECT

public:
    ErrorMR();

    QLabel* lblText;
    QPushButton* btnOK;

private:
    void btnOK_Click();
};
