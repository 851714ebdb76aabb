#include "ui/dialogs/AboutAuthor.h"

#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

AboutAuthor::AboutAuthor()
    : DialogWindow(QStringLiteral("About Author"), 4695, 1155)
{
    lblText = addLabel(
        "lblText", QStringLiteral("To find out about the author, you can visit the web site:"), 120, 240, 3135, 495);
    lblWebSite = addLabel("lblWebSite", QStringLiteral("     http://www.example.org/pellarin/"), 120, 720, 3135, 255);
    Ok = addButton("Ok", QStringLiteral("Ok"), 3360, 120, 1215, 375);
    setTabChain({ lblText, lblWebSite, Ok });
    Guard::connect(Ok, &QPushButton::clicked, this, &AboutAuthor::Ok_Click);
}

void AboutAuthor::Ok_Click()
{
    hide();
}
