#include "export/PictureClipboard.h"

#include "drawing/PictureRender.h"
#include "export/ExportSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace PictureClipboard {

std::unique_ptr<QMimeData> mimeDataOf(const GeneticSnapshot& code, Drawing::Flags flags, const QString& title)
{
    const Drawing::RenderOptions options = ExportSettings::remembered().options(false);
    const std::unique_ptr<clsGenSeq> genes = codeOf(code);
    auto data = std::make_unique<QMimeData>();
    data->setImageData(Drawing::renderImage(*genes, flags, options));
    data->setData(QString::fromLatin1(SvgType), Drawing::renderSvg(*genes, flags, options, title));
    return data;
}

void copy(const GeneticSnapshot& code, Drawing::Flags flags, const QString& title)
{
    // The clipboard owns what it is given.
    QGuiApplication::clipboard()->setMimeData(mimeDataOf(code, flags, title).release());
}

} // namespace PictureClipboard
