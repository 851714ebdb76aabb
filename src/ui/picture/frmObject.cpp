#include "ui/picture/frmObject.h"

#include "core/drawing/WindowBackground.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/platform/Twips.h"
#include "program/modObject.h"
#include "ui/editor/GenesEditor.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/PictureClipboard.h"
#include "ui/export/PictureDrag.h"
#include "ui/largeview/LargeView.h"
#include "ui/windows/DragGesture.h"
#include "ui/windows/Guard.h"
#include "ui/windows/WindowShortcutFilter.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace {

constexpr QSize clientTwips { 3255, 2295 };
constexpr QSize drawingTwips { 1695, 1575 };

// Paints the picture's persistent image; the drawing itself happens once, into the image.
class DrawingArea final : public QWidget {
public:
    DrawingArea(ImageSurface& surface, QWidget* parent)
        : QWidget(parent)
        , m_surface(surface)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        // A stop of the tab order, between Save and Done, as laid out.
        setFocusPolicy(Qt::TabFocus);
    }

    // Opened by a right click; a double click chooses its default item.
    void setMenu(QMenu* menu) { m_menu = menu; }
    // Called when the left button, held down, has moved far enough to drag the picture out.
    void setDragStart(std::function<void()> dragStart) { m_dragStart = std::move(dragStart); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_surface.image());
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (m_menu)
            m_menu->popup(event->globalPos());
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && m_menu && m_menu->defaultAction())
            m_menu->defaultAction()->trigger();
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_drag.press(*event);
        QWidget::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_drag.starts(*event) && m_dragStart)
            m_dragStart();
    }

private:
    ImageSurface& m_surface;
    QMenu* m_menu = nullptr;
    std::function<void()> m_dragStart;
    DragGesture m_drag;
};

QAction* addWindowAction(QWidget* window, const QString& text, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, window);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// What a screen reader says of the drawing of picture id.
QString pictureDrawingDescription(const QString& id, int segments)
{
    return QStringLiteral("Picture %1: %2 %3")
        .arg(id)
        .arg(segments)
        .arg(segments == 1 ? QStringLiteral("segment") : QStringLiteral("segments"));
}

template <typename W> W* place(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
    return widget;
}

} // namespace

