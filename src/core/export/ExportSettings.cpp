#include "core/export/ExportSettings.h"

#include "core/drawing/WindowBackground.h"

Drawing::RenderOptions ExportSettings::options(bool transparent) const
{
    return { scale, frame, smooth, transparent ? QColor(Qt::transparent) : Drawing::windowBackground() };
}

Drawing::RenderOptions AnimationExportSettings::options() const
{
    return { scale, frame, smooth, transparent ? QColor(Qt::transparent) : Drawing::windowBackground() };
}
