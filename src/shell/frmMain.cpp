#include "shell/frmMain.h"

#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "core/platform/Conversions.h"
#include "core/platform/Twips.h"
#include "program/Preferences.h"
#include "program/modGenes.h"
#include "program/modMain.h"
#include "program/modObject.h"
#include "shell/modErrors.h"
#include "ui/album/AlbumWindow.h"
#include "ui/animation/AnimationWindow.h"
#include "ui/breed/BreedWindow.h"
#include "ui/dialogs/AboutAuthor.h"
#include "ui/dialogs/AboutCorvane.h"
#include "ui/dialogs/AboutVantrell.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/ErrorMR.h"
#include "ui/dialogs/Info.h"
#include "ui/dialogs/License.h"
#include "ui/familytree/FamilyTreeWindow.h"
#include "ui/picture/frmObject.h"
#include "ui/recovery/RecoverRunDialog.h"
#include "ui/windows/DroppedFiles.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"
#include "ui/windows/WindowPlacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace {

constexpr int clientWidth = 2820;
constexpr int clientHeight = 1140;

QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* addMenu(QWidget* parent, const char* name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return menu;
}

} // namespace

void frmMain::QuitApplication()
{
    QCoreApplication::exit(0);
}

frmMain::frmMain(Ending endProgram)
    : m_endProgram(std::move(endProgram))
{
    setWindowTitle(QStringLiteral("Main"));
    createControls();
    createMenus();
    // The client area below the menu bar is the window's size in the layout.
    const int width = Twips::toPixels(clientWidth);
    resize(width, Twips::toPixels(clientHeight) + menuBar()->heightForWidth(width));
    Form_Load();
}

frmMain::~frmMain()
{
    // The family tree and the Breed window, windows of their own, read the run's history and generations, which go
    // with this window.
    delete m_familyTree;
    delete m_breed;
    modMain::SetMainWindow({});
    Form_Terminate();
}

void frmMain::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    txtMutationRate = new QLineEdit(client);
    txtMutationRate->setObjectName(QStringLiteral("txtMutationRate"));
    txtMutationRate->setGeometry(Twips::toPixels(1200, 120, 1455, 375));

    lblMutationRate = new QLabel(QStringLiteral("Mutation Rate"), client);
    lblMutationRate->setObjectName(QStringLiteral("lblMutationRate"));
    lblMutationRate->setTextFormat(Qt::PlainText);
    lblMutationRate->setWordWrap(true);
    lblMutationRate->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMutationRate->setGeometry(Twips::toPixels(120, 120, 1095, 255));

    btnOpen = new QPushButton(QStringLiteral("Open"), client);
    btnOpen->setObjectName(QStringLiteral("btnOpen"));
    btnOpen->setGeometry(Twips::toPixels(120, 600, 975, 375));

    txtName = new QLineEdit(client);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(Twips::toPixels(1200, 600, 1455, 375));

    // The rate box is named after its label; the name box has no caption of its own: it holds the name of the
    // picture's file.
    txtMutationRate->setAccessibleName(lblMutationRate->text());
    txtName->setAccessibleName(QStringLiteral("Name"));
    // Files dropped anywhere on the window open as pictures, as by Open File, the boxes included, rather than put text
    // in a box.
    DroppedFiles::openOn(this, [this](const QStringList& fileNames) { OpenFiles(fileNames); });
    txtMutationRate->setAcceptDrops(false);
    txtName->setAcceptDrops(false);

    setTabOrder(txtMutationRate, lblMutationRate);
    setTabOrder(lblMutationRate, btnOpen);
    setTabOrder(btnOpen, txtName);
    txtMutationRate->setFocus();

    Guard::connect(btnOpen, &QPushButton::clicked, this, &frmMain::btnOpen_Click);
}

