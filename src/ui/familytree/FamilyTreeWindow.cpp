#include "ui/familytree/FamilyTreeWindow.h"

#include "core/drawing/WindowBackground.h"
#include "core/export/PictureRender.h"
#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "core/files/ReplaceFile.h"
#include "core/genefile/GeneFileWriter.h"
#include "core/history/Lineage.h"
#include "core/history/RunHistory.h"
#include "core/platform/RuntimeError.h"
#include "core/webpage/WebPage.h"
#include "ui/animation/AnimationWindow.h"
#include "ui/editor/GenesEditor.h"
#include "ui/export/ExportDialog.h"
#include "ui/export/WebPageExport.h"
#include "ui/familytree/PictureNode.h"
#include "ui/windows/DroppedFiles.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double Spacing = 16;
constexpr double GenerationGap = 24;
constexpr int PicturesPerLine = 16;
constexpr double ZoomStep = 1.25;
constexpr double MinZoom = 0.05;
constexpr double MaxZoom = 8;

QImage thumbnailOf(const GeneticCode& code, Drawing::Flags flags, const QColor& background)
{
    Drawing::RenderOptions options;
    options.background = background;
    try {
        return Drawing::renderImage(code, flags, options);
    } catch (const std::exception&) {
        // A picture that opened was drawn once already; a thumbnail that cannot be made stays blank.
        return {};
    }
}

QString openText(bool open)
{
    return open ? QStringLiteral("open") : QStringLiteral("closed");
}

} // namespace

FamilyTreeWindow::FamilyTreeWindow(RunHistory& history, RunCommands commands, QWidget* parent)
    : QGraphicsView(parent)
    , m_history(history)
    , m_commands(std::move(commands))
    , m_scene(new QGraphicsScene(this))
    , m_layout(PictureNode::size() + QSizeF(Spacing, Spacing), GenerationGap, PicturesPerLine)
    , m_background(Drawing::windowBackground())
    , m_webPage(new WebPageExport(this))
{
    setWindowTitle(QStringLiteral("Family Tree"));
    setScene(m_scene);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setAccessibleName(QStringLiteral("Family tree"));
    setAccessibleDescription(QStringLiteral("Every picture of the run in generations, parents above their children"));
    // The scene's pictures take no drops: the window takes them anywhere, to open as new pictures.
    DroppedFiles::openOn(viewport(), [this](const QStringList& fileNames) {
        if (m_commands.openFiles)
            m_commands.openFiles(fileNames);
    });
    resize(900, 600);
    Remembered::keepSize(this, QStringLiteral("family tree"));

    const auto addShortcut = [this](const QList<QKeySequence>& keys, double factor) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, factor] { zoomBy(factor); });
        addAction(action);
    };
    addShortcut({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) }, ZoomStep);
    addShortcut({ QKeySequence::ZoomOut }, 1 / ZoomStep);

    for (const PictureRecord& record : m_history.pictures())
        addPicture(record);
    connect(&m_history, &RunHistory::pictureOpened, this, [this](qint16 id) {
        if (const PictureRecord* record = m_history.find(id))
            addPicture(*record);
    });
    connect(&m_history, &RunHistory::pictureClosed, this, &FamilyTreeWindow::showOpen);
    connect(&m_history, &RunHistory::pictureShownAgain, this, &FamilyTreeWindow::showOpen);
}

FamilyTreeWindow::~FamilyTreeWindow()
{
    m_thumbnailPool.clear();
    m_thumbnailPool.waitForDone();
}

PictureNode* FamilyTreeWindow::node(qint16 id) const
{
    return m_nodes.value(id, nullptr);
}

std::vector<std::pair<qint16, qint16>> FamilyTreeWindow::lines() const
{
    std::vector<std::pair<qint16, qint16>> joined;
    for (const Line& line : m_lines)
        joined.emplace_back(line.parent, line.child);
    return joined;
}

QString FamilyTreeWindow::toolTipOf(qint16 id) const
{
    const PictureRecord* record = m_history.find(id);
    if (!record)
        return {};
    return QStringLiteral("Picture %1\nName: %2\nBirth: %3\nDrawn with %4\n%5")
        .arg(QString::number(id), record->name.isEmpty() ? QStringLiteral("(none)") : record->name,
            record->birth.describe(), BirthRecord::describe(record->birth.flags), openText(record->open));
}

