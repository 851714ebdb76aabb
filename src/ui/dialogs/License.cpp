#include "ui/dialogs/License.h"

#include "ui/windows/Guard.h"

#include <QLabel>
#include <QPushButton>

License::License()
    : DialogWindow(QStringLiteral("License"), 4695, 1215)
{
    // The notice fills the space left of the button, so the box is never empty.
    lblLicense = addLabel("lblLicense",
        QStringLiteral("Copyright (c) 2026 Pellarin. Vantrell is free software under the MIT "
                       "License, provided \"as is\", without warranty of any kind."),
        120, 120, 3135, 975);
    Ok = addButton("Ok", QStringLiteral("Ok"), 3360, 120, 1215, 375);
    setTabChain({ lblLicense, Ok });
    Guard::connect(Ok, &QPushButton::clicked, this, &License::Ok_Click);
}

void License::Ok_Click()
{
    hide();
}
