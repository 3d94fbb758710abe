#include "app/FrequencySelectionSync.h"

#include "app/FrequencyListModel.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace spurline {

FrequencySelectionSync::FrequencySelectionSync(FrequencySelection& selection,
                                               ListCommandStates& commands,
                                               FrequencyListModel& model, QTableView& lvFreqs,
                                               QObject* parent)
    : QObject(parent), selection_(selection), commands_(commands), model_(model),
      lvFreqs_(lvFreqs) {
    selection_.selectionChanged = [this] { MirrorSelection(); };
    selection_.rowSelectionChanged = [this](int row) { MirrorRowSelection(row); };
    connect(lvFreqs_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FrequencySelectionSync::ViewSelectionChanged);
    connect(lvFreqs_.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrequencySelectionSync::ViewCurrentChanged);
    connect(&model_, &FrequencyListModel::documentSelectionChanged, this,
            &FrequencySelectionSync::MirrorSelection);
    connect(&model_, &FrequencyListModel::documentRowChanged, this,
            &FrequencySelectionSync::MirrorRowSelection);
}

FrequencySelectionSync::~FrequencySelectionSync() {
    selection_.selectionChanged = nullptr;
    selection_.rowSelectionChanged = nullptr;
}

void FrequencySelectionSync::MirrorSelection() {
    QItemSelectionModel* selection = lvFreqs_.selectionModel();
    QItemSelection wanted;
    const int lastColumn = FrequencyColumnCount - 1;
    int first = -1;
    const int rows = model_.rowCount();
    for (int row = 0; row <= rows; ++row) {
        const bool selected = row < rows && selection_.selected(row);
        if (selected && first < 0) {
            first = row;
        } else if (!selected && first >= 0) {
            wanted.select(model_.index(first, 0), model_.index(row - 1, lastColumn));
            first = -1;
        }
    }
    mirroring_ = true;
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    const int current = selection_.currentRow();
    const QModelIndex currentIndex =
        current >= 0 && current < model_.rowCount() ? model_.index(current, 0) : QModelIndex();
    if (selection->currentIndex().row() != currentIndex.row() ||
        !selection->currentIndex().isValid() != !currentIndex.isValid()) {
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    }
    mirroring_ = false;
}

void FrequencySelectionSync::MirrorRowSelection(int row) {
    if (mirroring_ || row < 0 || row >= model_.rowCount() || row >= selection_.count()) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs_.selectionModel();
    const bool wanted = selection_.selected(row);
    if (selection->isRowSelected(row, QModelIndex()) == wanted) {
        return;
    }
    mirroring_ = true;
    selection->select(model_.index(row, 0),
                      (wanted ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                          QItemSelectionModel::Rows);
    mirroring_ = false;
}

void FrequencySelectionSync::ViewSelectionChanged(const QItemSelection& selected,
                                                  const QItemSelection& deselected) {
    if (mirroring_) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs_.selectionModel();
    mirroring_ = true;
    for (const QItemSelection* ranges : {&selected, &deselected}) {
        for (const QItemSelectionRange& range : *ranges) {
            for (int row = range.top(); row <= range.bottom() && row < selection_.count(); ++row) {
                selection_.SetSelected(row, selection->isRowSelected(row, QModelIndex()));
            }
        }
    }
    mirroring_ = false;
}

void FrequencySelectionSync::ViewCurrentChanged(const QModelIndex& current) {
    if (mirroring_) {
        return;
    }
    selection_.SetCurrentRow(current.isValid() ? current.row() : -1);
    // A click into the list gives it the focus before the row is current.
    if (lvFreqs_.hasFocus()) {
        commands_.ListFocusChanged(true);
    }
}

} // namespace spurline