void frmMain::createMenus()
{
    M_File = addMenu(menuBar(), "M_File", QStringLiteral("&File"));
    F_Exit = addMenuItem(M_File, "F_Exit", QStringLiteral("&Exit"));

    M_Genes = addMenu(menuBar(), "M_Genes", QStringLiteral("&Genes"));
    G_Done = addMenuItem(M_Genes, "G_Done", QStringLiteral("D&one"));
    G_Done->setCheckable(true);
    G_Done->setChecked(true);
    G_Draw = addMenuItem(M_Genes, "G_Draw", QStringLiteral("D&raw"));
    G_Draw->setCheckable(true);
    G_Draw->setChecked(false);

    M_Info = addMenu(menuBar(), "M_Info", QStringLiteral("&Info"));
    I_About = addMenu(M_Info, "I_About", QStringLiteral("&About"));
    I_A_AboutVantrell = addMenuItem(I_About, "I_A_AboutVantrell", QStringLiteral("About &Vantrell"));
    I_A_AboutCorvane = addMenuItem(I_About, "I_A_AboutCorvane", QStringLiteral("About &Corvane"));
    I_A_AboutAuthor = addMenuItem(I_About, "I_A_AboutAuthor", QStringLiteral("About &Author"));
    M_Info->addMenu(I_About);
    I_License = addMenuItem(M_Info, "I_License", QStringLiteral("&License"));
    I_Info = addMenuItem(M_Info, "I_Info", QStringLiteral("&Info"));

    M_Pictures = addMenu(menuBar(), "M_Pictures", QStringLiteral("&Pictures"));
    P_OpenFile = addMenuItem(M_Pictures, "P_OpenFile", QStringLiteral("&Open File..."));
    P_OpenFile->setShortcut(QKeySequence::Open);
    P_Album = addMenuItem(M_Pictures, "P_Album", QStringLiteral("Albu&m..."));
    P_Album->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    P_OpenLitter = addMenuItem(M_Pictures, "P_OpenLitter", QStringLiteral("Open &Litter..."));
    P_OpenLitter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    P_CloseUnticked = addMenuItem(M_Pictures, "P_CloseUnticked", QStringLiteral("Close &Unticked Pictures"));
    P_CloseUnticked->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    P_ReopenClosed = addMenuItem(M_Pictures, "P_ReopenClosed", QStringLiteral("Reopen &Closed Picture"));
    P_ReopenClosed->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    P_ReopenClosed->setEnabled(false);
    P_AnimateTicked = addMenuItem(M_Pictures, "P_AnimateTicked", QStringLiteral("&Animate Ticked Pictures"));
    P_AnimateTicked->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    P_Breed = addMenuItem(M_Pictures, "P_Breed", QStringLiteral("&Breed..."));
    P_Breed->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    M_Pictures->addSeparator();
    P_FamilyTree = addMenuItem(M_Pictures, "P_FamilyTree", QStringLiteral("&Family Tree"));
    P_FamilyTree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    P_RecoverRun = addMenuItem(M_Pictures, "P_RecoverRun", QStringLiteral("&Recover Run..."));

    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    menuBar()->addMenu(M_File);
    menuBar()->addMenu(M_Genes);
    menuBar()->addMenu(M_Pictures);
    menuBar()->addMenu(M_Info);

    Guard::connect(F_Exit, &QAction::triggered, this, &frmMain::F_Exit_Click);
    Guard::connect(G_Done, &QAction::triggered, this, &frmMain::G_Done_Click);
    Guard::connect(G_Draw, &QAction::triggered, this, &frmMain::G_Draw_Click);
    Guard::connect(I_A_AboutVantrell, &QAction::triggered, this, &frmMain::I_A_AboutVantrell_Click);
    Guard::connect(I_A_AboutCorvane, &QAction::triggered, this, &frmMain::I_A_AboutCorvane_Click);
    Guard::connect(I_A_AboutAuthor, &QAction::triggered, this, &frmMain::I_A_AboutAuthor_Click);
    Guard::connect(I_License, &QAction::triggered, this, &frmMain::I_License_Click);
    Guard::connect(I_Info, &QAction::triggered, this, &frmMain::I_Info_Click);
    Guard::connect(P_OpenFile, &QAction::triggered, this, &frmMain::P_OpenFile_Click);
    Guard::connect(P_Album, &QAction::triggered, this, &frmMain::P_Album_Click);
    Guard::connect(P_OpenLitter, &QAction::triggered, this, &frmMain::P_OpenLitter_Click);
    Guard::connect(P_CloseUnticked, &QAction::triggered, this, &frmMain::P_CloseUnticked_Click);
    Guard::connect(P_ReopenClosed, &QAction::triggered, this, &frmMain::P_ReopenClosed_Click);
    const RunHistory& history = m_run.history();
    const auto updateReopen = [this] { P_ReopenClosed->setEnabled(m_run.history().lastClosed() >= 0); };
    connect(&history, &RunHistory::pictureClosed, this, updateReopen);
    connect(&history, &RunHistory::pictureShownAgain, this, updateReopen);
    Guard::connect(P_AnimateTicked, &QAction::triggered, this, &frmMain::P_AnimateTicked_Click);
    Guard::connect(P_Breed, &QAction::triggered, this, &frmMain::P_Breed_Click);
    Guard::connect(P_FamilyTree, &QAction::triggered, this, &frmMain::P_FamilyTree_Click);
    Guard::connect(P_RecoverRun, &QAction::triggered, this, &frmMain::P_RecoverRun_Click);
}

