#pragma once
// A web page of pictures written into a new or empty folder: index.html, its style sheet, and for each picture a
// thumbnail, its SVG and its genetic code file. No script, no external resource, relative links only.

#include "core/drawing/DrawFlags.h"
#include "core/export/PictureRender.h"
#include "core/genetics/GeneticCode.h"
#include "core/history/RunHistory.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace WebPage {

// A genetic code file of a gallery: its own name (no folder), its bytes as they are, and the code they hold.
struct GalleryEntry {
    QString fileName;
    QByteArray bytes;
    GeneticCode code;
};

// Reads a genetic code file as a gallery entry; errors name the file with the reason.
GalleryEntry readEntry(const QString& fileName);

// How each picture's SVG is drawn: Export Picture's default, at four times the window's size.
Drawing::RenderOptions defaultOptions();

// Called from the threads that draw, as each picture is done; false stops the writing.
using Progress = std::function<bool(int done, int total)>;

// A picture that could not be drawn, left out of the page: its place among those given, and why.
struct LeftOut {
    std::size_t index;
    QString error;
};

struct Outcome {
    // False when stopped: then nothing is left in the folder.
    bool written = false;
    std::vector<LeftOut> leftOut;
};

// The pictures of a run, in generations with lines from parents to children, their genetic code files as Save
// writes them ("picture-7.gen"). The folder is refused, nothing written, when it holds anything; any other error
// takes away what was written. threads: 0 for one for each core.
Outcome writeRun(const QString& folder, const std::vector<PictureRecord>& pictures,
    const Drawing::RenderOptions& options, int threads = 0, const Progress& progress = {});

// The entries in a grid, in their order, each under its own name, its genetic code file copied byte for byte.
Outcome writeGallery(const QString& folder, const std::vector<GalleryEntry>& entries,
    const Drawing::RenderOptions& options, Drawing::Flags flags, int threads = 0, const Progress& progress = {});

} // namespace WebPage
