#pragma once
// How a run ended: by File > Exit, by the main window's close box, or cut off (killed, crashed, or gone any other
// way), which leaves its journal without an end.

enum class RunEnding { Exit, CloseBox, CutOff };
