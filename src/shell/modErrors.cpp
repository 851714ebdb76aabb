#include "shell/modErrors.h"

#include "dialogs/Dialogs.h"
#include "dialogs/ErrorMR.h"

namespace modErrors {

void LoadErrors()
{
    Dialogs::Load<ErrorMR>().hide();
}

} // namespace modErrors
