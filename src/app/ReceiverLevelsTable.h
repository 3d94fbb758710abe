#pragma once

#include "engine/LevelModel.h"

#include <QWidget>
#include <vector>

class QTableView;

namespace spurline {

class CellTableModel;
class FrequencyList;

// The site summary's section of receivers: each one a product reaches, with its total
// intermodulation level, margin and class, worst margin first and harmful rows shaded as in the
// intermod list.
class ReceiverLevelsTable final : public QWidget {
    Q_OBJECT
public:
    explicit ReceiverLevelsTable(QWidget* parent);
    void Show(const std::vector<ReceiverLevel>& receivers, const FrequencyList& list);
    QTableView* table() const { return table_; }

signals:
    // A row was double-clicked: its receiver's 1-based entry number.
    void entryActivated(int entry);

private:
    QTableView* table_ = nullptr;
    CellTableModel* model_ = nullptr;
    std::vector<int> entries_; // per model row
};

} // namespace spurline
