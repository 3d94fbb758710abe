#include "app/CellTableModel.h"

#include "app/ColumnWidths.h"
#include "app/HarmfulShading.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace spurline {

CellTableModel::CellTableModel(std::vector<QString> captions, QObject* parent)
    : QAbstractTableModel(parent), captions_(std::move(captions)) {}

void CellTableModel::SetRows(std::vector<std::vector<QString>> texts,
                             std::vector<std::vector<double>> keys, std::vector<bool> harmful) {
    beginResetModel();
    texts_ = std::move(texts);
    keys_ = std::move(keys);
    harmful_ = std::move(harmful);
    endResetModel();
}

int CellTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int CellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant CellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole) {
        return texts_[row][column];
    }
    // A column without numbers (remarks) sorts by its text, left-aligned.
    const bool numeric = column < keys_[row].size();
    if (role == Qt::UserRole) {
        return numeric ? QVariant(keys_[row][column]) : QVariant(texts_[row][column]);
    }
    if (role == Qt::TextAlignmentRole && column > 0 && numeric) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::BackgroundRole && row < harmful_.size() && harmful_[row]) {
        return HarmfulRowBrush();
    }
    return {};
}

QVariant CellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return captions_[static_cast<std::size_t>(section)];
    }
    return {};
}

QTableView* SortableTable(CellTableModel* model, QWidget* parent) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::UserRole);
    auto* table = new QTableView(parent);
    table->setModel(proxy);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // Rows stay in the order given (the ranking) until a heading is clicked.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    // Headings readable before the first run; the last column takes the free width.
    new ColumnWidths(*table, {}, {model->columnCount() - 1});
    return table;
}

int SourceRow(const QTableView* table, const QModelIndex& index) {
    const auto* proxy = static_cast<const QSortFilterProxyModel*>(table->model());
    return proxy->mapToSource(index).row();
}

} // namespace spurline
