#pragma once
// vantrell-render --animate: the files read in their order and morphed into one animated WebP or GIF.

#include "vantrell-render/RenderRequest.h"

#include <QStringList>

namespace AnimationRun {

// Reads every file, then writes the animation whole or not at all; gives what failed, each naming its file
// with the reason. Nothing is written when a file cannot be read.
QStringList run(const RenderRequest& request);

} // namespace AnimationRun
