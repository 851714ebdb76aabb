#pragma once
// The choices the user makes beside the described ones: the program keeps them for the rest of the run.

#include "core/export/ExportSettings.h"

#include <QHash>
#include <QSize>
#include <QString>

struct Preferences {
    // The export choices last made: the Export dialog starts from them and Copy uses them.
    ExportSettings exportSettings;
    // The choices last made in the Export Animation dialog.
    AnimationExportSettings animationExport;
    // How many pictures a litter has unless the user says otherwise: 9 at first, then the last number given.
    int litterSize = 9;
    // The folder each file dialog last used, by the dialog's name.
    QHash<QString, QString> folders;
    // The size each resizable window of its own last had, by the window's name.
    QHash<QString, QSize> windowSizes;

    // The one set the program keeps.
    static Preferences& current();
};
