#include "ui/breed/BreedWindow.h"

#include "core/breeding/Generations.h"
#include "core/genefile/GeneFileWriter.h"
#include "program/Preferences.h"
#include "program/modMain.h"
#include "ui/breed/BreedGrid.h"
#include "ui/breed/GeneButton.h"
#include "ui/export/PictureClipboard.h"
#include "ui/export/PictureDrag.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString SaveFolder = QStringLiteral("save genetic code");
constexpr int GeneColumns = 3;

QAction* addBreedAction(QWidget* window, const QString& text, const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(text, window);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

// A button that does what action does, and is enabled when it is.
QPushButton* buttonFor(QAction* action, QWidget* parent)
{
    auto* button = new QPushButton(action->text(), parent);
    button->setToolTip(action->shortcut().toString(QKeySequence::NativeText));
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    return button;
}

QColor geneColour(const clsGene& gene)
{
    return { std::clamp<int>(gene.ColorRed, 0, 255), std::clamp<int>(gene.ColorGreen, 0, 255),
        std::clamp<int>(gene.ColorBlue, 0, 255) };
}

} // namespace

BreedWindow::BreedWindow(Generations& generations, Commands commands, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_generations(generations)
    , m_commands(std::move(commands))
{
    setObjectName(QStringLiteral("BreedWindow"));
    setWindowTitle(QStringLiteral("Breed"));
    createMenus();
    createControls();
    resize(900, 660);
    Remembered::keepSize(this, QStringLiteral("breed"));
    connect(&m_generations, &Generations::added, this, [this] { showShown(); });
    connect(&m_generations, &Generations::shownAgain, this, [this] { showShown(); });
    showShown();
}

void BreedWindow::createMenus()
{
    G_Back = addBreedAction(
        this, QStringLiteral("&Back"), { QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace) });
    G_Forward = addBreedAction(this, QStringLiteral("&Forward"), { QKeySequence(Qt::ALT | Qt::Key_Right) });
    G_NewOffspring = addBreedAction(this, QStringLiteral("&New Offspring"), { QKeySequence(Qt::Key_F5) });
    C_OpenAsPicture = addBreedAction(this, QStringLiteral("Open as &Picture"),
        { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });
    C_SaveAs = addBreedAction(this, QStringLiteral("Save &As..."), { QKeySequence(Qt::CTRL | Qt::Key_S) });
    C_Copy = addBreedAction(this, QStringLiteral("&Copy"), { QKeySequence(Qt::CTRL | Qt::Key_C) });

    menuBar = new QMenuBar(this);
    menuBar->setAccessibleName(QStringLiteral("Menu bar"));
    M_Generation = menuBar->addMenu(QStringLiteral("&Generation"));
    M_Generation->setAccessibleName(QStringLiteral("Generation"));
    M_Generation->addActions({ G_Back, G_Forward, G_NewOffspring });
    M_View = menuBar->addMenu(QStringLiteral("&View"));
    M_View->setAccessibleName(QStringLiteral("View"));
    V_Grid = M_View->addMenu(QStringLiteral("&Grid"));
    V_Grid->setAccessibleName(QStringLiteral("Grid"));
    auto* sides = new QActionGroup(this);
    for (int side = MinGridSide; side <= MaxGridSide; ++side) {
        QAction* action = V_Grid->addAction(QStringLiteral("&%1 x %1").arg(side));
        action->setCheckable(true);
        action->setChecked(side == Preferences::current().breedGrid);
        sides->addAction(action);
        V_GridSides[static_cast<std::size_t>(side - MinGridSide)] = action;
        connect(action, &QAction::triggered, this, [this, side] { Guard::run(this, [&] { V_Grid_Click(side); }); });
    }
    M_Cell = new QMenu(this);
    M_Cell->setAccessibleName(QStringLiteral("Cell"));
    M_Cell->addActions({ C_OpenAsPicture, C_SaveAs, C_Copy });

    Guard::connect(G_Back, &QAction::triggered, this, &BreedWindow::G_Back_Click);
    Guard::connect(G_Forward, &QAction::triggered, this, &BreedWindow::G_Forward_Click);
    Guard::connect(G_NewOffspring, &QAction::triggered, this, &BreedWindow::G_NewOffspring_Click);
    Guard::connect(C_OpenAsPicture, &QAction::triggered, this, &BreedWindow::C_OpenAsPicture_Click);
    Guard::connect(C_SaveAs, &QAction::triggered, this, &BreedWindow::C_SaveAs_Click);
    Guard::connect(C_Copy, &QAction::triggered, this, &BreedWindow::C_Copy_Click);
}

