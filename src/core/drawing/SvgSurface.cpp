#include "core/drawing/SvgSurface.h"

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PainterSurface.h"
#include "core/platform/MarkupText.h"
#include "core/platform/Twips.h"

#include <QHash>

#include <charconv>
#include <utility>

namespace {

// The size is given in millimetres, so that 100 % shows the picture at its scale.
constexpr double MillimetresPerPixel = 25.4 / Drawing::VectorDotsPerInch;

// The shortest text that reads back as the same number.
template <typename Number> void appendNumber(QByteArray& out, Number value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

// "#rrggbb", from red + 256 * green + 65536 * blue.
void appendColour(QByteArray& out, int colour)
{
    static constexpr char Digits[] = "0123456789abcdef";
    char text[7] = { '#' };
    for (int i = 0; i < 3; ++i) {
        const int component = (colour >> (8 * i)) & 0xFF;
        text[1 + 2 * i] = Digits[component >> 4];
        text[2 + 2 * i] = Digits[component & 0xF];
    }
    out.append(text, sizeof text);
}

void appendPen(QByteArray& out, int colour, int penWidth, int outerColour, int outerPenWidth)
{
    if (colour != outerColour) {
        out.append(" stroke=\"");
        appendColour(out, colour);
        out.append('"');
    }
    if (penWidth != outerPenWidth) {
        out.append(" stroke-width=\"");
        appendNumber(out, static_cast<double>(penWidth) * Twips::perPixel);
        out.append('"');
    }
}

// The frame filled with the background.
void appendBackground(QByteArray& out, const QRectF& frame, const QColor& background)
{
    out.append("<rect");
    const std::pair<const char*, double> place[] = { { " x=\"", frame.x() }, { " y=\"", frame.y() },
        { " width=\"", frame.width() }, { " height=\"", frame.height() } };
    for (const auto& [name, value] : place) {
        out.append(name);
        appendNumber(out, value);
        out.append('"');
    }
    out.append(" fill=\"");
    out.append(background.name(QColor::HexRgb).toLatin1());
    out.append('"');
    if (background.alpha() < 255) {
        out.append(" fill-opacity=\"");
        appendNumber(out, background.alphaF());
        out.append('"');
    }
    out.append("/>\n");
}

// The value most segments have, by the key a segment gives.
template <typename Key> int mostCommon(const auto& segments, Key key)
{
    QHash<int, int> counts;
    std::pair<int, int> best { 0, 0 };
    for (const auto& segment : segments) {
        const int value = key(segment);
        const int count = ++counts[value];
        if (count > best.second)
            best = { value, count };
    }
    return best.first;
}

} // namespace

SvgSurface::SvgSurface(QRectF frame, QSizeF size, QColor background)
    : m_frame(frame)
    , m_size(size)
    , m_background(background)
{
}

void SvgSurface::Clear()
{
    m_cleared = true;
    m_segments.clear();
}

void SvgSurface::SetPenWidth(int pixels)
{
    m_penWidth = PainterSurface::penWidthOf(pixels);
}

void SvgSurface::Line(float x1, float y1, float x2, float y2, int colour)
{
    m_segments.push_back({ x1, y1, x2, y2, colour, m_penWidth });
}

QByteArray SvgSurface::document(const QString& title) const
{
    QByteArray out;
    // About the size of a segment's polyline each.
    out.reserve(512 + static_cast<qsizetype>(m_segments.size()) * 48);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg width=\"");
    appendNumber(out, m_size.width() * MillimetresPerPixel);
    out.append("mm\" height=\"");
    appendNumber(out, m_size.height() * MillimetresPerPixel);
    out.append("mm\" viewBox=\"");
    for (const double value : { m_frame.x(), m_frame.y(), m_frame.width(), m_frame.height() }) {
        appendNumber(out, value);
        out.append(' ');
    }
    out.chop(1);
    out.append("\" xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\">\n<title>");
    out.append(MarkupText::escaped(title).toUtf8());
    out.append("</title>\n<desc>Drawn by Vantrell</desc>\n");
    if (m_cleared && m_background.alpha() > 0)
        appendBackground(out, m_frame, m_background);
    if (m_segments.empty()) {
        out.append("</svg>\n");
        return out;
    }

    const int colour = mostCommon(m_segments, [](const Segment& s) { return s.colour; });
    const int penWidth = mostCommon(m_segments, [](const Segment& s) { return s.penWidth; });
    out.append("<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\"");
    appendPen(out, colour, penWidth, -1, -1);
    out.append(">\n");
    for (std::size_t i = 0; i < m_segments.size();) {
        const Segment& first = m_segments[i];
        std::size_t end = i + 1;
        while (end < m_segments.size() && m_segments[end].colour == first.colour
            && m_segments[end].penWidth == first.penWidth)
            ++end;
        // A run of one pen other than the group's is a group of its own; a single segment says its pen itself.
        const bool ownPen = first.colour != colour || first.penWidth != penWidth;
        const bool group = ownPen && end - i > 1;
        if (group) {
            out.append("<g");
            appendPen(out, first.colour, first.penWidth, colour, penWidth);
            out.append(">\n");
        }
        for (; i < end; ++i) {
            const Segment& segment = m_segments[i];
            out.append("<polyline points=\"");
            appendNumber(out, segment.x1);
            out.append(',');
            appendNumber(out, segment.y1);
            out.append(' ');
            appendNumber(out, segment.x2);
            out.append(',');
            appendNumber(out, segment.y2);
            out.append('"');
            if (!group)
                appendPen(out, segment.colour, segment.penWidth, colour, penWidth);
            out.append("/>\n");
        }
        if (group)
            out.append("</g>\n");
    }
    out.append("</g>\n</svg>\n");
    return out;
}
