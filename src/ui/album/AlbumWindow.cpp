#include "ui/album/AlbumWindow.h"

#include "core/album/CopyIn.h"
#include "core/album/FolderListing.h"
#include "core/drawing/PictureFrame.h"
#include "core/platform/ParallelRun.h"
#include "core/platform/RuntimeError.h"
#include "core/sheet/ContactSheet.h"
#include "program/Preferences.h"
#include "ui/album/AlbumDelegate.h"
#include "ui/album/AlbumView.h"
#include "ui/animation/AnimationWindow.h"
#include "ui/export/PictureDrag.h"
#include "ui/export/WebPageExport.h"
#include "ui/windows/DroppedFiles.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>
#include <new>

namespace {

// Beside the rows in sight, as many again above and below have their thumbnails decoded, ready for a scroll.
constexpr int PagesDecodedAround = 1;
// The file names a question names before it counts the rest.
constexpr int NamesListed = 10;

QAction* addAlbumItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu* addAlbumMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return menu;
}

QString programFolderName()
{
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
}

QString folderTitle(const QString& folder)
{
    // ".", "dir/" and ".." are named as the folders they are.
    const QString name = QFileInfo(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())).fileName();
    return QStringLiteral("Album - %1").arg(name.isEmpty() ? folder : name);
}

// "tree.gen", or the first names and how many more.
QString namesOf(const QStringList& fileNames)
{
    QStringList names;
    for (const QString& fileName : fileNames.mid(0, NamesListed))
        names.append(QStringLiteral("\"%1\"").arg(QFileInfo(fileName).fileName()));
    QString text = names.join(QStringLiteral(", "));
    if (fileNames.size() > NamesListed)
        text += QStringLiteral(" and %1 more").arg(fileNames.size() - NamesListed);
    return text;
}

// The contact sheet of entries with their names, written whole or not at all; the reason when it was not.
QString contactSheet(const QString& fileName, QList<SheetEntry> entries, const PictureSettings& settings)
{
    try {
        for (SheetEntry& entry : entries)
            entry.frame = settings.options.frame == Drawing::Frame::WholeTree
                ? Drawing::frameOf(entry.code, settings.flags, Drawing::Frame::WholeTree)
                : Drawing::WindowFrame;
        ContactSheet::write(fileName, entries, settings, 0, ParallelRun::threadCount(0));
    } catch (const RuntimeError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("%1 (error 7) in \"%2\"")
            .arg(RuntimeError::standardText(RuntimeError::OutOfMemory), fileName);
    }
    return {};
}

} // namespace

AlbumWindow* AlbumWindow::Open(const QString& folder, RunCommands commands)
{
    FolderListing::checkReadable(folder);
    auto* window = new AlbumWindow(folder, std::move(commands));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

AlbumWindow::AlbumWindow(const QString& folder, RunCommands commands, QWidget* parent)
    : QMainWindow(parent)
    , m_commands(std::move(commands))
    , m_cache(ThumbnailCache::standardRoot(), programFolderName())
    , m_album(m_cache)
    , m_rows(m_album)
    , m_webPage(new WebPageExport(this))
{
    setObjectName(QStringLiteral("AlbumWindow"));
    setWindowTitle(folderTitle(folder));
    createControls();
    createMenus();
    m_prioritise.setSingleShot(true);
    m_prioritise.setInterval(0);
    Guard::connect(&m_prioritise, &QTimer::timeout, this, &AlbumWindow::prioritise);
    setSide(Preferences::current().albumThumbnailSize);
    resize(960, 640);
    Remembered::keepSize(this, QStringLiteral("album"));
    m_album.open(folder, false);
}

AlbumWindow::~AlbumWindow()
{
    // The view lets go of the rows before they go.
    lstAlbum->setModel(nullptr);
}

void AlbumWindow::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    txtFilter = new QLineEdit(client);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setAccessibleName(QStringLiteral("Filter"));
    txtFilter->setPlaceholderText(QStringLiteral("Names containing"));
    txtFilter->setAcceptDrops(false);
    auto* lblFilter = new QLabel(QStringLiteral("&Filter:"), client);
    lblFilter->setBuddy(txtFilter);

    lstAlbum = new AlbumView(client);
    lstAlbum->setObjectName(QStringLiteral("lstAlbum"));
    lstAlbum->setAccessibleName(QStringLiteral("Album"));
    m_delegate = new AlbumDelegate(lstAlbum);
    lstAlbum->setItemDelegate(m_delegate);
    lstAlbum->setModel(&m_rows);
    lstAlbum->setDragData([this] { return selectionData(); });

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setAccessibleName(QStringLiteral("Files"));
    statusBar()->addPermanentWidget(lblCount);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(txtFilter, 1);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(filterRow);
    layout->addWidget(lstAlbum, 1);
    setTabOrder(lstAlbum, txtFilter);
    lstAlbum->setFocus();
    // Files dropped anywhere on the window are copied in.
    setAcceptDrops(true);

    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        Guard::run(this, [&] {
            m_rows.setFilterText(text);
            showCount();
        });
    });
    connect(lstAlbum, &QAbstractItemView::activated, this, [this] { Guard::run(this, [this] { F_Open_Click(); }); });
    connect(lstAlbum, &AlbumView::shownChanged, &m_prioritise, qOverload<>(&QTimer::start));
    connect(&m_rows, &QAbstractItemModel::layoutChanged, &m_prioritise, qOverload<>(&QTimer::start));
    connect(&m_rows, &QAbstractItemModel::rowsRemoved, &m_prioritise, qOverload<>(&QTimer::start));
    for (const auto changed : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved })
        connect(&m_rows, changed, this, [this] { Guard::run(this, [this] { showCount(); }); });
    Guard::connect(&m_rows, &QAbstractItemModel::modelReset, this, &AlbumWindow::showCount);
    connect(&m_album, &AlbumModel::listingFailed, this,
        [this](const QString& message) { statusBar()->showMessage(message); });
    connect(
        &m_album, &AlbumModel::renameFailed, this, [this](const QString& message) { Guard::ShowError(this, message); });
}

