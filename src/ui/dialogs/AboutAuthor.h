#pragma once
// About the program's author and where to find more.

#include "ui/dialogs/DialogWindow.h"

class AboutAuthor final : public DialogWindow {
    Q_OBJECT

public:
    AboutAuthor();

    QLabel* lblText;
    QLabel* lblWebSite;
    QPushButton* Ok;

private:
    void Ok_Click();
};
