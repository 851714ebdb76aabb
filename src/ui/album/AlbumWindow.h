#pragma once
// The album window: every genetic code file of a folder as a thumbnail with its name, sorted and filtered, kept up to
// date as the folder changes; the selected files open as pictures, breed, animate, go onto a contact sheet, are
// renamed, copied, dragged out or moved to the trash, and files dropped on it are copied in.

#include "core/album/AlbumModel.h"
#include "core/thumbnails/ThumbnailCache.h"
#include "ui/album/AlbumProxy.h"
#include "ui/windows/RunCommands.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class AlbumDelegate;
class AlbumView;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class WebPageExport;

class AlbumWindow final : public QMainWindow {
    Q_OBJECT

public:
    // A new album of folder, shown; commands: what it asks of the run for the selected files (to open them, breed from
    // them) and what its animations open. Fails naming folder, with the system's reason, when it cannot be read.
    static AlbumWindow* Open(const QString& folder, RunCommands commands);

    AlbumWindow(const QString& folder, RunCommands commands, QWidget* parent = nullptr);
    ~AlbumWindow() override;

    AlbumModel& album() { return m_album; }
    AlbumProxy& rows() { return m_rows; }
    // The selected files, in the order shown.
    QStringList selectedFiles() const;

    AlbumView* lstAlbum;
    QLineEdit* txtFilter;
    QLabel* lblCount;

    QMenu* M_File;
    QAction* F_Open;
    QAction* F_BreedFromSelected;
    QAction* F_AnimateSelected;
    QAction* F_ContactSheet;
    QAction* F_ExportWebPage;
    QAction* F_Close;
    QMenu* M_Edit;
    QAction* E_Copy;
    QAction* E_Rename;
    QAction* E_MoveToTrash;
    QAction* E_SelectAll;
    QAction* E_Filter;
    QMenu* M_View;
    QAction* V_Small;
    QAction* V_Large;
    QAction* V_IncludeSubfolders;
    QMenu* M_Sort;
    QAction* S_Name;
    QAction* S_DateModified;
    QAction* S_Likeness;

    void F_Open_Click();
    void F_BreedFromSelected_Click();
    void F_AnimateSelected_Click();
    void F_ContactSheet_Click();
    void F_ExportWebPage_Click();
    void E_Copy_Click();
    void E_Rename_Click();
    void E_MoveToTrash_Click();
    void S_Likeness_Click();
    // Copies the files into the album's folder, on a worker, never over a file; the folder's watch shows them.
    void copyIn(const QStringList& fileNames);
    // Writes a contact sheet of the selected files that read as fileName, on workers.
    void writeContactSheet(const QString& fileName);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenus();
    void setSide(int side);
    void setOrder(AlbumProxy::Order order);
    // Tells the album which rows are in sight, and which are nearest them, for its workers to start with.
    void prioritise();
    void showCount();
    // The selected rows of the album, in the order shown.
    std::vector<int> selectedRows() const;
    std::unique_ptr<QMimeData> selectionData() const;
    // A message over the window that leaves the program going on.
    void tell(const QString& objectName, const QString& text);

    RunCommands m_commands;
    ThumbnailCache m_cache;
    AlbumModel m_album;
    AlbumProxy m_rows;
    WebPageExport* m_webPage;
    AlbumDelegate* m_delegate = nullptr;
    QAction* m_order = nullptr;
    QTimer m_prioritise;
};
