#pragma once
// The error dialog's loader.

namespace modErrors {

// Creates the ErrorMR dialog hidden, so that it exists, invisible, from start-up on.
void LoadErrors();

} // namespace modErrors