void frmMain::Form_Load()
{
    modMain::SetMainWindow({ [this] { return txtMutationRate->text(); }, [this] { return txtName->text(); } });
    modObject::InitObject();
    modGenes::InitGenes();
    modMain::InitMain();
    modErrors::LoadErrors();
    Dialogs::Load<AboutAuthor>().hide();
    Dialogs::Load<AboutCorvane>().hide();
    Dialogs::Load<AboutVantrell>().hide();
    Dialogs::Load<License>().hide();
    Dialogs::Load<Info>().hide();
    txtMutationRate->setText(Conv::leadingBlank(modGenes::MutationRate));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Guard::run(this, [this] { Form_Unload(); });
}

void frmMain::Form_Unload()
{
    m_run.end(RunEnding::CloseBox);
    m_endProgram();
}

void frmMain::Form_Terminate()
{
    m_run.end(RunEnding::CutOff);
    m_endProgram();
}

void frmMain::F_Exit_Click()
{
    m_run.end(RunEnding::Exit);
    m_endProgram();
}

// The menu has already flipped the check mark when the click arrives; the flag takes the new mark.
void frmMain::G_Done_Click()
{
    modMain::UseDone = G_Done->isChecked();
}

void frmMain::G_Draw_Click()
{
    modMain::UseDraw = G_Draw->isChecked();
}

void frmMain::I_A_AboutVantrell_Click()
{
    Dialogs::Show<AboutVantrell>();
}

void frmMain::I_A_AboutCorvane_Click()
{
    Dialogs::Show<AboutCorvane>();
}

void frmMain::I_A_AboutAuthor_Click()
{
    Dialogs::Show<AboutAuthor>();
}

void frmMain::I_License_Click()
{
    Dialogs::Show<License>();
}

void frmMain::I_Info_Click()
{
    Dialogs::Show<Info>();
}

void frmMain::btnOpen_Click()
{
    if (!modMain::IsMutationRateValid()) {
        Dialogs::Show<ErrorMR>();
        return;
    }
    m_run.openPicture();
}

void frmMain::P_OpenFile_Click()
{
    FileDialogs::openFiles(this,
        { .name = QStringLiteral("open genetic code"),
            .caption = QStringLiteral("Open Genetic Code"),
            .filters = QString::fromLatin1(FileDialogs::GeneticCodeFilters),
            .objectName = QStringLiteral("OpenFileDialog") },
        [this](const QStringList& fileNames) { OpenFiles(fileNames); });
}

