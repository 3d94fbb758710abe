#pragma once

#include "graph/GraphController.h"

#include <QObject>
#include <QPoint>
#include <functional>

class QPushButton;
class QTableView;

namespace spurline {

class FrequencyList;
class FrequencySelection;
class ListCommandStates;

// How the frequency list view answers the user: sorting by a column, the Delete, Return and
// Space keys, double click, the right-button Edit menu, and the "&Delete" button's enabled state
// by the view's focus; and the "&Add..." and "&Delete" buttons.
class FrequencyListEvents final : public QObject {
    Q_OBJECT

public:
    FrequencyListEvents(FrequencyList& list, FrequencySelection& selection,
                        ListCommandStates& commands, QTableView& lvFreqs, QPushButton& cmdDelete,
                        QObject* parent = nullptr);

    // Opens the add/edit dialog modally: to add (editMode false) or to edit the current row.
    std::function<void(bool editMode)> showDialog;
    // RecalculateDue.
    std::function<void()> recalculateDue;

    void cmdAdd_Click();
    void cmdDelete_Click();
    // Return key and double click: edit the current row, or add when there is none.
    void EditCurrent();

signals:
    void editMenuRequested(const spurline::EditMenuState& states, const QPoint& globalPosition,
                           bool popUp);
    // The dialog was closed after "&Add..."; the window gives the focus to the list.
    void focusListRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ToggleSelectedChecks();

    FrequencyList& list_;
    FrequencySelection& selection_;
    ListCommandStates& commands_;
    QTableView& lvFreqs_;
    QObject* viewport_; // compared only: it may be on its way out
    QPushButton& cmdDelete_;
};

} // namespace spurline
