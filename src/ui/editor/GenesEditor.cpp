#include "ui/editor/GenesEditor.h"

#include "core/editing/GeneTransfer.h"
#include "core/genefile/GeneFileWriter.h"
#include "program/SharedRandom.h"
#include "ui/editor/GenePreview.h"
#include "ui/editor/GeneTable.h"
#include "ui/windows/FileDialogs.h"
#include "ui/windows/Guard.h"
#include "ui/windows/Remembered.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString EditorFolder = QStringLiteral("genes editor");

QAction* addEditorAction(QWidget* window, const QString& text, const QList<QKeySequence>& shortcuts = {})
{
    auto* action = new QAction(text, window);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

GenesEditor* GenesEditor::Of(qint16 id)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A closed editor waits hidden for its deletion.
        if (auto* editor = qobject_cast<GenesEditor*>(window); editor && editor->id() == id && editor->isVisible())
            return editor;
    }
    return nullptr;
}

GenesEditor* GenesEditor::Open(
    qint16 id, const QString& name, const GeneticCode& code, Drawing::Flags flags, RunCommands commands)
{
    GenesEditor* editor = Of(id);
    if (!editor) {
        // Deleted when it closes; until then a top-level window of its own.
        editor = new GenesEditor(id, name, code, flags, std::move(commands));
        editor->setAttribute(Qt::WA_DeleteOnClose);
    }
    editor->setWindowState(editor->windowState() & ~Qt::WindowMinimized);
    editor->show();
    editor->raise();
    editor->activateWindow();
    return editor;
}

GenesEditor::GenesEditor(
    qint16 id, QString name, const GeneticCode& code, Drawing::Flags flags, RunCommands commands, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_id(id)
    , m_name(std::move(name))
    , m_flags(flags)
    , m_commands(std::move(commands))
    , m_edits(code)
    , m_model(m_edits)
{
    setObjectName(QStringLiteral("GenesEditor"));
    setWindowTitle(QStringLiteral("Genes of Picture %1").arg(id));

    E_Undo = m_edits.steps().createUndoAction(this, QStringLiteral("&Undo"));
    E_Undo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Z) });
    E_Redo = m_edits.steps().createRedoAction(this, QStringLiteral("&Redo"));
    E_Redo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    for (QAction* action : { E_Undo, E_Redo }) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    G_Randomize = addEditorAction(this, QStringLiteral("Randomize Gene"));
    G_Copy = addEditorAction(this, QStringLiteral("Copy Gene"));
    G_Paste = addEditorAction(this, QStringLiteral("Paste Gene"));
    auto* openAsNew = addEditorAction(
        this, QString(), { QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) });

    menuBar = new QMenuBar(this);
    M_Edit = menuBar->addMenu(QStringLiteral("&Edit"));
    M_Edit->setObjectName(QStringLiteral("M_Edit"));
    M_Edit->addActions({ E_Undo, E_Redo });
    M_Edit->addSeparator();
    M_Edit->addActions({ G_Randomize, G_Copy, G_Paste });
    M_Gene = new QMenu(this);
    M_Gene->setObjectName(QStringLiteral("M_Gene"));
    M_Gene->addActions({ G_Randomize, G_Copy, G_Paste });

    tblGenes = new GeneTable(this);
    tblGenes->setObjectName(QStringLiteral("tblGenes"));
    tblGenes->setModel(&m_model);
    tblGenes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblGenes->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblGenes->setMinimumWidth(tblGenes->verticalHeader()->sizeHint().width() + tblGenes->horizontalHeader()->length()
        + 2 * tblGenes->frameWidth());
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    picPreview = new GenePreview(m_edits, flags, this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    cbxWholeTree = new QCheckBox(QStringLiteral("Whole tree"), this);
    cbxWholeTree->setObjectName(QStringLiteral("cbxWholeTree"));
    btnOpenAsNew = new QPushButton(QStringLiteral("Open as New Picture"), this);
    btnOpenAsNew->setObjectName(QStringLiteral("btnOpenAsNew"));
    btnOpenAsNew->setToolTip(openAsNew->shortcut().toString(QKeySequence::NativeText));
    btnSaveAs = new QPushButton(QStringLiteral("Save As..."), this);
    btnSaveAs->setObjectName(QStringLiteral("btnSaveAs"));
    btnRevert = new QPushButton(QStringLiteral("Revert"), this);
    btnRevert->setObjectName(QStringLiteral("btnRevert"));
    btnRevert->setEnabled(false);

    // What a screen reader says of each control without a caption of its own.
    tblGenes->setAccessibleName(QStringLiteral("Genes"));
    lblMessage->setAccessibleName(QStringLiteral("Message"));
    picPreview->setAccessibleName(QStringLiteral("Picture %1 as edited").arg(id));
    M_Gene->setAccessibleName(QStringLiteral("Gene"));

    auto* table = new QVBoxLayout;
    table->addWidget(tblGenes, 1);
    table->addWidget(lblMessage);
    auto* preview = new QVBoxLayout;
    preview->addWidget(picPreview, 1);
    preview->addWidget(cbxWholeTree);
    auto* sides = new QHBoxLayout;
    sides->addLayout(table);
    sides->addLayout(preview, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOpenAsNew);
    buttons->addWidget(btnSaveAs);
    buttons->addWidget(btnRevert);
    buttons->addStretch(1);
    auto* whole = new QVBoxLayout(this);
    whole->setMenuBar(menuBar);
    whole->addLayout(sides, 1);
    whole->addLayout(buttons);

    setTabOrder(tblGenes, cbxWholeTree);
    setTabOrder(cbxWholeTree, btnOpenAsNew);
    setTabOrder(btnOpenAsNew, btnSaveAs);
    setTabOrder(btnSaveAs, btnRevert);

    Guard::connect(btnOpenAsNew, &QPushButton::clicked, this, &GenesEditor::btnOpenAsNew_Click);
    Guard::connect(openAsNew, &QAction::triggered, this, &GenesEditor::btnOpenAsNew_Click);
    Guard::connect(btnSaveAs, &QPushButton::clicked, this, &GenesEditor::btnSaveAs_Click);
    Guard::connect(btnRevert, &QPushButton::clicked, this, &GenesEditor::btnRevert_Click);
    Guard::connect(G_Randomize, &QAction::triggered, this, &GenesEditor::G_Randomize_Click);
    Guard::connect(G_Copy, &QAction::triggered, this, &GenesEditor::G_Copy_Click);
    Guard::connect(G_Paste, &QAction::triggered, this, &GenesEditor::G_Paste_Click);
    Guard::connect(cbxWholeTree, &QCheckBox::clicked, this, &GenesEditor::cbxWholeTree_Click);
    connect(&m_model, &GeneTableModel::refused, this, &GenesEditor::showRefusal);
    connect(&m_edits, &GeneEdits::changed, this, [this] {
        lblMessage->clear();
        btnRevert->setEnabled(m_edits.edited());
    });
    connect(tblGenes->selectionModel(), &QItemSelectionModel::currentRowChanged, picPreview,
        [this](const QModelIndex& current) { picPreview->setHighlighted(std::max(0, current.row())); });
    connect(tblGenes, &GeneTable::stepped, this, [this](int row, int column, int steps) {
        Guard::run(this, [&] { m_edits.step(row, TraitColumns::at(column), steps); });
    });
    connect(tblGenes, &GeneTable::rowMenuRequested, M_Gene, [this](const QPoint& at) { M_Gene->popup(at); });
    connect(tblGenes->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
        [this](int gene) { Guard::run(this, [&] { ChooseColour(gene); }); });
    // Esc closes the editor; while a cell is being edited the cell takes it and cancels the edit.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    tblGenes->setCurrentIndex(m_model.index(0, 0));
    tblGenes->setFocus();
    Remembered::keepSize(this, QStringLiteral("editor"));
}

