#pragma once
// About the program: its name, version, author and logo, which a click swaps for the maker's.

#include "ui/dialogs/DialogWindow.h"

#include <QtGlobal>

class AboutVantrell final : public DialogWindow {
    Q_OBJECT

public:
    AboutVantrell();

    QLabel* lblName;
    QLabel* lblAuthor;
    QLabel* lblCopywrite;
    QPushButton* Ok;
    PictureBox* icnVantrell;
    PictureBox* icnCorvane;
    QLabel* lblComments;

    // Which logo shows: 0 the program's (icnVantrell), 1 the maker's (icnCorvane).
    qint16 IconShown = 0;

private:
    void Form_Load();
    void icnVantrell_Click();
    void icnCorvane_Click();
    void Ok_Click();
};
