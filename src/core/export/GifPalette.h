#pragma once
// A frame in the at most 256 colours a GIF image has: its own colours when it has no more, else colours chosen
// from it by median cut.

#include <QImage>
#include <QRgb>

#include <vector>

struct IndexedFrame {
    // Opaque colours, then the transparent entry when there is one.
    std::vector<QRgb> palette;
    // The entry of the transparent pixels, or -1.
    int transparentIndex = -1;
    // An entry for each pixel, row by row.
    std::vector<unsigned char> pixels;
};

namespace GifPalette {

// With transparent set, a pixel less than half covered is transparent and any other shows its colour fully.
IndexedFrame indexed(const QImage& frame, bool transparent);

} // namespace GifPalette
