#include "ui/dialogs/Info.h"

#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

Info::Info()
    : DialogWindow(QStringLiteral("Info"), 6060, 2865)
{
    btnOK = addButton("btnOK", QStringLiteral("OK"), 4680, 240, 1215, 375);
    lblInfo = addLabel("lblInfo",
        QStringLiteral(
            "Vantrell is a program that makes pictures using a Genetic Algorithm. When the you create a new picture, "
            "this program  creates a \"Genetic Code\" for that picture. This genetic code comes from two places: "
            "mutations, and the parents. When a gene mutates, it takes on a random value. If a gene doesn't mutate, "
            "it is taken randomly from one of the parents (a picture with the parent check box selected. It also is "
            "possible to save a picture (by typing the place where it is to be saved in the Name text box) and open a "
            "picture (by typing in the name of the file containing the \"Genetic Code\" into the text box to the "
            "right of the Open button. When saving a picture however, be careful because if the file you named "
            "exists, it will be overwritten."),
        120, 120, 4455, 2895);
    setTabChain({ btnOK, lblInfo });
    Guard::connect(btnOK, &QPushButton::clicked, this, &Info::btnOK_Click);
}

void Info::btnOK_Click()
{
    hide();
}
