#pragma once
// How a picture is exported and copied, and how an animation is exported.

#include "core/export/PictureRender.h"

struct ExportSettings {
    int scale = 4;
    Drawing::Frame frame = Drawing::Frame::Window;
    bool smooth = true;
    // Exports and drags leave the background empty; Copy always has one.
    bool transparent = false;

    // The options these settings give, on the background of the picture window's drawing or on none.
    Drawing::RenderOptions options(bool transparent) const;

    friend bool operator==(const ExportSettings&, const ExportSettings&) = default;
};

struct AnimationExportSettings {
    int scale = 4;
    int framesPerSecond = 30;
    Drawing::Frame frame = Drawing::Frame::Window;
    bool smooth = true;
    bool transparent = false;

    // The options these settings give, on the background of the picture window's drawing or on none.
    Drawing::RenderOptions options() const;

    friend bool operator==(const AnimationExportSettings&, const AnimationExportSettings&) = default;
};
