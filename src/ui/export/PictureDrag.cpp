#include "ui/export/PictureDrag.h"

#include "core/export/PictureRender.h"
#include "core/export/RasterRender.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/platform/RuntimeError.h"
#include "program/Preferences.h"

#include <QDrag>
#include <QMimeData>
#include <QPixmap>
#include <QTemporaryDir>
#include <QUrl>

namespace PictureDrag {

namespace {

// A file manager may copy a dropped file after the drag has ended, so the files stay until the program ends.
const QTemporaryDir& dragFolder()
{
    static const QTemporaryDir folder;
    if (!folder.isValid())
        throw RuntimeError(RuntimeError::PathFileAccess, folder.errorString(),
            QStringLiteral("(no folder for the genetic code files of drags)"));
    return folder;
}

// The size of the picture that follows the pointer.
constexpr int DragImageSide = 96;

// The picture as an image and a PNG at the remembered export settings, and its genetic code file's bytes.
std::unique_ptr<QMimeData> pictureData(const GeneticCode& code, Drawing::Flags flags)
{
    const ExportSettings& settings = Preferences::current().exportSettings;
    const QImage image = Drawing::renderImage(code, flags, settings.options(settings.transparent));
    auto data = std::make_unique<QMimeData>();
    data->setImageData(image);
    data->setData(QStringLiteral("image/png"), Drawing::encodePng(image));
    data->setData(QString::fromLatin1(GeneticCodeType), GeneFileWriter::Contents(code));
    return data;
}

} // namespace

std::unique_ptr<QMimeData> mimeDataOf(qint16 id, const GeneticCode& code, Drawing::Flags flags)
{
    return mimeDataOf(QStringLiteral("picture-%1.gen").arg(id), code, flags);
}

std::unique_ptr<QMimeData> mimeDataOf(const QString& fileName, const GeneticCode& code, Drawing::Flags flags)
{
    std::unique_ptr<QMimeData> data = pictureData(code, flags);
    const QString path = dragFolder().filePath(fileName);
    Files::replaceFile(path, data->data(QString::fromLatin1(GeneticCodeType)));
    data->setUrls({ QUrl::fromLocalFile(path) });
    return data;
}

std::unique_ptr<QMimeData> mimeDataOfFiles(
    const QStringList& fileNames, const std::optional<GeneticCode>& first, Drawing::Flags flags)
{
    std::unique_ptr<QMimeData> data = first ? pictureData(*first, flags) : std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& fileName : fileNames)
        urls.append(QUrl::fromLocalFile(fileName));
    data->setUrls(urls);
    return data;
}

void start(QWidget* source, qint16 id, const GeneticCode& code, Drawing::Flags flags)
{
    start(source, mimeDataOf(id, code, flags));
}

void start(QWidget* source, std::unique_ptr<QMimeData> data)
{
    // The drag belongs to its source, the data to the drag.
    auto* drag = new QDrag(source);
    const QImage image = qvariant_cast<QImage>(data->imageData());
    drag->setMimeData(data.release());
    if (!image.isNull())
        drag->setPixmap(QPixmap::fromImage(
            image.scaled(DragImageSide, DragImageSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    drag->exec(Qt::CopyAction);
}

} // namespace PictureDrag
