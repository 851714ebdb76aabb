#pragma once
// The genes editor's table over the edited code.
//
// Rows "Gene 0" to "Gene 11", each headed by a swatch of its colour; columns Length, Width, Angle, Red, Green, Blue,
// Done and Draw.

#include <QAbstractTableModel>
#include <QString>

class GeneEdits;

class GeneTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GeneTableModel(GeneEdits& edits, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Typed traits as text (Angle in degrees), Done and Draw as check states.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The row header's decoration is the gene's colour as it is drawn.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typed text (the edit role) or a switch (the check state role), as one undoable step. Text that is refused
    // changes nothing and is told by refused().
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // Why typed text was refused, in one line.
    void refused(const QString& reason);

private:
    GeneEdits& m_edits;
};
