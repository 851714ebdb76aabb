#include "ui/largeview/LargeView.h"

#include "core/drawing/WindowBackground.h"
#include "core/export/RasterRender.h"
#include "core/platform/RuntimeError.h"
#include "core/platform/Twips.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/PictureClipboard.h"
#include "ui/export/PictureDrag.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace {

// Four times the drawing area of the picture's window.
constexpr int FirstScale = 4;

} // namespace

LargeView::LargeView(qint16 id, const GeneticCode& code, Drawing::Flags flags, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_id(id)
    , m_code(code)
    , m_flags(flags)
    , m_background(Drawing::windowBackground())
{
    setObjectName(QStringLiteral("LargeView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Picture %1").arg(id));
    resize(Twips::toPixels(Drawing::WindowFrame.width()) * FirstScale,
        Twips::toPixels(Drawing::WindowFrame.height()) * FirstScale);
    Remembered::keepSize(this, QStringLiteral("large view"));

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
    m_menu->setAccessibleName(windowTitle());
    m_menu->addAction(V_WholeTree);
    m_menu->addSeparator();
    m_menu->addActions({ V_Copy, V_Export });

    Guard::connect(V_WholeTree, &QAction::triggered, this, &LargeView::V_WholeTree_Click);
    Guard::connect(V_Copy, &QAction::triggered, this, &LargeView::V_Copy_Click);
    Guard::connect(V_Export, &QAction::triggered, this, &LargeView::V_Export_Click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
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

void LargeView::paintEvent(QPaintEvent*)
{
    const Drawn want = wanted();
    if (m_image.isNull() || !(m_drawn == want)) {
        try {
            m_image = Drawing::renderFitted(m_code, m_flags,
                { .shown = Drawing::shownPartOf(m_code, m_flags, want.frame),
                    .pixels = want.pixels,
                    .devicePixelRatio = want.ratio,
                    .background = m_background });
            m_drawn = want;
        } catch (const RuntimeError&) {
            // No memory for an image of this size: the last drawing stays, stretched over the window.
        }
    }
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.drawImage(rect(), m_image);
}

void LargeView::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

void LargeView::mousePressEvent(QMouseEvent* event)
{
    m_drag.press(*event);
    QWidget::mousePressEvent(event);
}

void LargeView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag.starts(*event))
        Guard::run(this, [&] { PictureDrag::start(this, m_id, m_code, m_flags); });
}
