#include "largeview/LargeView.h"

#include "drawing/PictureRender.h"
#include "export/ExportDialog.h"
#include "export/PictureClipboard.h"
#include "picture/frmObject.h"
#include "platform/Twips.h"
#include "shell/Guard.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

// Four times the drawing area of the picture's window.
constexpr int FirstScale = 4;

std::size_t indexOf(Drawing::Frame frame)
{
    return frame == Drawing::Frame::Window ? 0 : 1;
}

// Drawn on any thread: it touches nothing but its arguments.
QImage drawFitted(const GeneticSnapshot& code, Drawing::Flags flags, Drawing::Frame frame, QSize pixels, qreal ratio,
    QColor background)
{
    const std::unique_ptr<clsGenSeq> genes = codeOf(code);
    return Drawing::renderFitted(*genes, flags, frame, pixels, ratio, background, true);
}

} // namespace

LargeView::LargeView(qint16 id, const GeneticSnapshot& code, Drawing::Flags flags, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_id(id)
    , m_code(code)
    , m_flags(flags)
    , m_background(frmObject::drawingBackground())
{
    setObjectName(QStringLiteral("LargeView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Picture %1").arg(id));
    resize(Twips::toPixels(Drawing::WindowFrame.width()) * FirstScale,
        Twips::toPixels(Drawing::WindowFrame.height()) * FirstScale);

    const std::unique_ptr<clsGenSeq> genes = codeOf(m_code);
    for (const Drawing::Frame frame : { Drawing::Frame::Window, Drawing::Frame::WholeTree })
        m_frames[indexOf(frame)] = Drawing::frameOf(*genes, m_flags, frame);

    V_WholeTree = new QAction(QStringLiteral("&Whole Tree"), this);
    V_WholeTree->setCheckable(true);
    V_Copy = new QAction(QStringLiteral("&Copy Picture"), this);
    V_Copy->setShortcut(QKeySequence::Copy);
    V_Export = new QAction(QStringLiteral("&Export Picture..."), this);
    V_Export->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    for (QAction* action : { V_WholeTree, V_Copy, V_Export })
        action->setShortcutContext(Qt::WindowShortcut);
    addActions({ V_WholeTree, V_Copy, V_Export });
    m_menu = new QMenu(this);
    m_menu->addAction(V_WholeTree);
    m_menu->addSeparator();
    m_menu->addActions({ V_Copy, V_Export });

    Guard::connect(V_WholeTree, &QAction::triggered, this, &LargeView::V_WholeTree_Click);
    Guard::connect(V_Copy, &QAction::triggered, this, &LargeView::V_Copy_Click);
    Guard::connect(V_Export, &QAction::triggered, this, &LargeView::V_Export_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(&m_drawing, &QFutureWatcher<QImage>::finished, this, &LargeView::takeDrawing);
}

// A drawing still under way finishes on its own and is dropped.
LargeView::~LargeView() = default;

bool LargeView::isSharp() const
{
    return !m_image.isNull() && m_shown == wanted();
}

void LargeView::V_WholeTree_Click()
{
    update();
}

void LargeView::V_Copy_Click()
{
    PictureClipboard::copy(m_code, m_flags, windowTitle());
}

void LargeView::V_Export_Click()
{
    ExportDialog::Open(this, m_id, m_code, m_flags);
}

LargeView::Drawn LargeView::wanted() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio)));
    return { pixels, ratio, V_WholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window };
}

QImage LargeView::draw(const Drawn& drawn) const
{
    return drawFitted(m_code, m_flags, drawn.frame, drawn.pixels, drawn.ratio, m_background);
}

void LargeView::drawLater(const Drawn& drawn)
{
    // One drawing at a time; when it comes in, the next paint asks for whatever is wanted then.
    if (m_drawing.isRunning())
        return;
    m_drawingFor = drawn;
    m_drawing.setFuture(
        QtConcurrent::run([code = m_code, flags = m_flags, drawn, background = m_background]() -> QImage {
            try {
                return drawFitted(code, flags, drawn.frame, drawn.pixels, drawn.ratio, background);
            } catch (...) {
                // Too big to draw: the scaled drawing stays.
                return {};
            }
        }));
}

void LargeView::takeDrawing()
{
    QImage image = m_drawing.result();
    if (image.isNull())
        return;
    m_image = std::move(image);
    m_shown = m_drawingFor;
    update();
}

QRectF LargeView::pictureRect(Drawing::Frame frame, const QSizeF& area) const
{
    const QRectF& twips = m_frames[indexOf(frame)];
    return Drawing::fitInto(twips, QRectF(QPointF(0, 0), area)).mapRect(twips);
}

void LargeView::paintEvent(QPaintEvent*)
{
    const Drawn want = wanted();
    // The first drawing is made here, so that the window never opens empty.
    if (m_image.isNull()) {
        m_image = draw(want);
        m_shown = want;
    }
    QPainter painter(this);
    if (m_shown == want) {
        painter.drawImage(QPoint(0, 0), m_image);
        return;
    }
    drawLater(want);
    painter.fillRect(rect(), m_background);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(m_shown.frame, size()), m_image, pictureRect(m_shown.frame, m_image.size()));
}

void LargeView::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}