void FamilyTreeWindow::addPicture(const PictureRecord& record)
{
    if (m_nodes.contains(record.id))
        return;
    auto* node = new PictureNode(record.id, [this](qint16 id) { requestThumbnail(id); });
    node->setClosed(!record.open);
    node->setToolTip(toolTipOf(record.id));
    m_scene->addItem(node);
    m_nodes.insert(record.id, node);

    const std::vector<qint16> parents = record.birth.parentsInRun();
    const bool moved = m_layout.add(record.id, parents);
    for (const qint16 parent : parents) {
        if (!m_nodes.contains(parent))
            continue;
        auto* item = m_scene->addLine(QLineF(), QPen(palette().color(QPalette::Mid), 1.5));
        item->setZValue(-1);
        m_lines.push_back({ parent, record.id, item });
    }
    if (moved) {
        placeAll();
    } else {
        node->setPos(m_layout.position(record.id));
        for (auto it = m_lines.rbegin(); it != m_lines.rend() && it->child == record.id; ++it)
            it->item->setLine(QLineF(m_nodes.value(it->parent)->bottom(), node->top()));
    }
    m_scene->setSceneRect(QRectF(QPointF(-Spacing, -Spacing), m_layout.size() + QSizeF(Spacing, Spacing)));
}

void FamilyTreeWindow::placeAll()
{
    for (auto it = m_nodes.cbegin(); it != m_nodes.cend(); ++it)
        it.value()->setPos(m_layout.position(it.key()));
    for (const Line& line : m_lines)
        line.item->setLine(QLineF(m_nodes.value(line.parent)->bottom(), m_nodes.value(line.child)->top()));
}

void FamilyTreeWindow::requestThumbnail(qint16 id)
{
    const PictureRecord* record = m_history.find(id);
    if (!record)
        return;
    const GeneticCode code = record->code;
    const Drawing::Flags flags = record->birth.flags;
    const QColor background = m_background;
    FamilyTreeWindow* window = this;
    m_thumbnailPool.start([window, id, code, flags, background] {
        QImage thumbnail = thumbnailOf(code, flags, background);
        // The window empties the pool and waits for it before it goes, and a call still queued for it
        // goes with it: the window is alive wherever this runs.
        QMetaObject::invokeMethod(
            window,
            [window, id, thumbnail = std::move(thumbnail)] {
                if (PictureNode* node = window->node(id))
                    node->setThumbnail(thumbnail);
            },
            Qt::QueuedConnection);
    });
}

void FamilyTreeWindow::completeThumbnails()
{
    m_thumbnailPool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    for (const PictureRecord& record : m_history.pictures()) {
        PictureNode* node = m_nodes.value(record.id);
        if (node && !node->hasThumbnail())
            node->setThumbnail(thumbnailOf(record.code, record.birth.flags, m_background));
    }
}

bool FamilyTreeWindow::visibleThumbnailsComplete() const
{
    for (QGraphicsItem* item : items(viewport()->rect()))
        if (item->type() == PictureNode::Type && !static_cast<PictureNode*>(item)->hasThumbnail())
            return false;
    return true;
}

void FamilyTreeWindow::showOpen(qint16 id)
{
    const PictureRecord* record = m_history.find(id);
    if (PictureNode* node = m_nodes.value(id); node && record) {
        node->setClosed(!record->open);
        node->setToolTip(toolTipOf(id));
    }
}

PictureNode* FamilyTreeWindow::nodeAt(const QPoint& viewPoint) const
{
    for (QGraphicsItem* item : items(viewPoint))
        if (item->type() == PictureNode::Type)
            return static_cast<PictureNode*>(item);
    return nullptr;
}

void FamilyTreeWindow::zoomBy(double factor)
{
    const double now = transform().m11();
    const double wanted = std::clamp(now * factor, MinZoom, MaxZoom);
    scale(wanted / now, wanted / now);
}

void FamilyTreeWindow::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // One notch of an ordinary wheel is 120.
    zoomBy(std::pow(ZoomStep, event->angleDelta().y() / 120.0));
    event->accept();
}

void FamilyTreeWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    PictureNode* picture = nodeAt(event->position().toPoint());
    if (!picture || event->button() != Qt::LeftButton) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    reopen(picture->id());
}

void FamilyTreeWindow::reopen(qint16 id)
{
    Guard::run(this, [&] {
        if (m_commands.reopen)
            m_commands.reopen(id);
    });
}

void FamilyTreeWindow::exportPicture(qint16 id)
{
    Guard::run(this, [&] {
        if (const PictureRecord* picture = m_history.find(id))
            ExportDialog::Open(this, id, picture->code, picture->birth.flags);
    });
}

void FamilyTreeWindow::editGenes(qint16 id)
{
    Guard::run(this, [&] {
        if (const PictureRecord* picture = m_history.find(id))
            GenesEditor::Open(id, picture->name, picture->code, picture->birth.flags, m_commands);
    });
}

void FamilyTreeWindow::animateLineage(qint16 id)
{
    Guard::run(this, [&] {
        const std::vector<qint16> line = Lineage::of(m_history, id);
        if (line.size() < 2)
            AnimationWindow::Refuse(this, QStringLiteral("Picture %1 has no parent in this run.").arg(id));
        else
            AnimationWindow::OpenOfRun(m_history, line, m_commands);
    });
}

