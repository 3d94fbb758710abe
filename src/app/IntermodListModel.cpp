#include "app/IntermodListModel.h"

#include "app/HarmfulShading.h"
#include "engine/LevelModel.h"
#include "platform/QtStrings.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace spurline {

IntermodListModel::IntermodListModel(const IntermodList& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int IntermodListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int IntermodListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : IntermodColumnCount + 1;
}

const IntermodListRow& IntermodListModel::displayRow(int row) const {
    return rows_.rows().at(static_cast<std::size_t>(order_.at(static_cast<std::size_t>(row))));
}

QVariant IntermodListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const IntermodListRow& row = displayRow(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == MarginColumn) {
            return ToQString(MarginText(row, locale_));
        }
        return ToQString(row.texts[static_cast<std::size_t>(index.column())]);
    }
    if (role == Qt::BackgroundRole && row.worstMarginDb &&
        ClassOfMargin(*row.worstMarginDb) == LevelClass::Harmful) {
        return HarmfulRowBrush();
    }
    if (role == Qt::TextAlignmentRole) {
        const bool right = index.column() == ImColFrequency || index.column() == ImColBandwidth ||
                           index.column() == MarginColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant IntermodListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < IntermodColumnCount) {
        return QString::fromLatin1(IntermodColumnCaptions[static_cast<std::size_t>(section)]);
    }
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == MarginColumn) {
        return QString::fromLatin1(MarginColumnCaption);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void IntermodListModel::Refresh() {
    beginResetModel();
    order_.resize(static_cast<std::size_t>(rows_.count()));
    std::iota(order_.begin(), order_.end(), 0);
    if (sort_.sorted) {
        Sort();
    }
    endResetModel();
}

void IntermodListModel::Empty() {
    beginResetModel();
    order_.clear();
    endResetModel();
}

void IntermodListModel::ColumnClick(int column) {
    if (column < 0 || column > MarginColumn) {
        return;
    }
    sort_.sorted = true;
    sort_.column = column;
    sort_.order = sort_.order == 0 ? 1 : 0;
    beginResetModel();
    Sort();
    endResetModel();
}

void IntermodListModel::Sort() {
    // Plain text order: the frequency column is padded to 15 characters, so it sorts
    // numerically; the bandwidth column sorts as text (100.00 before 25.00).
    const auto column = static_cast<std::size_t>(sort_.column);
    const auto& rows = rows_.rows();
    const bool descending = sort_.order == 1;
    if (sort_.column == MarginColumn) {
        // By value, worst first when descending; a row without a margin counts as the lowest.
        const auto margin = [&](int r) {
            return rows[static_cast<std::size_t>(r)].worstMarginDb.value_or(-HUGE_VAL);
        };
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
            return descending ? margin(b) < margin(a) : margin(a) < margin(b);
        });
        return;
    }
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const std::string& left = rows[static_cast<std::size_t>(a)].texts[column];
        const std::string& right = rows[static_cast<std::size_t>(b)].texts[column];
        return descending ? right < left : left < right;
    });
}

} // namespace spurline
