#include "ui/familytree/PictureNode.h"

#include "core/drawing/PictureFrame.h"
#include "core/platform/Twips.h"

#include <QPainter>
#include <QPalette>
#include <QStyleOptionGraphicsItem>

namespace {

constexpr double LabelHeight = 18;
// Closed pictures stay in sight, but plainly not open.
constexpr double ClosedOpacity = 0.35;

} // namespace

PictureNode::PictureNode(qint16 id, ThumbnailRequest request)
    : m_id(id)
    , m_request(std::move(request))
    , m_label(QString::number(id))
{
    setAcceptHoverEvents(true);
}

QSizeF PictureNode::thumbnailSize()
{
    return Drawing::WindowFrame.size() / Twips::perPixel;
}

QSizeF PictureNode::size()
{
    return { thumbnailSize().width(), thumbnailSize().height() + LabelHeight };
}

QPointF PictureNode::top() const
{
    return pos() + QPointF(size().width() / 2, 0);
}

QPointF PictureNode::bottom() const
{
    return pos() + QPointF(size().width() / 2, size().height());
}

void PictureNode::setThumbnail(const QImage& thumbnail)
{
    m_thumbnail = thumbnail;
    update();
}

void PictureNode::setClosed(bool closed)
{
    setOpacity(closed ? ClosedOpacity : 1.0);
}

QRectF PictureNode::boundingRect() const
{
    return { QPointF(0, 0), size() };
}

void PictureNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QRectF picture(QPointF(0, 0), thumbnailSize());
    if (m_thumbnail.isNull()) {
        // Made off the painting thread, so showing a thousand pictures never waits for their drawings.
        if (!m_requested && m_request) {
            m_requested = true;
            m_request(m_id);
        }
        painter->fillRect(picture, option->palette.color(QPalette::Window));
    } else {
        painter->drawImage(picture, m_thumbnail);
    }
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawRect(picture.adjusted(0, 0, -1, -1));
    painter->setPen(widget ? widget->palette().color(QPalette::WindowText) : QColor(Qt::black));
    if (m_label.size().isEmpty())
        m_label.prepare(QTransform(), painter->font());
    const QSizeF text = m_label.size();
    painter->drawStaticText(
        QPointF((picture.width() - text.width()) / 2, picture.height() + (LabelHeight - text.height()) / 2), m_label);
}
