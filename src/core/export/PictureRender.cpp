#include "core/export/PictureRender.h"

#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "core/files/ReplaceFile.h"
#include "core/platform/RuntimeError.h"

#include <QBuffer>
#include <QFileInfo>

namespace Drawing {

namespace {

// Each format by its name, which is its suffix too.
struct FormatName {
    Format format;
    QLatin1StringView name;
};
constexpr FormatName FormatNames[] = { { Format::Png, QLatin1StringView("png") },
    { Format::Svg, QLatin1StringView("svg") }, { Format::Pdf, QLatin1StringView("pdf") } };

} // namespace

std::optional<Format> formatNamed(const QString& name)
{
    for (const FormatName& known : FormatNames)
        if (name.compare(known.name, Qt::CaseInsensitive) == 0)
            return known.format;
    return std::nullopt;
}

std::optional<Format> formatOfFileName(const QString& fileName)
{
    // The last suffix only: "tree.gen.png" is a PNG file.
    return formatNamed(QFileInfo(fileName).suffix());
}

QString suffixOf(Format format)
{
    for (const FormatName& known : FormatNames)
        if (known.format == format)
            return known.name;
    return {};
}

QByteArray encodePng(const QImage& image, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", quality))
        throw RuntimeError(RuntimeError::PathFileAccess, QStringLiteral("The image could not be encoded as PNG"));
    return buffer.data();
}

QByteArray render(
    Format format, const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title)
{
    switch (format) {
    case Format::Svg:
        return renderSvg(code, flags, options, title);
    case Format::Pdf:
        return renderPdf(code, flags, options, title);
    case Format::Png:
        break;
    }
    return encodePng(renderImage(code, flags, options));
}

void exportPicture(Format format, const GeneticCode& code, Flags flags, const RenderOptions& options,
    const QString& title, const QString& fileName)
{
    Files::replaceFile(fileName, render(format, code, flags, options, title));
}

} // namespace Drawing