int GenesEditor::currentGene() const
{
    return std::max(0, tblGenes->currentIndex().row());
}

bool GenesEditor::commitEdit()
{
    m_refused = false;
    tblGenes->commitEdit();
    return !m_refused;
}

void GenesEditor::showRefusal(const QString& reason)
{
    m_refused = true;
    lblMessage->setText(reason);
}

void GenesEditor::btnOpenAsNew_Click()
{
    if (!commitEdit() || !m_commands.openPicture)
        return;
    m_commands.openPicture(m_name, m_edits.code(), BirthRecord::edited(m_id, m_flags));
}

void GenesEditor::btnSaveAs_Click()
{
    if (!commitEdit())
        return;
    FileDialogs::saveFile(this,
        { .name = EditorFolder,
            .caption = QStringLiteral("Save Genetic Code As"),
            .filters = QString::fromLatin1(FileDialogs::GeneticCodeFilters),
            .suggested = QStringLiteral("picture-%1-edited.gen").arg(m_id) },
        [this](const QString& fileName) { SaveAs(fileName); });
}

void GenesEditor::SaveAs(const QString& fileName)
{
    GeneFileWriter::Save(m_edits.code(), fileName);
}

void GenesEditor::btnRevert_Click()
{
    if (commitEdit())
        m_edits.revert();
}

void GenesEditor::G_Randomize_Click()
{
    m_edits.randomize(currentGene(), Rnd::shared());
}

void GenesEditor::G_Copy_Click()
{
    const QByteArray text = GeneTransfer::toText(m_edits.code().at(static_cast<std::size_t>(currentGene())));
    auto data = std::make_unique<QMimeData>();
    data->setData(GeneTransfer::MimeType, text);
    data->setText(QString::fromLatin1(text));
    // The clipboard owns what it holds.
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void GenesEditor::G_Paste_Click()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<clsGene> gene;
    if (data && data->hasFormat(GeneTransfer::MimeType))
        gene = GeneTransfer::fromText(data->data(GeneTransfer::MimeType));
    else if (data && data->hasText())
        gene = GeneTransfer::fromText(data->text().toLatin1());
    if (!gene) {
        lblMessage->setText(QStringLiteral("The clipboard holds no gene to paste."));
        return;
    }
    m_edits.paste(currentGene(), *gene);
}

void GenesEditor::cbxWholeTree_Click()
{
    picPreview->setFrame(cbxWholeTree->isChecked() ? Drawing::Frame::WholeTree : Drawing::Frame::Window);
}

void GenesEditor::ChooseColour(int gene)
{
    const QColor current = m_model.headerData(gene, Qt::Vertical, Qt::DecorationRole).value<QColor>();
    auto* dialog = new QColorDialog(current, this);
    dialog->setObjectName(QStringLiteral("GeneColourDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Colour of Gene %1").arg(gene));
    connect(dialog, &QColorDialog::colorSelected, this,
        [this, gene](const QColor& colour) { Guard::run(this, [&] { m_edits.setColour(gene, colour); }); });
    dialog->open();
}
