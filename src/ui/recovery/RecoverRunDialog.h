#pragma once
// Lists the kept runs before this one and reopens the pictures of the one chosen, as copies.

#include "core/journal/RunJournal.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

class RecoverRunDialog final : public QDialog {
    Q_OBJECT

public:
    // Reopens the pictures of a run: those open at its end, or every one when all is set.
    using Reopen = std::function<void(const RunJournal& run, bool all)>;

    // The journals in folder but the running program's own, which current names once it exists.
    RecoverRunDialog(QString folder, std::function<QString()> current, Reopen reopen, QWidget* parent = nullptr);

    // Reads the folder again.
    void refresh();
    // The runs listed, newest first.
    const std::vector<RunJournal>& runs() const { return m_runs; }
    // The selected run's place in runs(), or -1.
    int selectedRun() const;

    QTreeWidget* list() const { return m_list; }
    QPushButton* recoverButton() const { return m_recover; }
    QPushButton* openAllButton() const { return m_openAll; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    void updateButtons();
    void reopenSelected(bool all);
    void askDelete();

    QString m_folder;
    std::function<QString()> m_current;
    Reopen m_reopen;
    std::vector<RunJournal> m_runs;
    QTreeWidget* m_list;
    QPushButton* m_recover;
    QPushButton* m_openAll;
    QPushButton* m_delete;
};
