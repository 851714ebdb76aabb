#pragma once
// Draws the cells of a generation on worker threads, handing each image back on the user's thread as it is done;
// the images of a drawing that a later one replaced are dropped.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>

#include <vector>

class CellDrawing final : public QObject {
    Q_OBJECT

public:
    explicit CellDrawing(QObject* parent = nullptr);
    ~CellDrawing() override;

    // Draws each code whole, fitted to pixels, smooth, on background, in the order given.
    void draw(const std::vector<GeneticCode>& codes, QSize pixels, qreal devicePixelRatio, Drawing::Flags flags,
        const QColor& background);

signals:
    // A null image for a code that cannot be drawn.
    void drawn(int cell, const QImage& image);

private:
    QThreadPool m_pool;
    quint64 m_drawing = 0;
};
