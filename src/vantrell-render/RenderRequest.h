#pragma once
// What one run of vantrell-render is asked to do, as its command line gives it.

#include "core/export/PictureRender.h"
#include "core/export/PictureSettings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct RenderRequest {
    // The genetic code files named on the command line, in their order.
    QStringList files;
    // -o: the one picture's file; -d: the folder of every picture (and of random codes).
    QString output;
    QString outputDir;
    // -f; without it each picture takes its output's suffix, else PNG.
    std::optional<Drawing::Format> format;
    PictureSettings settings;
    QString sheet;
    // 0: as many as make the sheet about square.
    int columns = 0;
    // --random: how many codes to write first, from which seed, under which name.
    int randomCount = 0;
    std::uint64_t seed = 0;
    QString prefix = QStringLiteral("random-");
    // 0: one for each core.
    int threads = 0;
    // --animate: the files morph, in their order, into the one animation output names.
    bool animate = false;
    double secondsPerStep = 1.0;
    int framesPerSecond = 30;
    // --web: the new or empty folder the files are written into as one web page.
    QString web;
    // --thumbnail: the side of the one square thumbnail of files' only file, written as output; 0 for none.
    int thumbnail = 0;
};
