#include "core/editing/GeneTableModel.h"

#include "core/drawing/TreeDrawing.h"
#include "core/editing/GeneEdits.h"

#include <QColor>

GeneTableModel::GeneTableModel(GeneEdits& edits, QObject* parent)
    : QAbstractTableModel(parent)
    , m_edits(edits)
{
    connect(&m_edits, &GeneEdits::changed, this, [this] {
        emit dataChanged(index(0, 0), index(GeneCount - 1, TraitColumns::Count - 1));
        emit headerDataChanged(Qt::Vertical, 0, GeneCount - 1);
    });
}

int GeneTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GeneCount;
}

int GeneTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : TraitColumns::Count;
}

QVariant GeneTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const clsGene& gene = m_edits.code().at(static_cast<std::size_t>(index.row()));
    const TraitColumn column = TraitColumns::at(index.column());
    if (TraitColumns::isSwitch(column))
        return role == Qt::CheckStateRole ? QVariant(TraitColumns::isOn(gene, column) ? Qt::Checked : Qt::Unchecked)
                                          : QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return TraitColumns::text(gene, column);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant GeneTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= TraitColumns::Count)
            return {};
        const TraitColumn column = TraitColumns::at(section);
        if (role == Qt::DisplayRole)
            return TraitColumns::caption(column);
        if (role == Qt::ToolTipRole && column == TraitColumn::Angle)
            return QStringLiteral("In degrees");
        return {};
    }
    if (section < 0 || section >= GeneCount)
        return {};
    if (role == Qt::DisplayRole)
        return QStringLiteral("Gene %1").arg(section);
    if (role == Qt::DecorationRole) {
        const clsGene& gene = m_edits.code().at(static_cast<std::size_t>(section));
        const int colour = Drawing::colourOf(gene.ColorRed, gene.ColorGreen, gene.ColorBlue);
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
    return {};
}

Qt::ItemFlags GeneTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags always = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return always
        | (TraitColumns::isSwitch(TraitColumns::at(index.column())) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool GeneTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    const TraitColumn column = TraitColumns::at(index.column());
    if (role == Qt::CheckStateRole && TraitColumns::isSwitch(column)) {
        m_edits.setSwitch(index.row(), column, value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || TraitColumns::isSwitch(column))
        return false;
    const QString refusal = m_edits.type(index.row(), column, value.toString());
    if (!refusal.isEmpty()) {
        emit refused(refusal);
        return false;
    }
    return true;
}
