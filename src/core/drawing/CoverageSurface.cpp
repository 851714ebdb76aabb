#include "core/drawing/CoverageSurface.h"

#include "core/drawing/PainterSurface.h"
#include "core/platform/Twips.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Less than this still showing of a pixel's earlier segments cannot change its colour.
constexpr float ShowsNoMore = 1.0F / 512.0F;
// Tiles of 4 x 4 pixels: small enough that a short segment lies behind a few of them.
constexpr int TileShift = 2;
constexpr int TileSide = 1 << TileShift;
constexpr int TilePixels = TileSide * TileSide;

// Where, across a row, the pixels within reach of a segment lie: relative to the segment's start, as the row is.
struct Span {
    float from = std::numeric_limits<float>::max();
    float to = std::numeric_limits<float>::lowest();

    void add(float left, float right)
    {
        if (left >= right)
            return;
        from = std::min(from, left);
        to = std::max(to, right);
    }
};

// The row at height y meets the pen's shape, a band along the segment from (0, 0) to (dx, dy) (of direction (ux, uy)
// and length) closed by round ends, in one span, as the shape is convex: the union of what it meets of each part.
Span spanOfRow(float y, float dx, float dy, float ux, float uy, float length, float reach)
{
    Span span;
    for (const auto& [x, cy] : { std::pair(0.0F, 0.0F), std::pair(dx, dy) }) {
        const float half = reach * reach - (y - cy) * (y - cy);
        if (half > 0) {
            const float root = std::sqrt(half);
            span.add(x - root, x + root);
        }
    }
    if (length <= 0)
        return span;
    float left = std::numeric_limits<float>::lowest();
    float right = std::numeric_limits<float>::max();
    // Less than the reach across the segment: |ux y - uy x| < reach.
    if (uy != 0) {
        const float a = (ux * y - reach) / uy;
        const float b = (ux * y + reach) / uy;
        left = std::max(left, std::min(a, b));
        right = std::min(right, std::max(a, b));
    } else if (std::abs(y) >= reach) {
        return span;
    }
    // Between the ends along it: 0 <= ux x + uy y <= length.
    if (ux != 0) {
        const float a = -uy * y / ux;
        const float b = (length - uy * y) / ux;
        left = std::max(left, std::min(a, b));
        right = std::min(right, std::max(a, b));
    } else if (uy * y < 0 || uy * y > length) {
        return span;
    }
    span.add(left, right);
    return span;
}

// What is added up never goes below 0, nor above 255 but by rounding.
std::uint32_t byteOf(float value)
{
    return std::min(255U, static_cast<std::uint32_t>(value + 0.5F));
}

} // namespace

CoverageSurface::CoverageSurface(QImage& image, Placing place, QColor background)
    : m_image(image)
    , m_place(std::move(place))
    , m_background(background)
{
}

void CoverageSurface::Clear()
{
    m_bounds.Clear();
    m_segments.clear();
}

void CoverageSurface::SetPenWidth(int pixels)
{
    m_bounds.SetPenWidth(pixels);
    m_penWidth = PainterSurface::penWidthOf(pixels);
}

void CoverageSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    m_bounds.Line(x1, y1, x2, y2, colour);
    m_segments.push_back({ x1, y1, x2, y2, m_penWidth, static_cast<std::uint32_t>(colour) });
}

void CoverageSurface::Finish()
{
    const int width = m_image.width();
    const int height = m_image.height();
    const int tilesAcross = (width + TileSide - 1) / TileSide;
    const int tilesDown = (height + TileSide - 1) / TileSide;
    // Each thread keeps its canvas from one drawing to the next: a fresh one of a few hundred kilobytes would come
    // from the system each time, and cost as much again in page faults as the drawing.
    thread_local Canvas canvas;
    canvas.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Pixel {});
    canvas.hidden.assign(static_cast<std::size_t>(tilesAcross) * static_cast<std::size_t>(tilesDown), 0);
    canvas.tilesAcross = tilesAcross;
    // The part of a tile beyond the image's edge is as good as hidden.
    for (int down = 0; down < tilesDown; ++down)
        for (int across = 0; across < tilesAcross; ++across)
            canvas.hidden[static_cast<std::size_t>(down * tilesAcross + across)] = static_cast<std::uint8_t>(TilePixels
                - std::min(TileSide, width - across * TileSide) * std::min(TileSide, height - down * TileSide));
    const QTransform toDevice = m_segments.empty() ? QTransform() : m_place(m_bounds.bounds());
    for (auto segment = m_segments.crbegin(); segment != m_segments.crend(); ++segment)
        draw(*segment, toDevice, canvas);
    const std::vector<Pixel>& pixels = canvas.pixels;
    // What still shows of the background, premultiplied as the image keeps its pixels.
    const QRgb background = qPremultiply(m_background.rgba());
    const auto red = static_cast<float>(qRed(background));
    const auto green = static_cast<float>(qGreen(background));
    const auto blue = static_cast<float>(qBlue(background));
    const auto alpha = static_cast<float>(qAlpha(background));
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(m_image.scanLine(row));
        const Pixel* pixel = &pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width)];
        for (int column = 0; column < width; ++column, ++pixel)
            line[column] = byteOf((1.0F - pixel->clear) * 255.0F + pixel->clear * alpha) << 24
                | byteOf(pixel->red + pixel->clear * red) << 16 | byteOf(pixel->green + pixel->clear * green) << 8
                | byteOf(pixel->blue + pixel->clear * blue);
    }
}

