#include "ui/breed/GeneButton.h"

#include <QPainter>

namespace {

// Black or white, whichever reads on background, by how light the eye finds it.
QColor inkOn(const QColor& background)
{
    return qGray(background.rgb()) > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

GeneButton::GeneButton(int gene, QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setText(QString::number(gene));
    setAccessibleName(QStringLiteral("Gene %1").arg(gene));
    setToolTip(QStringLiteral("Gene %1: a click freezes it, so that none of its traits mutates").arg(gene));
    connect(this, &QAbstractButton::toggled, this,
        [this](bool frozen) { setAccessibleDescription(frozen ? QStringLiteral("frozen") : QStringLiteral("free")); });
    setAccessibleDescription(QStringLiteral("free"));
}

void GeneButton::setColour(std::optional<QColor> colour)
{
    m_colour = colour;
    update();
}

QSize GeneButton::sizeHint() const
{
    const int side = fontMetrics().height() * 2 + 4;
    return { side, side };
}

void GeneButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = m_colour.value_or(palette().color(QPalette::Button));
    const QColor ink = inkOn(fill);
    const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(
        hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid), hasFocus() ? 3.0 : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(ink);
    if (!isChecked()) {
        painter.drawText(box, Qt::AlignCenter, text());
        return;
    }
    // The number moves up and a lock takes the lower half: a body with a shackle above it.
    const QRectF upper(box.left(), box.top(), box.width(), box.height() / 2);
    const QRectF lower(box.left(), box.center().y(), box.width(), box.height() / 2);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, text());
    const double lockHeight = lower.height() * 0.8;
    const double bodyHeight = lockHeight * 0.55;
    const double bodyWidth = lockHeight * 0.8;
    const QRectF body(
        lower.center().x() - bodyWidth / 2, lower.bottom() - lower.height() * 0.1 - bodyHeight, bodyWidth, bodyHeight);
    const double shackleHeight = lockHeight - bodyHeight;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, std::max(1.5, bodyWidth / 6)));
    painter.drawArc(
        QRectF(body.left() + bodyWidth * 0.2, body.top() - shackleHeight, bodyWidth * 0.6, shackleHeight * 2), 0,
        180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(body);
}
