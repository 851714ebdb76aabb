#pragma once
// A drawing area kept as an image: twips in, 15 twips to a pixel, sharp at any device pixel ratio.

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/PainterSurface.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>
#include <memory>
#include <optional>

class ImageSurface final : public DrawingSurface {
public:
    // size in twips; the image has size / 15 pixels times devicePixelRatio.
    ImageSurface(QSize twips, qreal devicePixelRatio, QColor background);
    ~ImageSurface() override;

    void Clear() override;
    void SetPenWidth(int pixels) override;
    void Line(float x1, float y1, float x2, float y2, int colour) override;
    void Finish() override;

    // The drawing so far; painting pauses until the next line.
    const QImage& image();

    // Called when a drawing is complete, so whatever shows the image can repaint.
    void setFinishedHandler(std::function<void()> handler) { m_finished = std::move(handler); }

private:
    PainterSurface& lineSurface();
    void endPainting();

    QImage m_image;
    QColor m_background;
    int m_penWidth = 1;
    std::unique_ptr<QPainter> m_painter;
    std::optional<PainterSurface> m_lines;
    std::function<void()> m_finished;
};
