#pragma once
// The licence information: the short notice of the program's licence.

#include "ui/dialogs/DialogWindow.h"

class License final : public DialogWindow {
    Q_OBJECT

public:
    License();

    QLabel* lblLicense;
    QPushButton* Ok;

private:
    void Ok_Click();
};
