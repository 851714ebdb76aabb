#pragma once
// One picture in the family tree: a thumbnail of its drawing with its ID under it, dimmed once closed.

#include <QGraphicsItem>
#include <QImage>
#include <QStaticText>

#include <functional>

class PictureNode final : public QGraphicsItem {
public:
    // Asked once, when the node is first painted without a thumbnail, to have one made.
    using ThumbnailRequest = std::function<void(qint16 id)>;

    PictureNode(qint16 id, ThumbnailRequest request);

    qint16 id() const { return m_id; }
    void setThumbnail(const QImage& thumbnail);
    bool hasThumbnail() const { return !m_thumbnail.isNull(); }
    const QImage& thumbnail() const { return m_thumbnail; }
    void setClosed(bool closed);

    // The thumbnail's room: the drawing area at one pixel for fifteen twips, as in the window.
    static QSizeF thumbnailSize();
    static QSizeF size();

    // Where lines from parents arrive and lines to children leave.
    QPointF top() const;
    QPointF bottom() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    enum { Type = UserType + 1 };
    int type() const override { return Type; }

private:
    qint16 m_id;
    ThumbnailRequest m_request;
    bool m_requested = false;
    QImage m_thumbnail;
    // Laid out once: a thousand labels are painted again at every scroll.
    QStaticText m_label;
};
