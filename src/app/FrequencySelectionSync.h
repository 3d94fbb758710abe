#pragma once

#include <QItemSelection>
#include <QObject>

class QTableView;

namespace spurline {

class FrequencyList;
class FrequencyListModel;

// Keeps the frequency list view's selection and current row in line with the document's, both
// ways: the document's changes are shown in the view, the user's clicks are stored in the
// document.
class FrequencySelectionSync final : public QObject {
    Q_OBJECT

public:
    FrequencySelectionSync(FrequencyList& list, FrequencyListModel& model, QTableView& lvFreqs,
                           QObject* parent);

    // Shows the document's selection and current row in the view.
    void MirrorSelection();

private:
    void MirrorRowSelection(int row);
    void ViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void ViewCurrentChanged(const QModelIndex& current);

    FrequencyList& list_;
    FrequencyListModel& model_;
    QTableView& lvFreqs_;
    bool mirroring_ = false; // the view is being brought in line with the document
};

} // namespace spurline
