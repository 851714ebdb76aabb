#include "ui/export/PictureClipboard.h"

#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "program/Preferences.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace PictureClipboard {

std::unique_ptr<QMimeData> mimeDataOf(const GeneticCode& code, Drawing::Flags flags, const QString& title)
{
    const Drawing::RenderOptions options = Preferences::current().exportSettings.options(false);
    auto data = std::make_unique<QMimeData>();
    data->setImageData(Drawing::renderImage(code, flags, options));
    data->setData(QString::fromLatin1(SvgType), Drawing::renderSvg(code, flags, options, title));
    return data;
}

void copy(const GeneticCode& code, Drawing::Flags flags, const QString& title)
{
    // The clipboard owns what it is given.
    QGuiApplication::clipboard()->setMimeData(mimeDataOf(code, flags, title).release());
}

} // namespace PictureClipboard
