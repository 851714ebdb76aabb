#include "ui/editor/GenePreview.h"

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PicturePainting.h"
#include "core/drawing/WindowBackground.h"
#include "core/editing/GeneEdits.h"
#include "core/export/RasterRender.h"
#include "core/platform/RuntimeError.h"
#include "core/platform/Twips.h"

#include <QPainter>

#include <algorithm>

namespace {

// How much of the background covers the tree outside the highlighted gene.
constexpr qreal FadingVeil = 0.75;
// Four times the drawing area of the picture's window, as the large view starts.
constexpr int PreviewScale = 4;

// The code with only gene's segments left to draw while Draw counts; a gene the picture hides stays hidden.
GeneticCode onlyGene(GeneticCode code, int gene, Drawing::Flags flags)
{
    for (std::size_t i = 0; i < code.size(); ++i)
        code[i].Draw = static_cast<int>(i) == gene && (!flags.useDraw || code[i].Draw);
    return code;
}

} // namespace

GenePreview::GenePreview(const GeneEdits& edits, Drawing::Flags flags, QWidget* parent)
    : QWidget(parent)
    , m_edits(edits)
    , m_flags(flags)
    , m_background(Drawing::windowBackground())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(&edits, &GeneEdits::changed, this, [this] {
        ++m_version;
        update();
    });
}

QSize GenePreview::sizeHint() const
{
    return { Twips::toPixels(Drawing::WindowFrame.width()) * PreviewScale,
        Twips::toPixels(Drawing::WindowFrame.height()) * PreviewScale };
}

void GenePreview::setHighlighted(int gene)
{
    if (gene == m_gene)
        return;
    m_gene = gene;
    update();
}

void GenePreview::setFrame(Drawing::Frame frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
}

GenePreview::Layer GenePreview::wanted() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    return { pixels, ratio, m_frame, m_version };
}

void GenePreview::drawFaded(const Layer& layer)
{
    m_fadedFor = layer;
    m_faded = QImage();
    const GeneticCode& code = m_edits.code();
    m_shownFrame = Drawing::frameOf(code, m_flags, layer.frame);
    const QRectF target(QPointF(0, 0), QSizeF(layer.pixels));
    m_faded = Drawing::paintedImage(layer.pixels, m_background, { QStringLiteral("preview"), {} },
        [this, &code, &layer, &target](QPainter& painter) {
            painter.setTransform(Drawing::fitInto(m_shownFrame, target));
            Drawing::paintPicture(
                painter, code, m_flags, { m_shownFrame, layer.frame == Drawing::Frame::Window }, m_background);
            painter.resetTransform();
            QColor veil = m_background;
            veil.setAlphaF(FadingVeil);
            painter.fillRect(target, veil);
        });
}

void GenePreview::drawHighlight()
{
    m_shownGene = m_gene;
    m_shown = m_faded;
    QPainter painter(&m_shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(Drawing::fitInto(m_shownFrame, QRectF(QPointF(0, 0), QSizeF(m_shown.size()))));
    Drawing::paintPicture(painter, onlyGene(m_edits.code(), m_gene, m_flags), { m_flags.useDone, true },
        { m_shownFrame, m_fadedFor.frame == Drawing::Frame::Window }, Qt::transparent);
}

void GenePreview::paintEvent(QPaintEvent*)
{
    const Layer want = wanted();
    if (!(m_fadedFor == want) || (m_failure.isEmpty() && m_shownGene != m_gene)) {
        m_failure.clear();
        try {
            if (!(m_fadedFor == want))
                drawFaded(want);
            drawHighlight();
        } catch (const RuntimeError& error) {
            // A code whose tree leaves the drawing's range: the table still shows it, and the preview says why.
            m_failure = QStringLiteral("This genetic code cannot be drawn: %1").arg(error.message());
        }
    }
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_failure.isEmpty())
        painter.drawImage(QRectF(rect()), m_shown);
    else
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_failure);
}
