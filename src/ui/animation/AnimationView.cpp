#include "ui/animation/AnimationView.h"

#include "core/drawing/PictureFrame.h"
#include "core/drawing/WindowBackground.h"
#include "core/export/RasterRender.h"
#include "core/platform/RuntimeError.h"
#include "core/platform/Twips.h"

#include <QPainter>

#include <algorithm>

AnimationView::AnimationView(QWidget* parent)
    : QWidget(parent)
    , m_background(Drawing::windowBackground())
{
    setObjectName(QStringLiteral("picAnimation"));
    setAccessibleName(QStringLiteral("Animation"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Takes the focus, and leaves the window its keys.
    setFocusPolicy(Qt::StrongFocus);
}

QSize AnimationView::sizeHint() const
{
    constexpr int firstScale = 4;
    return QSize(Twips::toPixels(static_cast<int>(Drawing::WindowFrame.width())),
               Twips::toPixels(static_cast<int>(Drawing::WindowFrame.height())))
        * firstScale;
}

void AnimationView::showFrame(const GeneticCode& code, Drawing::Flags flags, const QRectF& shown, bool clip)
{
    m_code = code;
    m_flags = flags;
    m_shown = shown;
    m_clip = clip;
    m_stale = true;
    update();
}

void AnimationView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    if (m_stale || m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        try {
            m_image = Drawing::renderFitted(m_code, m_flags,
                { .shown = { m_shown, m_clip },
                    .pixels = pixels,
                    .devicePixelRatio = ratio,
                    .background = m_background });
        } catch (const RuntimeError&) {
            // A frame whose tree leaves the drawing's range, or no memory for the image: the last drawing stays.
        }
        m_stale = false;
    }
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.drawImage(rect(), m_image);
}