void BreedWindow::createControls()
{
    picGrid = new BreedGrid(m_generations, this);
    picGrid->setObjectName(QStringLiteral("picGrid"));
    picGrid->setAccessibleName(QStringLiteral("Offspring"));
    lblGeneration = new QLabel(this);
    lblGeneration->setObjectName(QStringLiteral("lblGeneration"));
    lblGeneration->setAccessibleName(QStringLiteral("Generation"));
    btnBack = buttonFor(G_Back, this);
    btnForward = buttonFor(G_Forward, this);
    btnNewOffspring = buttonFor(G_NewOffspring, this);

    spnRate = new QDoubleSpinBox(this);
    spnRate->setObjectName(QStringLiteral("spnRate"));
    spnRate->setAccessibleName(QStringLiteral("Mutation rate"));
    spnRate->setRange(0.0, 1.0);
    spnRate->setDecimals(2);
    spnRate->setSingleStep(0.01);
    spnRate->setValue(Preferences::current().breedRate);
    spnRate->installEventFilter(this);
    auto* lblRate = new QLabel(QStringLiteral("Mutation &rate:"), this);
    lblRate->setBuddy(spnRate);

    cmbMutate = new QComboBox(this);
    cmbMutate->setObjectName(QStringLiteral("cmbMutate"));
    cmbMutate->setAccessibleName(QStringLiteral("Mutate"));
    cmbMutate->addItems({ QStringLiteral("Everything"), QStringLiteral("Shape only"), QStringLiteral("Colour only") });
    cmbMutate->setItemData(1, QStringLiteral("Length, Width, Angle, Done and Draw"), Qt::ToolTipRole);
    cmbMutate->setItemData(2, QStringLiteral("Red, Green and Blue"), Qt::ToolTipRole);
    auto* lblMutate = new QLabel(QStringLiteral("&Mutate:"), this);
    lblMutate->setBuddy(cmbMutate);

    auto* lblGenes = new QLabel(QStringLiteral("Genes (a click freezes one):"), this);
    lblGenes->setWordWrap(true);
    lblGenes->setAccessibleName(QStringLiteral("Genes"));
    auto* genes = new QGridLayout;
    for (int gene = 0; gene < GeneCount; ++gene) {
        auto* button = new GeneButton(gene, this);
        button->setObjectName(QStringLiteral("btnGene%1").arg(gene));
        btnGenes[static_cast<std::size_t>(gene)] = button;
        genes->addWidget(button, gene / GeneColumns, gene % GeneColumns);
    }
    cbxSkipEmpty = new QCheckBox(QStringLiteral("S&kip empty offspring"), this);
    cbxSkipEmpty->setObjectName(QStringLiteral("cbxSkipEmpty"));
    cbxSkipEmpty->setChecked(true);

    auto* moves = new QHBoxLayout;
    moves->addWidget(btnBack);
    moves->addWidget(btnForward);
    auto* bar = new QVBoxLayout;
    bar->addWidget(lblGeneration);
    bar->addLayout(moves);
    bar->addWidget(btnNewOffspring);
    bar->addSpacing(12);
    bar->addWidget(lblRate);
    bar->addWidget(spnRate);
    bar->addWidget(lblMutate);
    bar->addWidget(cmbMutate);
    bar->addSpacing(12);
    bar->addWidget(lblGenes);
    bar->addLayout(genes);
    bar->addWidget(cbxSkipEmpty);
    bar->addStretch(1);
    auto* whole = new QHBoxLayout(this);
    whole->setMenuBar(menuBar);
    whole->addWidget(picGrid, 1);
    whole->addLayout(bar);

    setTabOrder(picGrid, btnBack);
    setTabOrder(btnBack, btnForward);
    setTabOrder(btnForward, btnNewOffspring);
    setTabOrder(btnNewOffspring, spnRate);
    setTabOrder(spnRate, cmbMutate);
    QWidget* previous = cmbMutate;
    for (GeneButton* button : btnGenes) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, cbxSkipEmpty);

    connect(spnRate, &QDoubleSpinBox::valueChanged, this,
        [](double rate) { Preferences::change([rate](UserSettings& settings) { settings.breedRate = rate; }); });
    connect(picGrid, &BreedGrid::chosen, this, [this] { Guard::run(this, [this] { Choose(); }); });
    connect(picGrid, &BreedGrid::cellMenuRequested, M_Cell, [this](QPoint at) { M_Cell->popup(at); });
    connect(picGrid, &BreedGrid::dragStarted, this, [this](int cell) { Guard::run(this, [&] { startDrag(cell); }); });
}

