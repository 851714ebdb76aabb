#pragma once
// The bound on an image's memory, and the one refusal of an image over it or of one the memory cannot be had for.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

namespace Drawing {

// Images bigger than this are refused rather than risk the memory of the whole desktop.
inline constexpr qint64 MaxImageBytes = 512LL * 1024 * 1024;
qint64 imageBytes(QSize size);
// The largest scale up to MaxScale whose image of frame fits in MaxImageBytes; 0 when not even scale 1 does.
int largestScaleThatFits(const QRectF& frame);

// An image in the words of its refusal: what it is ("image at scale 13", "sheet"), and what to do instead, if
// anything.
struct ImageUse {
    QString what;
    QString advice;
};

// The image use at scale of an image of frame, in twips, advising the largest scale that fits.
ImageUse scaledImageUse(const QRectF& frame, int scale);

// Error 7 naming the image's size, its memory and its use when it would need more than MaxImageBytes.
void checkImageBytes(QSize size, const ImageUse& use);
// A new image, not yet filled: Error 7 as checkImageBytes, or when its memory cannot be had.
QImage newImage(QSize size, QImage::Format format, const ImageUse& use);
// An image that shows background as it is: with an alpha channel where background is not opaque.
QImage::Format imageFormatFor(const QColor& background);

} // namespace Drawing
