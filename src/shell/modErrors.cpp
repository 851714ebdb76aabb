#include "shell/modErrors.h"

#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ErrorMR.h"

namespace modErrors {

void LoadErrors()
{
    Dialogs::Load<ErrorMR>().hide();
}

} // namespace modErrors
