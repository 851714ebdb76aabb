#pragma once
// The export choices last made, kept for the rest of the run: the Export dialog starts from them and Copy uses them.

#include "drawing/PictureRender.h"

class ExportSettings {
public:
    int scale = 4;
    Drawing::Frame frame = Drawing::Frame::Window;
    bool smooth = true;

    // The one set the program keeps.
    static ExportSettings& remembered();

    // The options these settings give, on the background of the picture window's drawing or on none.
    Drawing::RenderOptions options(bool transparent) const;
};
