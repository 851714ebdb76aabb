#include "core/drawing/CoverageSurface.h"

#include "core/drawing/PainterSurface.h"
#include "core/platform/Twips.h"

#include <algorithm>
#include <cmath>

namespace {

// Less than this still showing of a pixel's earlier segments cannot change its colour.
constexpr float ShowsNoMore = 1.0F / 512.0F;
// Tiles of 4 x 4 pixels: small enough that a short segment lies behind a few of them.
constexpr int TileShift = 2;
constexpr int TileSide = 1 << TileShift;
constexpr int TilePixels = TileSide * TileSide;

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
    Canvas canvas { std::vector<Pixel>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
        std::vector<std::uint8_t>(static_cast<std::size_t>(tilesAcross) * static_cast<std::size_t>(tilesDown)),
        tilesAcross };
    // The part of a tile beyond the image's edge is as good as hidden.
    for (int down = 0; down < tilesDown; ++down)
        for (int across = 0; across < tilesAcross; ++across)
            canvas.hidden[static_cast<std::size_t>(down * tilesAcross + across)] = static_cast<std::uint8_t>(TilePixels
                - std::min(TileSide, width - across * TileSide) * std::min(TileSide, height - down * TileSide));
    const QTransform toDevice = m_segments.empty() ? QTransform() : m_place(m_bounds.bounds());
    for (auto segment = m_segments.crbegin(); segment != m_segments.crend(); ++segment)
        draw(*segment, toDevice, canvas);
    const std::vector<Pixel>& pixels = canvas.pixels;
    // What still shows of the background.
    const auto red = static_cast<float>(m_background.red());
    const auto green = static_cast<float>(m_background.green());
    const auto blue = static_cast<float>(m_background.blue());
    for (int row = 0; row < m_image.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(m_image.scanLine(row));
        const Pixel* pixel = &pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_image.width())];
        for (int column = 0; column < m_image.width(); ++column, ++pixel)
            line[column] = 0xFF000000U | byteOf(pixel->red + pixel->clear * red) << 16
                | byteOf(pixel->green + pixel->clear * green) << 8 | byteOf(pixel->blue + pixel->clear * blue);
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
        // The part of the segment within reach of this row, widened by the reach, holds every pixel it touches.
        float nearFrom = 0.0F;
        float nearTo = 1.0F;
        if (dy != 0) {
            nearFrom = std::clamp((y - reach) / dy, 0.0F, 1.0F);
            nearTo = std::clamp((y + reach) / dy, 0.0F, 1.0F);
        } else if (std::abs(y) > reach) {
            continue;
        }
        const float xa = x1 + nearFrom * dx;
        const float xb = x1 + nearTo * dx;
        const int left = std::max(0, static_cast<int>(std::ceil(std::min(xa, xb) - reach - 0.5F)));
        const int right = std::min(width - 1, static_cast<int>(std::floor(std::max(xa, xb) + reach - 0.5F)));
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
            const float d = std::sqrt(ex * ex + ey * ey);
            if (d >= reach)
                continue;
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