void AlbumWindow::createMenus()
{
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    M_File = addAlbumMenu(menuBar(), "M_File", QStringLiteral("&File"));
    F_Open = addAlbumItem(M_File, "F_Open", QStringLiteral("&Open"), QKeySequence(Qt::Key_Return));
    F_Open->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    F_BreedFromSelected = addAlbumItem(
        M_File, "F_BreedFromSelected", QStringLiteral("&Breed from Selected"), QKeySequence(Qt::CTRL | Qt::Key_B));
    F_BreedFromSelected->setEnabled(static_cast<bool>(m_commands.breedFromFiles));
    F_AnimateSelected = addAlbumItem(M_File, "F_AnimateSelected", QStringLiteral("&Animate Selected"));
    F_ContactSheet = addAlbumItem(M_File, "F_ContactSheet", QStringLiteral("&Contact Sheet..."));
    F_ExportWebPage = addAlbumItem(M_File, "F_ExportWebPage", QStringLiteral("Export Selection as &Web Page..."));
    // One page is written at a time.
    connect(M_File, &QMenu::aboutToShow, this, [this] { F_ExportWebPage->setEnabled(!m_webPage->isRunning()); });
    M_File->addSeparator();
    F_Close = addAlbumItem(M_File, "F_Close", QStringLiteral("&Close"), QKeySequence::Close);

    M_Edit = addAlbumMenu(menuBar(), "M_Edit", QStringLiteral("&Edit"));
    E_Copy = addAlbumItem(M_Edit, "E_Copy", QStringLiteral("&Copy"), QKeySequence::Copy);
    E_Rename = addAlbumItem(M_Edit, "E_Rename", QStringLiteral("&Rename"), QKeySequence(Qt::Key_F2));
    E_MoveToTrash
        = addAlbumItem(M_Edit, "E_MoveToTrash", QStringLiteral("Move to &Trash"), QKeySequence(Qt::Key_Delete));
    M_Edit->addSeparator();
    E_SelectAll = addAlbumItem(M_Edit, "E_SelectAll", QStringLiteral("Select &All"), QKeySequence::SelectAll);
    E_Filter = addAlbumItem(M_Edit, "E_Filter", QStringLiteral("&Filter"), QKeySequence::Find);
    // What acts on the selected files answers its keys in the list only: in the filter box they edit the text.
    for (QAction* action : { F_Open, E_Copy, E_Rename, E_MoveToTrash, E_SelectAll }) {
        action->setShortcutContext(Qt::WidgetShortcut);
        lstAlbum->addAction(action);
    }

    M_View = addAlbumMenu(menuBar(), "M_View", QStringLiteral("&View"));
    V_Small = addAlbumItem(M_View, "V_Small", QStringLiteral("&Small"), QKeySequence::ZoomOut);
    V_Large = addAlbumItem(M_View, "V_Large", QStringLiteral("&Large"), QKeySequence::ZoomIn);
    V_Large->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    auto* sizes = new QActionGroup(this);
    for (QAction* size : { V_Small, V_Large }) {
        size->setCheckable(true);
        sizes->addAction(size);
    }
    M_View->addSeparator();
    V_IncludeSubfolders = addAlbumItem(M_View, "V_IncludeSubfolders", QStringLiteral("Include &Subfolders"));
    V_IncludeSubfolders->setCheckable(true);

    M_Sort = addAlbumMenu(menuBar(), "M_Sort", QStringLiteral("&Sort"));
    S_Name = addAlbumItem(M_Sort, "S_Name", QStringLiteral("&Name"));
    S_DateModified = addAlbumItem(M_Sort, "S_DateModified", QStringLiteral("&Date Modified"));
    S_Likeness = addAlbumItem(M_Sort, "S_Likeness", QStringLiteral("&Likeness to Selected"));
    auto* orders = new QActionGroup(this);
    for (QAction* order : { S_Name, S_DateModified, S_Likeness }) {
        order->setCheckable(true);
        orders->addAction(order);
    }
    S_Name->setChecked(true);
    m_order = S_Name;

    Guard::connect(F_Open, &QAction::triggered, this, &AlbumWindow::F_Open_Click);
    Guard::connect(F_BreedFromSelected, &QAction::triggered, this, &AlbumWindow::F_BreedFromSelected_Click);
    Guard::connect(F_AnimateSelected, &QAction::triggered, this, &AlbumWindow::F_AnimateSelected_Click);
    Guard::connect(F_ContactSheet, &QAction::triggered, this, &AlbumWindow::F_ContactSheet_Click);
    Guard::connect(F_ExportWebPage, &QAction::triggered, this, &AlbumWindow::F_ExportWebPage_Click);
    connect(F_Close, &QAction::triggered, this, &QWidget::close);
    Guard::connect(E_Copy, &QAction::triggered, this, &AlbumWindow::E_Copy_Click);
    Guard::connect(E_Rename, &QAction::triggered, this, &AlbumWindow::E_Rename_Click);
    Guard::connect(E_MoveToTrash, &QAction::triggered, this, &AlbumWindow::E_MoveToTrash_Click);
    connect(E_SelectAll, &QAction::triggered, lstAlbum, &QAbstractItemView::selectAll);
    connect(E_Filter, &QAction::triggered, this, [this] {
        txtFilter->setFocus(Qt::ShortcutFocusReason);
        txtFilter->selectAll();
    });
    connect(V_Small, &QAction::triggered, this,
        [this] { Guard::run(this, [this] { setSide(ThumbnailCache::NormalSide); }); });
    connect(V_Large, &QAction::triggered, this,
        [this] { Guard::run(this, [this] { setSide(ThumbnailCache::LargeSide); }); });
    connect(V_IncludeSubfolders, &QAction::toggled, this,
        [this](bool checked) { Guard::run(this, [&] { m_album.setSubfolders(checked); }); });
    connect(
        S_Name, &QAction::triggered, this, [this] { Guard::run(this, [this] { setOrder(AlbumProxy::Order::Name); }); });
    connect(S_DateModified, &QAction::triggered, this,
        [this] { Guard::run(this, [this] { setOrder(AlbumProxy::Order::Modified); }); });
    Guard::connect(S_Likeness, &QAction::triggered, this, &AlbumWindow::S_Likeness_Click);
}

