#include "ui/dialogs/AboutVantrell.h"

#include "ui/dialogs/Logos.h"
#include "ui/dialogs/PictureBox.h"
#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

AboutVantrell::AboutVantrell()
    : DialogWindow(QStringLiteral("About Vantrell"), 5820, 1860)
{
    lblName = addLabel("lblName", QStringLiteral("Vantrell version 1.0"), 1200, 240, 3135, 255);
    lblAuthor = addLabel("lblAuthor", QStringLiteral("by Pellarin"), 1200, 720, 3135, 255);
    lblCopywrite = addLabel("lblCopywrite", QStringLiteral("Copyright (c) 2026 Pellarin"), 1200, 480, 3135, 255);
    Ok = addButton("Ok", QStringLiteral("Ok"), 4440, 120, 1215, 375);
    icnVantrell = addPictureBox("icnVantrell", QStringLiteral("Vantrell logo"), Logos::Vantrell(), 240, 240, 720, 720);
    icnCorvane = addPictureBox("icnCorvane", QStringLiteral("Corvane logo"), Logos::Corvane(), 240, 240, 720, 720);
    lblComments = addLabel("lblComments",
        QStringLiteral("If you have any comments or thoughts on this program, please send them to "
                       "vantrell@example.org"),
        1200, 1080, 3135, 615);
    setTabChain({ lblName, lblAuthor, lblCopywrite, Ok, icnVantrell, icnCorvane, lblComments });
    Guard::connect(Ok, &QPushButton::clicked, this, &AboutVantrell::Ok_Click);
    Guard::connect(icnVantrell, &PictureBox::Click, this, &AboutVantrell::icnVantrell_Click);
    Guard::connect(icnCorvane, &PictureBox::Click, this, &AboutVantrell::icnCorvane_Click);
    Form_Load();
}

void AboutVantrell::Form_Load()
{
    IconShown = 0;
    icnCorvane->hide();
    icnVantrell->show();
}

void AboutVantrell::icnVantrell_Click()
{
    if (IconShown == 0) {
        icnVantrell->hide();
        icnCorvane->show();
        IconShown = 1;
    }
}

void AboutVantrell::icnCorvane_Click()
{
    if (IconShown == 1) {
        icnCorvane->hide();
        icnVantrell->show();
        IconShown = 0;
    }
}

void AboutVantrell::Ok_Click()
{
    hide();
}