void frmMain::OpenFiles(const QStringList& fileNames)
{
    if (fileNames.isEmpty())
        return;
    if (!modMain::IsMutationRateValid()) {
        Dialogs::Show<ErrorMR>();
        return;
    }
    const std::vector<QPoint> corners = newWindowCorners(static_cast<int>(fileNames.size()));
    for (qsizetype i = 0; i < fileNames.size(); ++i)
        Guard::run(this, [&] { m_run.openFile(fileNames[i], corners[static_cast<std::size_t>(i)]); });
}

void frmMain::P_Album_Click()
{
    FileDialogs::chooseFolder(this,
        { .name = QStringLiteral("open album"),
            .caption = QStringLiteral("Open Album"),
            .objectName = QStringLiteral("OpenAlbumDialog") },
        FileDialogs::Next::InChosen, [this](const QString& folder) { OpenAlbum(folder); });
}

void frmMain::OpenAlbum(const QString& folder)
{
    Guard::run(this, [&] {
        AlbumWindow::Open(folder, commands());
        Remembered::keepChosenFolder(QStringLiteral("open album"), folder);
    });
}

QSize frmMain::pictureFrameSize() const
{
    // Picture windows get the frame this window has.
    const QSize decoration = frameGeometry().size() - geometry().size();
    return frmObject::ClientSize() + decoration;
}

void frmMain::P_OpenLitter_Click()
{
    auto* dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("OpenLitterDialog"));
    dialog->setWindowTitle(QStringLiteral("Open Litter"));
    dialog->setLabelText(QStringLiteral("How many pictures?"));
    dialog->setInputMode(QInputDialog::IntInput);
    dialog->setIntRange(UserSettings::MinLitterSize, UserSettings::MaxLitterSize);
    dialog->setIntValue(Preferences::current().litterSize);
    connect(dialog, &QInputDialog::intValueSelected, this, [this](int count) {
        Guard::run(this, [&] {
            Preferences::change([count](UserSettings& settings) { settings.litterSize = count; });
            OpenLitter(count);
        });
    });
    dialog->open();
}

void frmMain::OpenLitter(int count)
{
    if (!modMain::IsMutationRateValid()) {
        Dialogs::Show<ErrorMR>();
        return;
    }
    for (const QPoint& corner : newWindowCorners(count))
        m_run.openPicture(corner);
}

std::vector<QPoint> frmMain::newWindowCorners(int count) const
{
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), QSize(1024, 768));
    return WindowPlacement::place(
        screenArea, frameGeometry(), pictureFrameSize(), count, WindowPlacement::openWindowFrames());
}

RunCommands frmMain::commands()
{
    // The windows given these may outlive the main window while the program ends.
    const QPointer<frmMain> self(this);
    return {
        .openPicture =
            [self](const QString& name, const GeneticCode& code, const BirthRecord& birth) {
                if (self)
                    self->m_run.openCode(name, code, birth, self->newWindowCorners(1).front());
            },
        .openFiles =
            [self](const QStringList& fileNames) {
                if (self)
                    self->OpenFiles(fileNames);
            },
        .reopen =
            [self](qint16 id) {
                if (self)
                    self->m_run.openCopy(id);
            },
        .breedFrom =
            [self](qint16 id) {
                if (self)
                    self->BreedFrom(id);
            },
        .breedFromFiles =
            [self](const QStringList& fileNames) {
                if (self)
                    self->BreedFromFiles(fileNames);
            },
    };
}

BreedWindow* frmMain::Breed() const
{
    return m_breed;
}