BreedOptions BreedWindow::options() const
{
    BreedOptions options;
    options.rate = spnRate->value();
    options.mutate = static_cast<MutateChoice>(cmbMutate->currentIndex());
    for (std::size_t gene = 0; gene < btnGenes.size(); ++gene)
        options.frozen[gene] = btnGenes[gene]->isChecked();
    options.skipEmpty = cbxSkipEmpty->isChecked();
    return options;
}

void BreedWindow::showShown()
{
    const bool any = !m_generations.empty();
    lblGeneration->setText(any
            ? QStringLiteral("Generation %1 of %2").arg(m_generations.shownIndex() + 1).arg(m_generations.count())
            : QString());
    G_Back->setEnabled(m_generations.canGoBack());
    G_Forward->setEnabled(m_generations.canGoForward());
    G_NewOffspring->setEnabled(any);
    for (QAction* action : { C_OpenAsPicture, C_SaveAs, C_Copy })
        action->setEnabled(any);
    const bool coloured = any && m_generations.shown().parentCount() > 0;
    for (std::size_t gene = 0; gene < btnGenes.size(); ++gene)
        btnGenes[gene]->setColour(
            coloured ? std::optional<QColor>(geneColour(m_generations.shown().cells.front()[gene])) : std::nullopt);
    picGrid->showGeneration();
    picGrid->setFocus();
}

void BreedWindow::breedFrom(std::vector<Offspring::Parent> parents)
{
    m_generations.add(Offspring::breed(
        std::move(parents), options(), Preferences::current().breedGrid, modMain::DrawFlags(), m_random));
}

void BreedWindow::enter(const std::vector<int>& cells)
{
    Generation& shown = m_generations.shown();
    std::vector<int> newcomers;
    std::vector<PictureRecord> pictures;
    for (const int cell : cells) {
        const auto at = static_cast<std::size_t>(cell);
        if (shown.ids[at] >= 0)
            continue;
        newcomers.push_back(cell);
        pictures.push_back({ -1, QString(), shown.birthOf(cell, modMain::DrawFlags()), shown.cells[at], false });
    }
    if (newcomers.empty() || !m_commands.enterClosed)
        return;
    const std::vector<qint16> ids = m_commands.enterClosed(std::move(pictures));
    for (std::size_t i = 0; i < newcomers.size(); ++i)
        shown.ids[static_cast<std::size_t>(newcomers[i])] = ids[i];
}

void BreedWindow::Choose()
{
    if (m_generations.empty())
        return;
    const Generation& shown = m_generations.shown();
    const std::vector<int> chosen = shown.selection.empty() ? std::vector<int> { shown.focus } : shown.selection;
    // The last ID given out leaves everything as it was.
    enter(chosen);
    std::vector<Offspring::Parent> parents;
    for (const int cell : chosen) {
        const auto at = static_cast<std::size_t>(cell);
        parents.push_back(
            { shown.cells[at], shown.ids[at], shown.isParent(cell) ? shown.origins[at] : BirthRecord {} });
    }
    breedFrom(std::move(parents));
}

void BreedWindow::G_Back_Click()
{
    m_generations.back();
}

void BreedWindow::G_Forward_Click()
{
    m_generations.forward();
}

