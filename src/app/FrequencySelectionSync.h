#pragma once

#include <QItemSelection>
#include <QObject>

class QTableView;

namespace spurline {

class FrequencyListModel;
class FrequencySelection;
class ListCommandStates;

// Keeps the frequency list view's selection and current row in line with the core's selection
// model, both ways: its changes are shown in the view, the user's clicks are stored in it.
class FrequencySelectionSync final : public QObject {
    Q_OBJECT

public:
    FrequencySelectionSync(FrequencySelection& selection, ListCommandStates& commands,
                           FrequencyListModel& model, QTableView& lvFreqs, QObject* parent);
    ~FrequencySelectionSync() override;

    // Shows the selection and current row in the view.
    void MirrorSelection();

private:
    void MirrorRowSelection(int row);
    void ViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void ViewCurrentChanged(const QModelIndex& current);

    FrequencySelection& selection_;
    ListCommandStates& commands_;
    FrequencyListModel& model_;
    QTableView& lvFreqs_;
    bool mirroring_ = false; // the view is being brought in line with the selection model
};

} // namespace spurline
