#include "export/ExportSettings.h"

#include "picture/frmObject.h"

ExportSettings& ExportSettings::remembered()
{
    static ExportSettings settings;
    return settings;
}

Drawing::RenderOptions ExportSettings::options(bool transparent) const
{
    return { scale, frame, smooth, transparent ? QColor(Qt::transparent) : frmObject::drawingBackground() };
}
