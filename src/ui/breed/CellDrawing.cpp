#include "ui/breed/CellDrawing.h"

#include "core/export/RasterRender.h"

#include <exception>

CellDrawing::CellDrawing(QObject* parent)
    : QObject(parent)
{
}

CellDrawing::~CellDrawing()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void CellDrawing::draw(const std::vector<GeneticCode>& codes, QSize pixels, qreal devicePixelRatio,
    Drawing::Flags flags, const QColor& background)
{
    // What was asked before and has not started is not wanted any more.
    m_pool.clear();
    const quint64 drawing = ++m_drawing;
    for (std::size_t cell = 0; cell < codes.size(); ++cell) {
        m_pool.start([this, drawing, cell = static_cast<int>(cell), code = codes[cell], pixels, devicePixelRatio, flags,
                         background] {
            QImage image;
            try {
                image = Drawing::renderCell(code, flags, pixels, devicePixelRatio, background);
            } catch (const std::exception&) {
                // An offspring of a parent read from an edited file can leave the drawing's range: its cell stays
                // empty.
            }
            // The pool is emptied and waited for before this object goes, and a call still queued for it goes with
            // it: the object is alive wherever this runs.
            QMetaObject::invokeMethod(
                this,
                [this, drawing, cell, image = std::move(image)] {
                    if (drawing == m_drawing)
                        emit drawn(cell, image);
                },
                Qt::QueuedConnection);
        });
    }
}
