#pragma once
// The choices a user makes that last from run to run, unlike the mutation rate and the Genes menu: how pictures and
// animations are exported, the litter size, the Breed window's grid and rate, the album's thumbnails, where each file
// dialog starts and how big the resizable windows are.

#include "core/breeding/BreedOptions.h"
#include "core/export/ExportSettings.h"
#include "core/thumbnails/ThumbnailCache.h"

#include <QHash>
#include <QSize>
#include <QString>

struct UserSettings {
    // The export choices last made: the Export dialog starts from them, and Copy and drags use them.
    ExportSettings exportSettings;
    // The choices last made in the Export Animation dialog.
    AnimationExportSettings animationExport;
    // How many pictures a litter has unless the user says otherwise: 9 at first, then the last number given.
    int litterSize = 9;
    // Cells in a row of the Breed window's grid, and its mutation rate, as last chosen there.
    int breedGrid = DefaultGridSide;
    double breedRate = BreedOptions::DefaultRate;
    // The side of the album's thumbnails: Small or Large.
    int albumThumbnailSize = ThumbnailCache::NormalSide;
    // The folder each file dialog last used, by the dialog's name.
    QHash<QString, QString> folders;
    // The size each resizable window of its own last had, by the window's name.
    QHash<QString, QSize> windowSizes;

    static constexpr int MinLitterSize = 2;
    static constexpr int MaxLitterSize = 64;

    friend bool operator==(const UserSettings&, const UserSettings&) = default;
};
