#pragma once
// About the program's maker, Corvane Software: its logo and where to find it.

#include "ui/dialogs/DialogWindow.h"

class AboutCorvane final : public DialogWindow {
    Q_OBJECT

public:
    AboutCorvane();

    QPushButton* Ok;
    PictureBox* icnCorvane;
    QLabel* lblWebPage;
    QLabel* lblGetWebPage;
    QLabel* lbltarrow;
    QLabel* lblEMail;

private:
    void Form_Load();
    void Ok_Click();
};
