#pragma once
// The edited picture drawn large beside the genes editor's table, one gene highlighted.
//
// Fitted, centred and smooth, with the picture's own flags; the highlighted gene's segments are drawn in full over
// the whole tree faded.
//
// It is drawn when painted, in two layers kept until something changes: the faded tree, made anew for each change
// of the code, the size or the frame, and the highlighted gene over it, made anew when the gene changes too.

#include "core/drawing/PictureFrame.h"
#include "core/genetics/GeneticCode.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class GeneEdits;

class GenePreview final : public QWidget {
    Q_OBJECT

public:
    GenePreview(const GeneEdits& edits, Drawing::Flags flags, QWidget* parent = nullptr);

    // Gene 0 .. 11.
    void setHighlighted(int gene);
    int highlighted() const { return m_gene; }
    void setFrame(Drawing::Frame frame);
    Drawing::Frame frame() const { return m_frame; }
    // Why the edited code cannot be drawn, as the preview says it; empty while it can.
    const QString& failure() const { return m_failure; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the faded layer was drawn for.
    struct Layer {
        QSize pixels;
        qreal ratio = 1.0;
        Drawing::Frame frame = Drawing::Frame::Window;
        quint64 version = 0;
        friend bool operator==(const Layer&, const Layer&) = default;
    };

    Layer wanted() const;
    void drawFaded(const Layer& layer);
    void drawHighlight();

    const GeneEdits& m_edits;
    Drawing::Flags m_flags;
    QColor m_background;
    int m_gene = 0;
    Drawing::Frame m_frame = Drawing::Frame::Window;
    // Counts the changes of the code, so that a layer knows whether it is still the code's.
    quint64 m_version = 0;

    QImage m_faded;
    Layer m_fadedFor;
    QRectF m_shownFrame;
    QImage m_shown;
    int m_shownGene = -1;
    QString m_failure;
};
