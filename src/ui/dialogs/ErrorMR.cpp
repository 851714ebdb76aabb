#include "ui/dialogs/ErrorMR.h"

#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

ErrorMR::ErrorMR()
    : DialogWindow(QStringLiteral("ErrorMR"), 2940, 1305, true)
{
    lblText = addLabel("lblText", QStringLiteral("The  Mutation Rate must be a number."), 120, 120, 2775, 375);
    btnOK = addButton("btnOK", QStringLiteral("OK"), 960, 720, 1095, 375);
    setTabChain({ lblText, btnOK });
    Guard::connect(btnOK, &QPushButton::clicked, this, &ErrorMR::btnOK_Click);
}

void ErrorMR::btnOK_Click()
{
    hide();
}
