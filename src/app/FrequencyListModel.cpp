#include "app/FrequencyListModel.h"

#include "platform/QtStrings.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QStyle>

namespace spurline {

namespace {

bool IsNumericColumn(int column) {
    return column == ColId || column == ColFrequency || column == ColOffset ||
           column == ColTxBandwidth || column == ColRxBandwidth;
}

// Colours are stored with red in the low byte, then green, then blue.
QColor ColourFrom(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// The small icon of a victim row.
QIcon VictimIcon() {
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return icon;
}

} // namespace

FrequencyListModel::FrequencyListModel(FrequencyList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), rows_(list.count()) {
    list_.AddObserver(this);
}

FrequencyListModel::~FrequencyListModel() {
    list_.RemoveObserver(this);
}

int FrequencyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int FrequencyListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FrequencyColumnCount;
}

QVariant FrequencyListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.row() >= list_.count()) {
        return {};
    }
    const FrequencyEntry& entry = list_.entry(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(entry.texts[static_cast<std::size_t>(column)]);
    case Qt::CheckStateRole:
        if (column == ColId) {
            return entry.checked ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (IsNumericColumn(column) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::ForegroundRole:
        if (entry.mark.colour != 0) {
            return ColourFrom(entry.mark.colour);
        }
        if (entry.mark.ghosted) {
            return QColor(Qt::gray);
        }
        return {};
    case Qt::DecorationRole:
        if (column == ColId && entry.mark.icon != 0) {
            return VictimIcon();
        }
        return {};
    case Qt::FontRole:
        if (entry.mark.bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

bool FrequencyListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != ColId || role != Qt::CheckStateRole ||
        index.row() >= rows_) {
        return false;
    }
    // The document announces the change (and that a recalculation is due) itself.
    list_.SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags FrequencyListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == ColId) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant FrequencyListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= FrequencyColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(FrequencyColumnCaptions[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (IsNumericColumn(section) ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

void FrequencyListModel::EntriesReset() {
    beginResetModel();
    rows_ = list_.count();
    endResetModel();
    emit documentSelectionChanged();
}

void FrequencyListModel::EntryAppended(int row) {
    if (row != rows_ || list_.count() != rows_ + 1) {
        // Not the one-row step this model expects: start afresh rather than mislead the views.
        EntriesReset();
        return;
    }
    beginInsertRows(QModelIndex(), row, row);
    rows_ = list_.count();
    endInsertRows();
    emit documentRowChanged(row);
}

void FrequencyListModel::EntryChanged(int row) {
    if (row < 0 || row >= rows_) {
        return;
    }
    emit dataChanged(index(row, 0), index(row, FrequencyColumnCount - 1));
    emit documentRowChanged(row);
}

void FrequencyListModel::DocumentStateChanged() {
    emit documentStateChanged();
}

} // namespace spurline
