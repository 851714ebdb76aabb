#include "ui/dialogs/AboutCorvane.h"

#include "ui/dialogs/Logos.h"
#include "ui/dialogs/PictureBox.h"
#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

AboutCorvane::AboutCorvane()
    : DialogWindow(QStringLiteral("About Corvane Software"), 6300, 2235)
{
    Ok = addButton("Ok", QStringLiteral("Ok"), 4440, 120, 1215, 375);
    icnCorvane = addPictureBox("icnCorvane", QStringLiteral("Corvane logo"), Logos::Corvane(), 240, 240, 720, 720);
    lblWebPage = addLabel("lblWebPage",
        QStringLiteral("To find out more about Corvane Software and about other programs made by "
                       "Corvane Software you can visit our web site. Our website can be reached "
                       "from the web site: "),
        1080, 120, 3135, 975);
    lblGetWebPage = addLabel("lblGetWebPage",
        QStringLiteral(" Or, we will send you the current URL of Corvane Software's home pae if "
                       "you send an e-mail to:"),
        1080, 1200, 3255, 735);
    lbltarrow = addLabel("lbltarrow", QStringLiteral("      http://www.example.com/"), 1080, 960, 3135, 255);
    lblEMail = addLabel("lblEMail", QStringLiteral("      corvane@example.com"), 1080, 1920, 2535, 1455);
    setTabChain({ Ok, icnCorvane, lblWebPage, lblGetWebPage, lbltarrow, lblEMail });
    Guard::connect(Ok, &QPushButton::clicked, this, &AboutCorvane::Ok_Click);
    Form_Load();
}

void AboutCorvane::Form_Load()
{
    icnCorvane->show();
}

void AboutCorvane::Ok_Click()
{
    hide();
}