void AlbumWindow::setSide(int side)
{
    (side == ThumbnailCache::LargeSide ? V_Large : V_Small)->setChecked(true);
    Preferences::change([side](UserSettings& settings) { settings.albumThumbnailSize = side; });
    m_delegate->setSide(side);
    QStyleOptionViewItem option;
    option.initFrom(lstAlbum);
    lstAlbum->setGridSize(m_delegate->sizeHint(option, {}));
    m_album.setSide(side);
    m_prioritise.start();
}

void AlbumWindow::setOrder(AlbumProxy::Order order)
{
    m_rows.setOrder(order);
    m_order = order == AlbumProxy::Order::Name ? S_Name
        : order == AlbumProxy::Order::Modified ? S_DateModified
                                               : S_Likeness;
    m_order->setChecked(true);
    lstAlbum->scrollTo(lstAlbum->currentIndex());
}

void AlbumWindow::prioritise()
{
    const int count = m_rows.rowCount();
    const auto [first, last] = lstAlbum->visibleRows();
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(count));
    const auto add = [&](int row) { rows.push_back(m_rows.mapToSource(m_rows.index(row, 0)).row()); };
    for (int row = first; row <= last; ++row)
        add(row);
    // Then outwards, a row below and a row above in turn.
    for (int step = 1; first - step >= 0 || last + step < count; ++step) {
        if (last + step < count)
            add(last + step);
        if (first - step >= 0)
            add(first - step);
    }
    const int inSight = last - first + 1;
    m_album.prioritise(rows, inSight * (1 + 2 * PagesDecodedAround));
}

