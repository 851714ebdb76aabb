#include "core/export/GifPalette.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace GifPalette {

namespace {

constexpr int GifPaletteSize = 256;
// Every opaque colour is keyed with full alpha, so no colour is keyed as the transparent pixels are.
constexpr QRgb PaletteTransparentKey = 0;

struct PaletteColourCount {
    QRgb colour;
    quint64 count;
};

// A range of colours that gets one palette entry, and the channel (red, green, blue) it spreads widest in.
struct PaletteBox {
    std::size_t begin;
    std::size_t end;
    int channel;
    int range;
};

int paletteChannelOf(QRgb colour, int channel)
{
    const std::array<int, 3> channels { qRed(colour), qGreen(colour), qBlue(colour) };
    return channels[static_cast<std::size_t>(channel)];
}

PaletteBox paletteBoxOf(const std::vector<PaletteColourCount>& colours, std::size_t begin, std::size_t end)
{
    std::array<int, 3> low { 255, 255, 255 };
    std::array<int, 3> high { 0, 0, 0 };
    for (std::size_t i = begin; i < end; ++i) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const int value = paletteChannelOf(colours[i].colour, static_cast<int>(channel));
            low[channel] = std::min(low[channel], value);
            high[channel] = std::max(high[channel], value);
        }
    }
    PaletteBox box { begin, end, 0, -1 };
    for (int channel = 0; channel < 3; ++channel) {
        const auto c = static_cast<std::size_t>(channel);
        if (high[c] - low[c] > box.range) {
            box.channel = channel;
            box.range = high[c] - low[c];
        }
    }
    return box;
}

// Splits the box that spreads widest at the median of its pixels, until there are count boxes or none spreads.
std::vector<PaletteBox> paletteMedianCut(std::vector<PaletteColourCount>& colours, int count)
{
    std::vector<PaletteBox> boxes { paletteBoxOf(colours, 0, colours.size()) };
    while (static_cast<int>(boxes.size()) < count) {
        const auto widest = std::max_element(
            boxes.begin(), boxes.end(), [](const PaletteBox& a, const PaletteBox& b) { return a.range < b.range; });
        if (widest->range <= 0)
            break;
        const PaletteBox box = *widest;
        const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
        const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [channel = box.channel](const PaletteColourCount& a, const PaletteColourCount& b) {
            return paletteChannelOf(a.colour, channel) < paletteChannelOf(b.colour, channel);
        });
        quint64 total = 0;
        for (auto it = first; it != last; ++it)
            total += it->count;
        std::size_t split = box.begin;
        for (quint64 below = 0; split < box.end && 2 * below < total; ++split)
            below += colours[split].count;
        // A box that spreads holds two colours at least; each half keeps one.
        split = std::clamp(split, box.begin + 1, box.end - 1);
        *widest = paletteBoxOf(colours, box.begin, split);
        boxes.push_back(paletteBoxOf(colours, split, box.end));
    }
    return boxes;
}

QRgb paletteMeanColour(const std::vector<PaletteColourCount>& colours, const PaletteBox& box)
{
    std::array<quint64, 3> sums {};
    quint64 total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (std::size_t channel = 0; channel < 3; ++channel)
            sums[channel] += static_cast<quint64>(paletteChannelOf(colours[i].colour, static_cast<int>(channel)))
                * colours[i].count;
        total += colours[i].count;
    }
    const auto mean = [total](quint64 sum) { return static_cast<int>((sum + total / 2) / total); };
    return qRgb(mean(sums[0]), mean(sums[1]), mean(sums[2]));
}

} // namespace

IndexedFrame indexed(const QImage& frame, bool transparent)
{
    const QImage image = frame.convertToFormat(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const auto keyOf = [transparent](QRgb pixel) {
        return transparent && qAlpha(pixel) < 128 ? PaletteTransparentKey : pixel | 0xff000000U;
    };

    // Neighbouring pixels are mostly alike: runs are counted whole.
    std::unordered_map<QRgb, quint64> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            const QRgb key = keyOf(row[x]);
            int run = 1;
            while (x + run < image.width() && keyOf(row[x + run]) == key)
                ++run;
            counts[key] += static_cast<quint64>(run);
            x += run;
        }
    }
    const bool anyTransparent = counts.erase(PaletteTransparentKey) > 0;
    std::vector<PaletteColourCount> colours;
    colours.reserve(counts.size());
    for (const auto& [colour, count] : counts)
        colours.push_back({ colour, count });
    std::sort(colours.begin(), colours.end(),
        [](const PaletteColourCount& a, const PaletteColourCount& b) { return a.colour < b.colour; });

    IndexedFrame result;
    std::unordered_map<QRgb, unsigned char> entryOf;
    const int room = GifPaletteSize - (anyTransparent ? 1 : 0);
    if (static_cast<int>(colours.size()) <= room) {
        for (const PaletteColourCount& colour : colours) {
            entryOf.emplace(colour.colour, static_cast<unsigned char>(result.palette.size()));
            result.palette.push_back(colour.colour);
        }
    } else {
        for (const PaletteBox& box : paletteMedianCut(colours, room)) {
            for (std::size_t i = box.begin; i < box.end; ++i)
                entryOf.emplace(colours[i].colour, static_cast<unsigned char>(result.palette.size()));
            result.palette.push_back(paletteMeanColour(colours, box));
        }
    }
    if (anyTransparent) {
        result.transparentIndex = static_cast<int>(result.palette.size());
        entryOf.emplace(PaletteTransparentKey, static_cast<unsigned char>(result.palette.size()));
        result.palette.push_back(qRgba(0, 0, 0, 0));
    }

    result.pixels.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    auto out = result.pixels.begin();
    QRgb lastKey = PaletteTransparentKey;
    unsigned char lastEntry = 0;
    bool started = false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++out) {
            const QRgb key = keyOf(row[x]);
            if (!started || key != lastKey) {
                lastKey = key;
                lastEntry = entryOf.at(key);
                started = true;
            }
            *out = lastEntry;
        }
    }
    return result;
}

} // namespace GifPalette
