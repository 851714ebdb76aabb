#include "ui/recovery/RecoverRunDialog.h"

#include "core/journal/JournalFolder.h"
#include "ui/windows/Guard.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

QString endingOf(const RunJournal& run)
{
    QString text = run.endingText();
    if (run.damaged())
        text += QStringLiteral("; damaged at line %1 (%2)").arg(run.damagedLine).arg(run.damage);
    return text;
}

} // namespace

RecoverRunDialog::RecoverRunDialog(QString folder, std::function<QString()> current, Reopen reopen, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_current(std::move(current))
    , m_reopen(std::move(reopen))
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Recover Run"));
    auto* label = new QLabel(QStringLiteral("Earlier runs, newest first. Recover reopens the pictures that were open "
                                            "at the run's end, Open All every picture of the run, each as a copy."),
        this);
    label->setWordWrap(true);
    m_list->setHeaderLabels({ QStringLiteral("Started"), QStringLiteral("Pictures"), QStringLiteral("Open at its end"),
        QStringLiteral("Ended by") });
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);

    auto* buttons = new QDialogButtonBox(this);
    m_recover = buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::AcceptRole);
    m_openAll = buttons->addButton(QStringLiteral("Open All"), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(QStringLiteral("Delete"), QDialogButtonBox::DestructiveRole);
    buttons->addButton(QDialogButtonBox::Close);
    m_recover->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_recover, &QPushButton::clicked, this, [this] { reopenSelected(false); });
    connect(m_openAll, &QPushButton::clicked, this, [this] { reopenSelected(true); });
    connect(m_delete, &QPushButton::clicked, this, [this] { askDelete(); });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });
    // Enter or a double click does what Recover would, when Recover can.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] {
        if (m_recover->isEnabled())
            reopenSelected(false);
    });

    // Screen readers name the buttons by their captions; the list by what it holds, and the long label in short.
    label->setAccessibleName(QStringLiteral("Earlier runs"));
    label->setAccessibleDescription(label->text());
    m_list->setAccessibleName(QStringLiteral("Earlier runs"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(620, 360);
    refresh();
}

void RecoverRunDialog::refresh()
{
    m_runs = JournalFolder::readAll(m_folder, m_current ? m_current() : QString());
    m_list->clear();
    for (const RunJournal& run : m_runs) {
        auto* item = new QTreeWidgetItem(m_list,
            { run.startText(), QString::number(run.pictures.size()), QString::number(run.openAtEnd()), endingOf(run) });
        item->setTextAlignment(1, Qt::AlignRight);
        item->setTextAlignment(2, Qt::AlignRight);
    }
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    // The newest run Recover would reopen something of, so that Enter does; else the newest, to open or delete.
    const auto recoverable
        = std::find_if(m_runs.cbegin(), m_runs.cend(), [](const RunJournal& run) { return run.recoverable(); });
    const auto selected = recoverable != m_runs.cend() ? recoverable - m_runs.cbegin() : 0;
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(static_cast<int>(selected)));
    updateButtons();
}

int RecoverRunDialog::selectedRun() const
{
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}

void RecoverRunDialog::updateButtons()
{
    const int selected = selectedRun();
    const RunJournal* run = selected >= 0 ? &m_runs[static_cast<std::size_t>(selected)] : nullptr;
    m_recover->setEnabled(run && run->recoverable());
    m_openAll->setEnabled(run && !run->pictures.empty());
    m_delete->setEnabled(run != nullptr);
}

void RecoverRunDialog::reopenSelected(bool all)
{
    const int selected = selectedRun();
    if (selected < 0)
        return;
    // A copy: reopening can show an error box, and the list may be read again meanwhile.
    const RunJournal run = m_runs[static_cast<std::size_t>(selected)];
    Guard::run(this, [&] {
        m_reopen(run, all);
        accept();
    });
}

void RecoverRunDialog::askDelete()
{
    const int selected = selectedRun();
    if (selected < 0)
        return;
    const QString path = m_runs[static_cast<std::size_t>(selected)].path;
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Recover Run"),
        QStringLiteral("Delete the journal of the run of %1? Its pictures can then no longer be recovered.")
            .arg(m_runs[static_cast<std::size_t>(selected)].startText()),
        QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("DeleteRunBox"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, path](int answer) {
        if (answer != QMessageBox::Yes)
            return;
        Guard::run(this, [&] {
            if (::unlink(QFile::encodeName(path).constData()) != 0)
                throw RuntimeError(
                    RuntimeError::PathFileAccess, qt_error_string(errno), QStringLiteral("in \"%1\"").arg(path));
            refresh();
        });
    });
    box->open();
}
