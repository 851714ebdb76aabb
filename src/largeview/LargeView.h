#pragma once
// A picture large, in a resizable window of its own: fitted, centred and smooth, sharp at every size and pixel ratio.
//
// Drawing a full tree of wide pens at a large size takes longer than a frame, so it is drawn off the
// user-interface thread; until it is ready the last drawing is shown scaled to the new size.

#include "drawing/PictureFrame.h"
#include "genetics/GeneticSnapshot.h"

#include <QColor>
#include <QFutureWatcher>
#include <QImage>
#include <QWidget>

#include <array>

class QAction;
class QMenu;

class LargeView final : public QWidget {
    Q_OBJECT

public:
    LargeView(qint16 id, const GeneticSnapshot& code, Drawing::Flags flags, QWidget* parent = nullptr);
    ~LargeView() override;

    // The right-click menu's items.
    QAction* V_WholeTree;
    QAction* V_Copy;
    QAction* V_Export;

    // What is shown was drawn for the present size, pixel ratio and frame, not scaled from an earlier drawing.
    bool isSharp() const;

    void V_WholeTree_Click();
    void V_Copy_Click();
    void V_Export_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What one drawing is made for.
    struct Drawn {
        QSize pixels;
        qreal ratio = 1.0;
        Drawing::Frame frame = Drawing::Frame::Window;
        friend bool operator==(const Drawn&, const Drawn&) = default;
    };

    Drawn wanted() const;
    QImage draw(const Drawn& drawn) const;
    void drawLater(const Drawn& drawn);
    void takeDrawing();
    // Where the picture's frame lies when fitted into an area of that size.
    QRectF pictureRect(Drawing::Frame frame, const QSizeF& area) const;

    qint16 m_id;
    GeneticSnapshot m_code;
    Drawing::Flags m_flags;
    QColor m_background;
    // In twips, by frame; measuring the whole tree is a drawing of its own.
    std::array<QRectF, 2> m_frames;
    QMenu* m_menu;

    QImage m_image;
    Drawn m_shown;
    QFutureWatcher<QImage> m_drawing;
    Drawn m_drawingFor;
};
