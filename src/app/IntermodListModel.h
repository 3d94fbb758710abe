#pragma once

#include "document/FrequencyList.h"
#include "engine/IntermodList.h"

#include <QAbstractTableModel>
#include <vector>

namespace spurline {

// The intermod list as a Qt table over the engine's rows: nine text columns and the worst margin
// (shown while levels are on, harmful rows marked), sorted by the text of one column (the margin
// by its value) in the order the user last chose. The rows are taken over in one reset after a
// calculation, not row by row.
class IntermodListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit IntermodListModel(const IntermodList& rows, QObject* parent = nullptr);

    // The column after the list's nine: "Margin (dB)".
    static constexpr int MarginColumn = IntermodColumnCount;
    // The convention of the margin's text.
    void SetLocale(const Locale& locale) { locale_ = locale; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Shows the engine's rows as they are now (in the last chosen order when sorted).
    void Refresh();
    // Shows no rows while a calculation fills the engine's list.
    void Empty();
    // A click on a column header: sorted by that column, the order toggling on every click.
    void ColumnClick(int column);
    const SortState& sortState() const { return sort_; }
    // The engine's row shown at a display position (0-based).
    const IntermodListRow& displayRow(int row) const;

private:
    void Sort();

    const IntermodList& rows_;
    std::vector<int> order_; // display position -> engine row
    SortState sort_;
    Locale locale_ = Locale::English();
};

} // namespace spurline
