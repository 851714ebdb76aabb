#include "ui/dialogs/Logos.h"

#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Logos {

namespace {

QImage blank(const QColor& background)
{
    QImage image(Size, Size, QImage::Format_RGB888);
    image.fill(background);
    return image;
}

// One segment of the tree, then its two branches, each shorter, thinner and greener.
void branch(QPainter& painter, QPointF from, double angle, double length, int level)
{
    constexpr int levels = 7;
    const QPointF to(from.x() + length * std::cos(angle), from.y() + length * std::sin(angle));
    const double leafiness = static_cast<double>(level) / (levels - 1);
    const QColor bark(110, 72, 40);
    const QColor leaf(46, 160, 67);
    const QColor colour = QColor::fromRgbF(bark.redF() + (leaf.redF() - bark.redF()) * leafiness,
        bark.greenF() + (leaf.greenF() - bark.greenF()) * leafiness,
        bark.blueF() + (leaf.blueF() - bark.blueF()) * leafiness);
    painter.setPen(QPen(colour, std::max(1.0, 4.0 - level * 0.6), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(from, to));
    if (level + 1 == levels)
        return;
    constexpr double spread = 0.5;
    constexpr double shrink = 0.74;
    branch(painter, to, angle - spread, length * shrink, level + 1);
    branch(painter, to, angle + spread, length * shrink, level + 1);
}

} // namespace

QImage Vantrell()
{
    QImage image = blank(QColor(240, 246, 232));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 174, 132));
    painter.drawEllipse(QRectF(8, 42, 32, 6));
    branch(painter, QPointF(Size / 2.0, Size - 3.0), -std::numbers::pi / 2, 12.0, 0);
    return image;
}

QImage Corvane()
{
    QImage image = blank(QColor(255, 255, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The C: a thick ring open to the right (angles in sixteenths of a degree).
    painter.setPen(QPen(QColor(24, 58, 112), 7, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(5.5, 5.5, 37, 37), 40 * 16, 280 * 16);

    // The bird: two swept wings meeting at a small body, flying out of the opening.
    QPainterPath bird;
    bird.moveTo(17, 25);
    bird.quadTo(24, 14, 33, 13);
    bird.quadTo(28, 19, 27, 24);
    bird.quadTo(34, 21, 42, 23);
    bird.quadTo(33, 27, 24, 28);
    bird.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 88, 38));
    painter.drawPath(bird);
    return image;
}

} // namespace Logos