void AlbumWindow::showCount()
{
    const int all = m_album.rowCount();
    const int shown = m_rows.rowCount();
    lblCount->setText(
        shown == all ? QStringLiteral("%1 files").arg(all) : QStringLiteral("%1 of %2 files").arg(shown).arg(all));
}

std::vector<int> AlbumWindow::selectedRows() const
{
    QModelIndexList selected = lstAlbum->selectionModel()->selectedIndexes();
    std::sort(
        selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<int> rows;
    for (const QModelIndex& index : selected)
        rows.push_back(m_rows.mapToSource(index).row());
    return rows;
}

QStringList AlbumWindow::selectedFiles() const
{
    QStringList files;
    for (const int row : selectedRows())
        files.append(m_album.file(row).path);
    return files;
}

std::unique_ptr<QMimeData> AlbumWindow::selectionData() const
{
    std::optional<GeneticCode> first;
    for (const int row : selectedRows()) {
        if (m_album.file(row).code) {
            first = m_album.file(row).code;
            break;
        }
    }
    return PictureDrag::mimeDataOfFiles(selectedFiles(), first, Drawing::Flags {});
}

void AlbumWindow::tell(const QString& objectName, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void AlbumWindow::F_Open_Click()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && m_commands.openFiles)
        m_commands.openFiles(files);
}

void AlbumWindow::F_BreedFromSelected_Click()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && m_commands.breedFromFiles)
        m_commands.breedFromFiles(files);
}

void AlbumWindow::F_AnimateSelected_Click()
{
    std::vector<AnimationWindow::Picture> pictures;
    for (const int row : selectedRows()) {
        const AlbumFile& file = m_album.file(row);
        if (file.code)
            pictures.push_back({ -1, *file.code, QFileInfo(file.path).fileName() });
    }
    if (pictures.size() < 2) {
        AnimationWindow::Refuse(this, QStringLiteral("Select two or more files that can be read."));
        return;
    }
    // As their thumbnails show them: drawn as a new picture window draws.
    AnimationWindow::Open(std::move(pictures), Drawing::Flags {}, m_commands);
}

void AlbumWindow::F_ExportWebPage_Click()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty()) {
        tell(QStringLiteral("WebPageRefusedBox"), QStringLiteral("Select the files to put on the web page."));
        return;
    }
    m_webPage->ask([this, files](const QString& folder) {
        m_webPage->start(folder, static_cast<int>(files.size()),
            [files, options = WebPage::defaultOptions()](const QString& into, const WebPage::Progress& progress) {
                // The files are read here, on the worker, as the album reads them for its thumbnails.
                QStringList errors;
                std::vector<WebPage::GalleryEntry> entries;
                for (const QString& file : files) {
                    try {
                        entries.push_back(WebPage::readEntry(file));
                    } catch (const RuntimeError& error) {
                        errors.append(error.message());
                    }
                }
                if (entries.empty())
                    throw RuntimeError(RuntimeError::PathFileAccess, errors.join(u'\n'),
                        QStringLiteral("(no web page: none of the files can be read)"));
                // As their thumbnails show them: drawn as a new picture window draws.
                const WebPage::Outcome outcome
                    = WebPage::writeGallery(into, entries, options, Drawing::Flags {}, 0, progress);
                for (const WebPage::LeftOut& leftOut : outcome.leftOut)
                    errors.append(QStringLiteral("\"%1\" is left out of the web page: %2")
                                      .arg(entries[leftOut.index].fileName, leftOut.error));
                return errors;
            });
    });
}

void AlbumWindow::F_ContactSheet_Click()
{
    FileDialogs::saveFile(this,
        { .name = QStringLiteral("contact sheet"),
            .caption = QStringLiteral("Contact Sheet"),
            .filters = QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"),
            .fallback = m_album.folder(),
            .defaultSuffix = QStringLiteral("png"),
            .objectName = QStringLiteral("ContactSheetDialog") },
        [this](const QString& fileName) { writeContactSheet(fileName); });
}

