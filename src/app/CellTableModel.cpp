#include "app/CellTableModel.h"

namespace spurline {

CellTableModel::CellTableModel(std::vector<QString> captions, QObject* parent)
    : QAbstractTableModel(parent), captions_(std::move(captions)) {}

void CellTableModel::SetRows(std::vector<std::vector<QString>> texts,
                             std::vector<std::vector<double>> keys) {
    beginResetModel();
    texts_ = std::move(texts);
    keys_ = std::move(keys);
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
    return {};
}

QVariant CellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return captions_[static_cast<std::size_t>(section)];
    }
    return {};
}

} // namespace spurline
