#pragma once
// Program-wide drawing flags, the main window's boxes, and the mutation-rate test.

#include "core/drawing/DrawFlags.h"
#include "program/MainWindowTexts.h"

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

// The main window whose boxes the procedures read; it outlives every call.
void SetMainWindow(const MainWindowTexts* window);
const MainWindowTexts& MainWindow();

// True exactly when the mutation-rate box holds numeric text.
bool IsMutationRateValid();

} // namespace modMain
