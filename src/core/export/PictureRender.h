#pragma once
// A picture drawn outside its window: at any scale, in either frame, as an image, SVG or PDF.

#include "core/drawing/DrawFlags.h"
#include "core/drawing/PictureFrame.h"
#include "core/genetics/GeneticCode.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <optional>

class QPainter;
class QPdfWriter;

namespace Drawing {

enum class Format { Png, Svg, Pdf };

// By the file name's suffix, in any letter case; nothing for any other suffix.
std::optional<Format> formatOfFileName(const QString& fileName);
// By a format's name ("png", "svg", "pdf"), in any letter case.
std::optional<Format> formatNamed(const QString& name);
// "png", "svg" or "pdf".
QString suffixOf(Format format);

inline constexpr int MinScale = 1;
inline constexpr int MaxScale = 32;

struct RenderOptions {
    // Pixels for each pixel of the picture window's drawing.
    int scale = 1;
    Frame frame = Frame::Window;
    // Antialiased edges; without them every pixel is in its segment's exact colour, as in the window.
    bool smooth = false;
    // Qt::transparent leaves the background empty.
    QColor background = Qt::white;
};

// Twips to device units: the frame's top-left corner at the origin, scale pixels per window pixel.
QTransform twipsToDevice(const QRectF& frame, double scale);
// The device size of frame at scale, whole pixels that hold it all.
QSize pixelSize(const QRectF& frame, double scale);
// frame grown at its right and bottom to those whole pixels, in twips.
QRectF wholePixelFrame(const QRectF& frame, double scale);
// Twips to device units that fit frame into target, centred, the same scale across and down.
QTransform fitInto(const QRectF& frame, const QRectF& target);

// Paints the background over frame and the tree on it, through the painter's transform (which must map
// twips to the device); clipped to frame when clip is set.
void paintPicture(
    QPainter& painter, const GeneticCode& code, Flags flags, const QRectF& frame, const QColor& background, bool clip);

// Makes writer's one page size pixels, at 100 % as many screen pixels, without margins.
void preparePdf(QPdfWriter& writer, QSize pixels, const QString& title);

// Images bigger than this are refused rather than risk the memory of the whole desktop.
inline constexpr qint64 MaxImageBytes = 512LL * 1024 * 1024;
qint64 imageBytes(QSize size);
// The largest scale up to MaxScale whose image of frame fits in MaxImageBytes; 0 when not even scale 1 does.
int largestScaleThatFits(const QRectF& frame);

// The frame an image at these options shows, grown to whole pixels. Error 7 when the image would need more
// than MaxImageBytes, saying which scale fits, so that it can be refused before anything else is done.
QRectF imageFrame(const GeneticCode& code, Flags flags, const RenderOptions& options);
// The same for an image of frame, in twips, at scale.
QRectF imageFrameOver(const QRectF& frame, int scale);
// Error 7 as imageFrame.
QImage renderImage(const GeneticCode& code, Flags flags, const RenderOptions& options);
// The picture over frame, a frame imageFrameOver gave, at the options' scale; the options' frame is not asked.
QImage renderImageOver(const QRectF& frame, const GeneticCode& code, Flags flags, const RenderOptions& options);
// The picture fitted into an image of pixels and centred on background, as a view shows it; the window's
// frame is clipped as in the window; a background that is not opaque gives an image with an alpha channel. The image
// says devicePixelRatio, for a view to show it pixel for pixel.
QImage renderFitted(const GeneticCode& code, Flags flags, Frame frame, QSize pixels, qreal devicePixelRatio,
    const QColor& background, bool smooth);
// The same for the part shown of the drawing plane, in twips, clipped to it when clip is set.
QImage renderFittedOver(const QRectF& shown, bool clip, const GeneticCode& code, Flags flags, QSize pixels,
    qreal devicePixelRatio, const QColor& background, bool smooth);
// The whole tree fitted into an image of pixels and centred on background, smooth, as a cell of a grid or a thumbnail
// shows it: drawn by the share of each pixel the pens cover rather than by a painter, several times faster for a small
// picture of thousands of segments, and to the eye the same as renderFitted.
QImage renderCell(const GeneticCode& code, Flags flags, QSize pixels, qreal devicePixelRatio, const QColor& background);
QByteArray renderPng(const GeneticCode& code, Flags flags, const RenderOptions& options);
// Vectors, sized so that at 100 % they show at the scale; title names the document.
QByteArray renderSvg(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);
QByteArray renderPdf(const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);
QByteArray render(
    Format format, const GeneticCode& code, Flags flags, const RenderOptions& options, const QString& title);

// Renders and writes the file whole or not at all, as Save writes genetic code files.
void exportPicture(Format format, const GeneticCode& code, Flags flags, const RenderOptions& options,
    const QString& title, const QString& fileName);

} // namespace Drawing
