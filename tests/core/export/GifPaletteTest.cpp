// A frame's GIF palette: median cut for more colours than fit, and the transparent entry.

#include "core/export/GifPalette.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Whether the frame is exported with transparency.
class GifMedianCut : public testing::TestWithParam<bool> { };

// 4096 colours, a red and green ramp; with transparency, its left quarter is uncovered.
TEST_P(GifMedianCut, EveryEntryLiesAmongTheFramesColoursAndEveryPixelNearItsOwn)
{
    const bool transparent = GetParam();
    QImage frame(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            frame.setPixel(x, y, qRgba(x * 4, y * 4, 100, transparent && x < 16 ? 0 : 255));

    const IndexedFrame indexed = GifPalette::indexed(frame, transparent);

    ASSERT_EQ(indexed.palette.size(), 256U);
    EXPECT_EQ(indexed.transparentIndex, transparent ? 255 : -1);
    const int lowestRed = transparent ? 64 : 0;
    for (int entry = 0; entry < (transparent ? 255 : 256); ++entry) {
        const QRgb colour = indexed.palette[static_cast<std::size_t>(entry)];
        EXPECT_TRUE(qRed(colour) >= lowestRed && qRed(colour) <= 252 && qGreen(colour) <= 252 && qBlue(colour) == 100
            && qAlpha(colour) == 255)
            << "entry " << entry << ": " << std::hex << colour;
    }
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int entry = indexed.pixels[static_cast<std::size_t>(y * 64 + x)];
            if (transparent && x < 16) {
                EXPECT_EQ(entry, indexed.transparentIndex);
                continue;
            }
            const QRgb shown = indexed.palette[static_cast<std::size_t>(entry)];
            // No entry's colours span more than six steps of four in a channel: none is more than twelve from it.
            EXPECT_LE(std::max(std::abs(qRed(shown) - x * 4), std::abs(qGreen(shown) - y * 4)), 12)
                << "pixel " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, GifMedianCut, testing::Bool(),
    [](const auto& info) { return std::string(info.param ? "PartlyTransparent" : "Opaque"); });

TEST(GifTransparency, APixelLessThanHalfCoveredIsTransparentAnyOtherShowsItsColourFully)
{
    // The cover of each pixel of a row, and whether it shows.
    const struct {
        int alpha;
        bool shown;
    } pixels[] = { { 0, false }, { 127, false }, { 128, true }, { 255, true } };
    QImage frame(4, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 4; ++x)
        frame.setPixel(x, 0, qRgba(200, 100, 50 + x, pixels[x].alpha));

    const IndexedFrame indexed = GifPalette::indexed(frame, true);

    // The two colours shown, then the transparent entry.
    ASSERT_EQ(indexed.transparentIndex, 2);
    EXPECT_EQ(qAlpha(indexed.palette[2]), 0);
    for (int x = 0; x < 4; ++x) {
        SCOPED_TRACE(pixels[x].alpha);
        const unsigned char entry = indexed.pixels[static_cast<std::size_t>(x)];
        if (pixels[x].shown)
            EXPECT_EQ(indexed.palette[entry], qRgb(200, 100, 50 + x));
        else
            EXPECT_EQ(entry, indexed.transparentIndex);
    }
}

} // namespace
