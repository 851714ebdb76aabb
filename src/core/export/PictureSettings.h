#pragma once
// How every picture of a batch is drawn: the export options and the Genes switches.

#include "core/drawing/DrawFlags.h"
#include "core/export/PictureRender.h"

struct PictureSettings {
    Drawing::RenderOptions options;
    Drawing::Flags flags;
};
