// A frame's GIF palette: median cut for more colours than fit, and the transparent entry.

#include "core/export/GifPalette.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct ManyColours {
    const char* name;
    bool transparent;
};

class GifMedianCut : public testing::TestWithParam<ManyColours> { };

// 4096 colours, a red and green ramp; with transparent set, its left quarter is uncovered.
TEST_P(GifMedianCut, EveryEntryLiesAmongTheFramesColoursAndEveryPixelNearItsOwn)
{
    const bool transparent = GetParam().transparent;
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

INSTANTIATE_TEST_SUITE_P(Frames, GifMedianCut,
    testing::Values(ManyColours { "Opaque", false }, ManyColours { "PartlyTransparent", true }),
    [](const auto& info) { return std::string(info.param.name); });

struct CoveredPixel {
    const char* name;
    QRgb pixel;
    bool shown;
};

class GifTransparency : public testing::TestWithParam<CoveredPixel> { };

TEST_P(GifTransparency, APixelLessThanHalfCoveredIsTransparentAnyOtherShowsItsColourFully)
{
    const CoveredPixel& covered = GetParam();
    // Beside an opaque pixel, so that the frame has a colour whichever way the pixel goes.
    QImage frame(2, 1, QImage::Format_ARGB32);
    frame.setPixel(0, 0, qRgb(10, 20, 30));
    frame.setPixel(1, 0, covered.pixel);

    const IndexedFrame indexed = GifPalette::indexed(frame, true);

    const int entry = indexed.pixels[1];
    if (covered.shown) {
        EXPECT_NE(entry, indexed.transparentIndex);
        EXPECT_EQ(indexed.palette[static_cast<std::size_t>(entry)],
            qRgb(qRed(covered.pixel), qGreen(covered.pixel), qBlue(covered.pixel)));
    } else {
        ASSERT_GE(indexed.transparentIndex, 0);
        EXPECT_EQ(entry, indexed.transparentIndex);
        EXPECT_EQ(qAlpha(indexed.palette[static_cast<std::size_t>(entry)]), 0);
    }
    EXPECT_EQ(indexed.palette[indexed.pixels[0]], qRgb(10, 20, 30));
}

INSTANTIATE_TEST_SUITE_P(Pixels, GifTransparency,
    testing::Values(CoveredPixel { "Uncovered", qRgba(200, 100, 50, 0), false },
        CoveredPixel { "JustBelowHalf", qRgba(200, 100, 50, 127), false },
        CoveredPixel { "Half", qRgba(200, 100, 50, 128), true },
        CoveredPixel { "Opaque", qRgba(200, 100, 50, 255), true }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