void FamilyTreeWindow::breedFrom(qint16 id)
{
    Guard::run(this, [&] {
        if (m_commands.breedFrom)
            m_commands.breedFrom(id);
    });
}

void FamilyTreeWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (PictureNode* picture = nodeAt(event->pos())) {
        const qint16 id = picture->id();
        connect(menu.addAction(QStringLiteral("&Reopen")), &QAction::triggered, this, [this, id] { reopen(id); });
        connect(menu.addAction(QStringLiteral("&Save Genetic Code As...")), &QAction::triggered, this,
            [this, id] { askSaveGeneticCode(id); });
        connect(menu.addAction(QStringLiteral("&Export Picture...")), &QAction::triggered, this,
            [this, id] { exportPicture(id); });
        connect(
            menu.addAction(QStringLiteral("Edit &Genes...")), &QAction::triggered, this, [this, id] { editGenes(id); });
        connect(menu.addAction(QStringLiteral("Animate &Lineage")), &QAction::triggered, this,
            [this, id] { animateLineage(id); });
        connect(menu.addAction(QStringLiteral("&Breed from This")), &QAction::triggered, this,
            [this, id] { breedFrom(id); });
    } else {
        connect(menu.addAction(QStringLiteral("Export &Family Tree...")), &QAction::triggered, this,
            [this] { askExportTree(); });
        QAction* webPage = menu.addAction(QStringLiteral("Export as &Web Page..."));
        webPage->setEnabled(!isExportingWebPage());
        connect(webPage, &QAction::triggered, this, [this] { askExportWebPage(); });
    }
    menu.exec(event->globalPos());
}

void FamilyTreeWindow::askSaveGeneticCode(qint16 id)
{
    FileDialogs::saveFile(this,
        { .name = QStringLiteral("save genetic code"),
            .caption = QStringLiteral("Save Genetic Code As"),
            .filters = QString::fromLatin1(FileDialogs::GeneticCodeFilters),
            .suggested = QStringLiteral("picture-%1.gen").arg(id) },
        [this, id](const QString& fileName) { saveGeneticCode(id, fileName); });
}

void FamilyTreeWindow::askExportTree()
{
    FileDialogs::saveFile(this,
        { .name = QStringLiteral("export family tree"),
            .caption = QStringLiteral("Export Family Tree"),
            .filters = QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)"),
            .suggested = QStringLiteral("family-tree.png") },
        [this](const QString& fileName) { exportTree(fileName); });
}

void FamilyTreeWindow::askExportWebPage()
{
    m_webPage->ask([this](const QString& folder) { exportWebPage(folder); });
}

bool FamilyTreeWindow::isExportingWebPage() const
{
    return m_webPage->isRunning();
}

void FamilyTreeWindow::exportWebPage(const QString& folder)
{
    const std::vector<PictureRecord>& pictures = m_history.pictures();
    m_webPage->start(folder, static_cast<int>(pictures.size()),
        [pictures, options = WebPage::defaultOptions()](const QString& into, const WebPage::Progress& progress) {
            QStringList errors;
            const WebPage::Outcome outcome = WebPage::writeRun(into, pictures, options, 0, progress);
            for (const WebPage::LeftOut& leftOut : outcome.leftOut)
                errors.append(QStringLiteral("Picture %1 is left out of the web page: %2")
                                  .arg(QString::number(pictures[leftOut.index].id), leftOut.error));
            return errors;
        });
}

void FamilyTreeWindow::saveGeneticCode(qint16 id, const QString& fileName)
{
    const PictureRecord* record = m_history.find(id);
    if (!record)
        return;
    GeneFileWriter::Save(record->code, fileName);
    m_history.saved(id, fileName);
}

void FamilyTreeWindow::exportTree(const QString& fileName)
{
    const auto format = Drawing::formatOfFileName(fileName);
    if (format != Drawing::Format::Png && format != Drawing::Format::Svg)
        throw RuntimeError(RuntimeError::InvalidArgument, QStringLiteral("A family tree is exported as .png or .svg"),
            QStringLiteral("(not \"%1\")").arg(QFileInfo(fileName).fileName()));
    completeThumbnails();
    const QRectF source = m_scene->itemsBoundingRect().adjusted(-Spacing, -Spacing, Spacing, Spacing);
    const QRectF target(QPointF(0, 0), source.size());
    const auto paint = [this, &source, &target](QPainter& painter) { m_scene->render(&painter, target, source); };
    const QByteArray bytes = format == Drawing::Format::Png
        ? Drawing::encodePng(Drawing::paintedImage(source.size().toSize(), m_background,
            { QStringLiteral("image of the family tree"), QStringLiteral("export it as SVG") }, paint))
        : Drawing::paintedSvg(source.size().toSize(), target, m_background, QStringLiteral("Family Tree"), paint);
    Files::replaceFile(fileName, bytes);
}
