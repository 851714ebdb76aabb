#pragma once
// Drags a picture out of its window: as a PNG at the remembered export settings, and as its genetic code, both as
// a genetic code file's bytes and as such a file, for a document or a file manager to take.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QMimeData;
class QWidget;

namespace PictureDrag {

// The genetic code file's own type, as the desktop knows it.
inline constexpr char GeneticCodeType[] = "application/x-vantrell-genetic-code";

// What the drag of picture id carries. Its file, picture-ID.gen, lies in a folder of this run's own, which goes
// when the program ends. Error 7 when the image would need more memory than an image may have.
std::unique_ptr<QMimeData> mimeDataOf(qint16 id, const GeneticCode& code, Drawing::Flags flags);
// The same for a genetic code that is no picture, its file named fileName ("generation-2-cell-5.gen").
std::unique_ptr<QMimeData> mimeDataOf(const QString& fileName, const GeneticCode& code, Drawing::Flags flags);

// What the drag or copy of saved genetic code files carries: the files themselves, and as a picture's drag does, the
// picture of first (the first file's code, when it reads) as PNG and its genetic code. Error 7 as mimeDataOf.
std::unique_ptr<QMimeData> mimeDataOfFiles(
    const QStringList& fileNames, const std::optional<GeneticCode>& first, Drawing::Flags flags);

// Drags picture id out of source until it is dropped or given up.
void start(QWidget* source, qint16 id, const GeneticCode& code, Drawing::Flags flags);
// Drags data out of source, its picture, if it has one, following the pointer.
void start(QWidget* source, std::unique_ptr<QMimeData> data);

} // namespace PictureDrag