bool CoverageSurface::behind(const Canvas& canvas, int top, int bottom, int left, int right)
{
    for (int down = top >> TileShift; down <= bottom >> TileShift; ++down)
        for (int across = left >> TileShift; across <= right >> TileShift; ++across)
            if (canvas.hidden[static_cast<std::size_t>(down * canvas.tilesAcross + across)] != TilePixels)
                return false;
    return true;
}

void CoverageSurface::draw(const Segment& segment, const QTransform& toDevice, Canvas& canvas) const
{
    const QPointF from = toDevice.map(QPointF(segment.x1, segment.y1));
    const QPointF to = toDevice.map(QPointF(segment.x2, segment.y2));
    const auto x1 = static_cast<float>(from.x());
    const auto y1 = static_cast<float>(from.y());
    const auto x2 = static_cast<float>(to.x());
    const auto y2 = static_cast<float>(to.y());
    const auto r = static_cast<float>(segment.penWidth * Twips::perPixel * toDevice.m11() / 2.0);
    const std::uint32_t colour = segment.colour;
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float length = std::sqrt(dx * dx + dy * dy);
    // Along the segment; a segment of no length is a dot.
    const float ux = length > 0 ? dx / length : 1.0F;
    const float uy = length > 0 ? dy / length : 0.0F;
    // Pixels whose centres lie within half a pixel of the pen's edge take some of the colour.
    const float reach = r + 0.5F;
    const float reachSquared = reach * reach;
    const auto red = static_cast<float>(colour & 0xFFU);
    const auto green = static_cast<float>((colour >> 8) & 0xFFU);
    const auto blue = static_cast<float>((colour >> 16) & 0xFFU);
    const int width = m_image.width();
    const int top = std::max(0, static_cast<int>(std::floor(std::min(y1, y2) - reach)));
    const int bottom = std::min(m_image.height() - 1, static_cast<int>(std::ceil(std::max(y1, y2) + reach)));
    const int leftmost = std::max(0, static_cast<int>(std::floor(std::min(x1, x2) - reach)));
    const int rightmost = std::min(width - 1, static_cast<int>(std::ceil(std::max(x1, x2) + reach)));
    if (top > bottom || leftmost > rightmost || behind(canvas, top, bottom, leftmost, rightmost))
        return;
    for (int row = top; row <= bottom; ++row) {
        const float y = static_cast<float>(row) + 0.5F - y1;
        const Span span = spanOfRow(y, dx, dy, ux, uy, length, reach);
        if (span.from > span.to)
            continue;
        // The pixels whose centres lie in the span.
        const int left = std::max(0, static_cast<int>(std::ceil(span.from + x1 - 0.5F)));
        const int right = std::min(width - 1, static_cast<int>(std::floor(span.to + x1 - 0.5F)));
        if (left > right)
            continue;
        Pixel* pixel = &canvas.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width)];
        std::uint8_t* tiles
            = &canvas.hidden[static_cast<std::size_t>(row >> TileShift) * static_cast<std::size_t>(canvas.tilesAcross)];
        for (int column = left; column <= right; ++column) {
            // A hidden tile is passed over whole.
            if (tiles[column >> TileShift] == TilePixels) {
                column |= TileSide - 1;
                continue;
            }
            Pixel& shown = pixel[column];
            if (shown.clear <= ShowsNoMore)
                continue;
            // The distance from the pixel's centre to the nearest point of the segment.
            const float x = static_cast<float>(column) + 0.5F - x1;
            const float along = std::clamp(x * ux + y * uy, 0.0F, length);
            const float ex = x - along * ux;
            const float ey = y - along * uy;
            const float squared = ex * ex + ey * ey;
            if (squared >= reachSquared)
                continue;
            const float d = std::sqrt(squared);
            // How much of the pixel's breadth, across the segment, the pen covers, of what still shows.
            const float covered = std::clamp(std::min(d + 0.5F, r) - std::max(d - 0.5F, -r), 0.0F, 1.0F) * shown.clear;
            shown.red += covered * red;
            shown.green += covered * green;
            shown.blue += covered * blue;
            shown.clear -= covered;
            if (shown.clear <= ShowsNoMore)
                ++tiles[column >> TileShift];
        }
    }
}
