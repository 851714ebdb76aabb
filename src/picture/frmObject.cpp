#include "picture/frmObject.h"

#include "genefile/GeneFileWriter.h"
#include "platform/Twips.h"
#include "shell/Guard.h"
#include "shell/modObject.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>

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

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_surface.image());
    }

private:
    ImageSurface& m_surface;
};

template <typename W> W* place(W* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
    return widget;
}

} // namespace

frmObject::frmObject(QWidget* parent)
    : QWidget(parent)
    , m_surface(drawingTwips, qApp ? qApp->devicePixelRatio() : 1.0, QGuiApplication::palette().color(QPalette::Window))
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

    m_surface.setFinishedHandler([this] { picDraw->update(); });

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
}

frmObject::~frmObject() = default;

QSize frmObject::ClientSize()
{
    return { Twips::toPixels(clientTwips.width()), Twips::toPixels(clientTwips.height()) };
}

void frmObject::btnDone_Click()
{
    modObject::Objects.item(modObject::KeyOfTag(Tag))->Unload();
}

void frmObject::btnSave_Click()
{
    const auto picture = modObject::Objects.item(modObject::KeyOfTag(Tag));
    const QString fileName = txtName->text();
    if (fileName.isEmpty())
        return;
    GeneFileWriter::Save(picture->GenCode(), fileName);
    emit saved(fileName);
}

void frmObject::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