BreedWindow& frmMain::ShowBreedWindow()
{
    if (!m_breed) {
        BreedWindow::Commands commands;
        commands.enterClosed
            = [this](std::vector<PictureRecord> pictures) { return m_run.enterClosed(std::move(pictures)); };
        commands.openPicture = [this](const QString& name, const GeneticCode& code, const BirthRecord& birth) {
            return m_run.openCode(name, code, birth, newWindowCorners(1).front())->ID;
        };
        commands.saved = [this](qint16 id, const QString& fileName) { m_run.history().saved(id, fileName); };
        m_breed = new BreedWindow(m_run.generations(), std::move(commands));
        m_breed->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_breed->setWindowState(m_breed->windowState() & ~Qt::WindowMinimized);
    m_breed->show();
    m_breed->raise();
    m_breed->activateWindow();
    return *m_breed;
}

void frmMain::P_Breed_Click()
{
    if (m_breed) {
        ShowBreedWindow();
        return;
    }
    std::vector<Offspring::Parent> parents;
    for (const qint16 id : m_run.tickedPictures())
        parents.push_back(m_run.breedingParent(id));
    ShowBreedWindow().breedFrom(std::move(parents));
}

void frmMain::BreedFrom(qint16 id)
{
    Offspring::Parent parent = m_run.breedingParent(id);
    ShowBreedWindow().breedFrom({ std::move(parent) });
}

void frmMain::BreedFromFiles(const QStringList& fileNames)
{
    std::vector<Offspring::Parent> parents;
    for (const QString& fileName : fileNames)
        Guard::run(this, [&] { parents.push_back(m_run.breedingParent(fileName)); });
    Guard::run(this, [&] { ShowBreedWindow().breedFrom(std::move(parents)); });
}

void frmMain::P_CloseUnticked_Click()
{
    m_run.closeUnticked();
}

void frmMain::P_ReopenClosed_Click()
{
    m_run.reopenClosed();
}

void frmMain::P_AnimateTicked_Click()
{
    const std::vector<qint16> ticked = m_run.tickedPictures();
    if (ticked.size() < 2)
        AnimationWindow::Refuse(this, QStringLiteral("Tick the Parent box of the pictures to animate."));
    else
        AnimationWindow::OpenOfRun(m_run.history(), ticked, commands());
}

FamilyTreeWindow* frmMain::FamilyTree() const
{
    return m_familyTree;
}

void frmMain::P_FamilyTree_Click()
{
    if (!m_familyTree) {
        m_familyTree = new FamilyTreeWindow(m_run.history(), commands());
        m_familyTree->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_familyTree->setWindowState(m_familyTree->windowState() & ~Qt::WindowMinimized);
    m_familyTree->show();
    m_familyTree->raise();
    m_familyTree->activateWindow();
}

void frmMain::AttachJournal(Journal& journal)
{
    m_journal = &journal;
    m_run.keepIn(journal);
    connect(&journal, &Journal::failed, this, [this](const QString& folder, const QString& reason) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vantrell"),
            QStringLiteral("This run's journal cannot be kept in \"%1\": %2.\n\nVantrell goes on without it: a "
                           "picture not saved will be lost when the program ends.")
                .arg(folder, reason),
            QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("JournalFailedBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    });
}

RecoverRunDialog* frmMain::RecoverRunWindow() const
{
    return m_recoverRun;
}

void frmMain::P_RecoverRun_Click()
{
    if (!m_recoverRun) {
        const QString folder = m_journal ? m_journal->folder() : JournalFolder::standardFolder();
        m_recoverRun = new RecoverRunDialog(
            folder, [this] { return m_journal ? m_journal->path() : QString(); },
            [this](const RunJournal& run, bool all) {
                m_run.recover(run, all);
                if (run.generations.empty())
                    return;
                // The window comes back if it was open at that run's end; the generations come back either way.
                if (run.breedOpen || m_breed)
                    ShowBreedWindow();
                else
                    m_run.generations().hide();
            },
            this);
        m_recoverRun->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_recoverRun->show();
    m_recoverRun->raise();
    m_recoverRun->activateWindow();
}
