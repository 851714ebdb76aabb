#pragma once
// A picture large, in a resizable window of its own: fitted, centred and smooth, sharp at every size and pixel ratio.
//
// It is drawn anew for each size, pixel ratio and frame, when it is painted: even a full tree of wide pens
// takes a few milliseconds at 1000 x 1000 pixels, within a frame, so resizing stays smooth as it is.

#include "core/drawing/PictureFrame.h"
#include "core/genetics/GeneticCode.h"
#include "ui/windows/DragGesture.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class QAction;
class QMenu;

class LargeView final : public QWidget {
    Q_OBJECT

public:
    LargeView(qint16 id, const GeneticCode& code, Drawing::Flags flags, QWidget* parent = nullptr);

    // The right-click menu's items.
    QAction* V_WholeTree;
    QAction* V_Copy;
    QAction* V_Export;

    void V_WholeTree_Click();
    void V_Copy_Click();
    void V_Export_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The picture is dragged out with the left button, as from its window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // What one drawing is made for.
    struct Drawn {
        QSize pixels;
        qreal ratio = 1.0;
        Drawing::Frame frame = Drawing::Frame::Window;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };

    Drawn wanted() const;

    qint16 m_id;
    GeneticCode m_code;
    Drawing::Flags m_flags;
    QColor m_background;
    QMenu* m_menu;

    // The last drawing and what it was made for: painted again as it is until something changes.
    QImage m_image;
    Drawn m_drawn;
    DragGesture m_drag;
};
