#pragma once
// The Animation window's drawing: one frame of a morph, fitted, centred and smooth, drawn when it is painted.

#include "core/drawing/DrawFlags.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QWidget>

class AnimationView final : public QWidget {
    Q_OBJECT

public:
    explicit AnimationView(QWidget* parent = nullptr);

    // Shows code drawn with flags over shown, the part of the drawing plane in twips, clipped to it when clip
    // is set.
    void showFrame(const GeneticCode& code, Drawing::Flags flags, const QRectF& shown, bool clip);
    const GeneticCode& code() const { return m_code; }
    // Four times the drawing area of a picture's window, as the large view starts.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GeneticCode m_code {};
    Drawing::Flags m_flags;
    QRectF m_shown;
    bool m_clip = true;
    QColor m_background;

    // The last drawing, painted again as it is until the frame, the size or the pixel ratio changes.
    QImage m_image;
    bool m_stale = true;
};