void AlbumWindow::writeContactSheet(const QString& fileName)
{
    QList<SheetEntry> entries;
    for (const int row : selectedRows()) {
        const AlbumFile& file = m_album.file(row);
        if (file.code)
            entries.append({ QFileInfo(file.path).fileName(), *file.code, {} });
    }
    if (entries.isEmpty()) {
        tell(QStringLiteral("ContactSheetRefusedBox"), QStringLiteral("Select the files to put on the contact sheet."));
        return;
    }
    const ExportSettings& exported = Preferences::current().exportSettings;
    const PictureSettings settings { exported.options(exported.transparent), Drawing::Flags {} };
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, fileName] {
        watcher->deleteLater();
        // What the worker threw comes again here.
        Guard::run(this, [&] {
            const QString reason = watcher->result();
            if (reason.isEmpty())
                statusBar()->showMessage(QStringLiteral("Contact sheet written as \"%1\"").arg(fileName));
            else
                Guard::ShowError(this, reason);
        });
    });
    watcher->setFuture(QtConcurrent::run(contactSheet, fileName, entries, settings));
}

void AlbumWindow::E_Copy_Click()
{
    if (!selectedRows().empty())
        QGuiApplication::clipboard()->setMimeData(selectionData().release());
}

void AlbumWindow::E_Rename_Click()
{
    const QModelIndex current = lstAlbum->currentIndex();
    if (current.isValid())
        lstAlbum->edit(current);
}

void AlbumWindow::E_MoveToTrash_Click()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    const QString question = files.size() == 1
        ? QStringLiteral("Move %1 to the trash?").arg(namesOf(files))
        : QStringLiteral("Move these %1 files to the trash?\n\n%2").arg(files.size()).arg(namesOf(files));
    auto* box = new QMessageBox(
        QMessageBox::Question, QStringLiteral("Move to Trash"), question, QMessageBox::Yes | QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("MoveToTrashBox"));
    box->setDefaultButton(QMessageBox::Yes);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, files](int answer) {
        Guard::run(this, [&] {
            if (answer != QMessageBox::Yes)
                return;
            const QStringList reasons = m_album.moveToTrash(files);
            if (!reasons.isEmpty())
                throw RuntimeError(RuntimeError::PathFileAccess,
                    QStringLiteral("Not moved to the trash:\n%1").arg(reasons.join(QLatin1Char('\n'))));
        });
    });
    box->open();
}

void AlbumWindow::S_Likeness_Click()
{
    // The focused file when it is selected or nothing is, else the first selected.
    const QModelIndex current = lstAlbum->currentIndex();
    const std::vector<int> selected = selectedRows();
    int row = current.isValid() ? m_rows.mapToSource(current).row() : -1;
    if (!selected.empty() && !lstAlbum->selectionModel()->isSelected(current))
        row = selected.front();
    const AlbumFile* from = row >= 0 ? &m_album.file(row) : nullptr;
    if (!from || !from->code) {
        m_order->setChecked(true);
        tell(QStringLiteral("LikenessRefusedBox"),
            QStringLiteral("Select a file that can be read to sort the album by likeness to it."));
        return;
    }
    m_album.measureLikeness(*from->code);
    setOrder(AlbumProxy::Order::Likeness);
}

void AlbumWindow::copyIn(const QStringList& fileNames)
{
    QStringList codes;
    QStringList refused;
    for (const QString& fileName : fileNames)
        (fileName.endsWith(QStringLiteral(".gen"), Qt::CaseInsensitive) ? codes : refused).append(fileName);
    auto* watcher = new QFutureWatcher<QStringList>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, refused] {
        watcher->deleteLater();
        Guard::run(this, [&] {
            QStringList reasons = watcher->result();
            for (const QString& fileName : refused)
                reasons.append(QStringLiteral("\"%1\" is no genetic code file (*.gen)").arg(fileName));
            if (!reasons.isEmpty())
                Guard::ShowError(
                    this, QStringLiteral("Not copied into the album:\n%1").arg(reasons.join(QLatin1Char('\n'))));
        });
    });
    watcher->setFuture(QtConcurrent::run(CopyIn::copy, codes, m_album.folder()));
}

void AlbumWindow::dragEnterEvent(QDragEnterEvent* event)
{
    // The album's own files dragged over it are not copied again.
    if (event->source() != lstAlbum)
        DroppedFiles::acceptIfFiles(event);
}

void AlbumWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() != lstAlbum)
        DroppedFiles::acceptIfFiles(event);
}

void AlbumWindow::dropEvent(QDropEvent* event)
{
    if (event->source() == lstAlbum)
        return;
    const QStringList fileNames = DroppedFiles::take(event);
    if (!fileNames.isEmpty())
        Guard::run(this, [&] { copyIn(fileNames); });
}