frmObject::frmObject(RunCommands commands, QWidget* parent)
    : QWidget(parent)
    , m_commands(std::move(commands))
    , m_surface(drawingTwips, qApp ? qApp->devicePixelRatio() : 1.0, Drawing::windowBackground())
    , m_counted(m_surface)
{
    setWindowTitle(QStringLiteral("ID"));
    resize(ClientSize());

    txtName = place(new QLineEdit(this), 960, 1800, 2175, 375);
    btnSave = place(new QPushButton(QStringLiteral("Save"), this), 120, 720, 1095, 375);
    picDraw = place(new DrawingArea(m_surface, this), 1440, 120, 1695, 1575);
    btnDone = place(new QPushButton(QStringLiteral("Done"), this), 120, 240, 1095, 375);
    cbxParent = place(new QCheckBox(QStringLiteral("Parent"), this), 240, 1200, 1095, 375);
    lblName = place(new QLabel(QStringLiteral("Name:"), this), 240, 1800, 615, 255);

    txtName->setObjectName(QStringLiteral("txtName"));
    btnSave->setObjectName(QStringLiteral("btnSave"));
    picDraw->setObjectName(QStringLiteral("picDraw"));
    btnDone->setObjectName(QStringLiteral("btnDone"));
    cbxParent->setObjectName(QStringLiteral("cbxParent"));
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setWordWrap(true);

    // Screen readers name the buttons and labels by their captions; the name box by its label, the drawing by what
    // it shows.
    txtName->setAccessibleName(QStringLiteral("Name"));
    picDraw->setAccessibleName(QStringLiteral("Picture"));

    m_surface.setFinishedHandler([this] {
        picDraw->setAccessibleDescription(pictureDrawingDescription(Tag, m_counted.segments()));
        picDraw->update();
    });

    setTabOrder(txtName, btnSave);
    setTabOrder(btnSave, picDraw);
    setTabOrder(picDraw, btnDone);
    setTabOrder(btnDone, cbxParent);
    setTabOrder(cbxParent, lblName);

    Guard::connect(btnSave, &QPushButton::clicked, this, &frmObject::btnSave_Click);
    Guard::connect(btnDone, &QPushButton::clicked, this, &frmObject::btnDone_Click);
    // Esc presses Done, as a cancel button would.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, btnDone, &QPushButton::click);

    P_Copy = addWindowAction(this, QStringLiteral("&Copy Picture"), QKeySequence::Copy);
    P_Export = addWindowAction(this, QStringLiteral("&Export Picture..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    P_ViewLarge = addWindowAction(this, QStringLiteral("&View Large"), QKeySequence(Qt::CTRL | Qt::Key_L));
    P_EditGenes = addWindowAction(this, QStringLiteral("Edit &Genes..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    P_BreedFromThis = addWindowAction(this, QStringLiteral("&Breed from This"), QKeySequence());
    M_Picture = new QMenu(this);
    M_Picture->setObjectName(QStringLiteral("M_Picture"));
    M_Picture->setAccessibleName(QStringLiteral("Picture"));
    M_Picture->addActions({ P_Copy, P_Export, P_ViewLarge, P_EditGenes, P_BreedFromThis });
    M_Picture->setDefaultAction(P_ViewLarge);
    static_cast<DrawingArea*>(picDraw)->setMenu(M_Picture);
    static_cast<DrawingArea*>(picDraw)->setDragStart([this] {
        Guard::run(this, [&] {
            const auto object = picture();
            PictureDrag::start(this, object->ID, object->GenCode().Code(), object->DrawnWith());
        });
    });
    // The window's shortcuts work in the name box too, where a new picture puts the focus; only Ctrl+C with
    // text selected copies the text, as in any text box. The filter belongs to the box.
    new WindowShortcutFilter(txtName);
    Guard::connect(P_Copy, &QAction::triggered, this, &frmObject::P_Copy_Click);
    Guard::connect(P_Export, &QAction::triggered, this, &frmObject::P_Export_Click);
    Guard::connect(P_ViewLarge, &QAction::triggered, this, &frmObject::P_ViewLarge_Click);
    Guard::connect(P_EditGenes, &QAction::triggered, this, &frmObject::P_EditGenes_Click);
    Guard::connect(P_BreedFromThis, &QAction::triggered, this, &frmObject::P_BreedFromThis_Click);
}

frmObject::~frmObject()
{
    if (m_largeView)
        m_largeView->close();
}

LargeView* frmObject::largeView() const
{
    return m_largeView;
}

void frmObject::closeEvent(QCloseEvent* event)
{
    if (m_largeView)
        m_largeView->close();
    QWidget::closeEvent(event);
    emit closed();
}

std::shared_ptr<clsObject> frmObject::picture() const
{
    return modObject::Objects.item(modObject::KeyOfTag(Tag));
}

QSize frmObject::ClientSize()
{
    return { Twips::toPixels(clientTwips.width()), Twips::toPixels(clientTwips.height()) };
}

void frmObject::btnDone_Click()
{
    picture()->Unload();
}

void frmObject::btnSave_Click()
{
    const auto object = picture();
    const QString fileName = txtName->text();
    if (fileName.isEmpty())
        return;
    GeneFileWriter::Save(object->GenCode().Code(), fileName);
    emit saved(fileName);
}

// Copies, exports and views show the picture as its window does: with the Genes switches it was drawn with.
void frmObject::P_Copy_Click()
{
    const auto object = picture();
    PictureClipboard::copy(object->GenCode().Code(), object->DrawnWith(), QStringLiteral("Picture %1").arg(object->ID));
}

void frmObject::P_Export_Click()
{
    const auto object = picture();
    ExportDialog::Open(this, object->ID, object->GenCode().Code(), object->DrawnWith());
}

void frmObject::P_ViewLarge_Click()
{
    if (!m_largeView) {
        const auto object = picture();
        m_largeView = new LargeView(object->ID, object->GenCode().Code(), object->DrawnWith());
    }
    m_largeView->show();
    m_largeView->raise();
    m_largeView->activateWindow();
}

void frmObject::P_EditGenes_Click()
{
    const auto object = picture();
    GenesEditor::Open(object->ID, object->Name, object->GenCode().Code(), object->DrawnWith(), m_commands);
}

void frmObject::P_BreedFromThis_Click()
{
    if (m_commands.breedFrom)
        m_commands.breedFrom(picture()->ID);
}