void BreedWindow::G_NewOffspring_Click()
{
    if (m_generations.empty())
        return;
    const Generation& shown = m_generations.shown();
    std::vector<Offspring::Parent> parents;
    for (int parent = 0; parent < shown.parentCount(); ++parent) {
        const auto at = static_cast<std::size_t>(parent);
        parents.push_back({ shown.cells[at], shown.ids[at], shown.origins[at] });
    }
    breedFrom(std::move(parents));
}

void BreedWindow::V_Grid_Click(int side)
{
    Preferences::change([side](UserSettings& settings) { settings.breedGrid = side; });
    // The newest generation comes again at the new size, from the same parents; an earlier one stays as it was, and
    // the next breeding takes the size.
    if (!m_generations.empty() && !m_generations.canGoForward()
        && m_generations.shown().side()
            != Offspring::sideFor(static_cast<std::size_t>(m_generations.shown().parentCount()), side))
        G_NewOffspring_Click();
}

QString BreedWindow::fileNameOf(int cell) const
{
    const qint16 id = m_generations.shown().ids[static_cast<std::size_t>(cell)];
    if (id >= 0)
        return QStringLiteral("picture-%1.gen").arg(id);
    return QStringLiteral("generation-%1-cell-%2.gen").arg(m_generations.shownIndex() + 1).arg(cell + 1);
}

QString BreedWindow::titleOf(int cell) const
{
    const qint16 id = m_generations.shown().ids[static_cast<std::size_t>(cell)];
    if (id >= 0)
        return QStringLiteral("Picture %1").arg(id);
    return QStringLiteral("Generation %1, cell %2").arg(m_generations.shownIndex() + 1).arg(cell + 1);
}

void BreedWindow::C_OpenAsPicture_Click()
{
    if (m_generations.empty() || !m_commands.openPicture)
        return;
    Generation& shown = m_generations.shown();
    const auto cell = static_cast<std::size_t>(shown.focus);
    const Drawing::Flags flags = modMain::DrawFlags();
    if (shown.ids[cell] >= 0) {
        m_commands.openPicture(QString(), shown.cells[cell], BirthRecord::copy(shown.ids[cell], flags));
        return;
    }
    // The cell is that picture from now on: offspring bred from it descend from it in the family tree.
    shown.ids[cell] = m_commands.openPicture(QString(), shown.cells[cell], shown.birthOf(shown.focus, flags));
}

void BreedWindow::C_SaveAs_Click()
{
    if (m_generations.empty())
        return;
    const Generation& shown = m_generations.shown();
    const auto cell = static_cast<std::size_t>(shown.focus);
    // The cell as it is now: another generation may be shown by the time a name is chosen.
    FileDialogs::saveFile(this,
        { .name = SaveFolder,
            .caption = QStringLiteral("Save Genetic Code As"),
            .filters = QString::fromLatin1(FileDialogs::GeneticCodeFilters),
            .suggested = fileNameOf(shown.focus) },
        [this, code = shown.cells[cell], id = shown.ids[cell]](
            const QString& fileName) { SaveAs(code, id, fileName); });
}

void BreedWindow::SaveAs(const GeneticCode& code, qint16 id, const QString& fileName)
{
    GeneFileWriter::Save(code, fileName);
    if (id >= 0 && m_commands.saved)
        m_commands.saved(id, fileName);
}

void BreedWindow::C_Copy_Click()
{
    if (m_generations.empty())
        return;
    const Generation& shown = m_generations.shown();
    PictureClipboard::copy(
        shown.cells[static_cast<std::size_t>(shown.focus)], modMain::DrawFlags(), titleOf(shown.focus));
}

void BreedWindow::startDrag(int cell)
{
    if (m_generations.empty() || cell >= m_generations.shown().cellCount())
        return;
    PictureDrag::start(this,
        PictureDrag::mimeDataOf(
            fileNameOf(cell), m_generations.shown().cells[static_cast<std::size_t>(cell)], modMain::DrawFlags()));
}

void BreedWindow::closeEvent(QCloseEvent* event)
{
    m_generations.hide();
    QWidget::closeEvent(event);
}

bool BreedWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the rate box takes the rate for the next breeding and gives the grid the focus back.
    if (watched == spnRate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            spnRate->interpretText();
            picGrid->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
