#pragma once
// The choices the user makes beside the described ones, kept for the rest of the run.

#include "core/export/ExportSettings.h"

struct Preferences {
    // The export choices last made: the Export dialog starts from them and Copy uses them.
    ExportSettings exportSettings;

    // The one set the program keeps.
    static Preferences& current();
};
