#pragma once
// Program-wide drawing flags, the main window's boxes, and the mutation-rate test.

#include "core/drawing/DrawFlags.h"
#include "program/MainWindowBoxes.h"

namespace modMain {

// Equal to the check marks of Genes > Done and Genes > Draw.
extern bool UseDone;
extern bool UseDraw;

// The two flags as a drawing takes them.
inline Drawing::Flags DrawFlags()
{
    return { UseDone, UseDraw };
}

// UseDone = True, UseDraw = False.
void InitMain();

// The main window's boxes that the procedures read, until they are taken away again (by empty boxes).
void SetMainWindow(MainWindowBoxes boxes);
const MainWindowBoxes& MainWindow();

// True exactly when the mutation-rate box holds numeric text.
bool IsMutationRateValid();

} // namespace modMain
