#pragma once
// The run's family tree: every picture, open or closed, in generations from the top, lines from parents to children.

#include "core/history/FamilyLayout.h"
#include "ui/windows/RunCommands.h"

#include <QGraphicsView>
#include <QHash>
#include <QThreadPool>

#include <functional>
#include <vector>

class PictureNode;
class QGraphicsLineItem;
class QGraphicsScene;
class RunHistory;
struct PictureRecord;
class WebPageExport;

class FamilyTreeWindow final : public QGraphicsView {
    Q_OBJECT

public:
    // commands: what the window asks of the run: to reopen a picture, to open files dropped on it, to breed from a
    // picture, and what its genes editors and animations open.
    FamilyTreeWindow(RunHistory& history, RunCommands commands, QWidget* parent = nullptr);
    ~FamilyTreeWindow() override;

    // The node of picture id, or null.
    PictureNode* node(qint16 id) const;
    const FamilyLayout& layout() const { return m_layout; }
    // Each line joins a parent to a child.
    std::vector<std::pair<qint16, qint16>> lines() const;
    // The text shown when the pointer rests on picture id.
    QString toolTipOf(qint16 id) const;

    // What the picture menu's items do for picture id.
    void reopen(qint16 id);
    void exportPicture(qint16 id);
    void editGenes(qint16 id);
    // Plays the picture's line of descent, from its oldest ancestor through first parents.
    void animateLineage(qint16 id);
    void breedFrom(qint16 id);
    // Writes picture id's genetic code as a genetic code file, and records the save.
    void saveGeneticCode(qint16 id, const QString& fileName);
    // Writes the whole tree of pictures as PNG or SVG, by the name's suffix.
    void exportTree(const QString& fileName);
    // Starts writing every picture of the run as a web page into folder, a new or empty one, beside the window;
    // errors show when it ends.
    void exportWebPage(const QString& folder);
    bool isExportingWebPage() const;
    // Zooms by factor, keeping the point under the pointer still.
    void zoomBy(double factor);
    // Makes every missing thumbnail now, on this thread.
    void completeThumbnails();
    // Whether every picture in sight shows its thumbnail.
    bool visibleThumbnailsComplete() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void addPicture(const PictureRecord& record);
    void placeAll();
    void requestThumbnail(qint16 id);
    // Shows whether picture id is open or closed now.
    void showOpen(qint16 id);
    PictureNode* nodeAt(const QPoint& viewPoint) const;
    void askSaveGeneticCode(qint16 id);
    void askExportTree();
    void askExportWebPage();

    struct Line {
        qint16 parent;
        qint16 child;
        QGraphicsLineItem* item;
    };

    RunHistory& m_history;
    RunCommands m_commands;
    QGraphicsScene* m_scene;
    FamilyLayout m_layout;
    QHash<qint16, PictureNode*> m_nodes;
    std::vector<Line> m_lines;
    QColor m_background;
    // Thumbnails are drawn here; pending ones are dropped when the window goes.
    QThreadPool m_thumbnailPool;
    WebPageExport* m_webPage;
};
