#include "app/FrequencyListEvents.h"

#include "document/DeleteEntries.h"
#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

namespace spurline {

FrequencyListEvents::FrequencyListEvents(FrequencyList& list, FrequencySelection& selection,
                                         ListCommandStates& commands, QTableView& lvFreqs,
                                         QPushButton& cmdDelete, QObject* parent)
    : QObject(parent), list_(list), selection_(selection), commands_(commands), lvFreqs_(lvFreqs),
      viewport_(lvFreqs.viewport()), cmdDelete_(cmdDelete) {
    lvFreqs_.installEventFilter(this);
    lvFreqs_.viewport()->installEventFilter(this);
    cmdDelete_.installEventFilter(this);
    lvFreqs_.horizontalHeader()->setSectionsClickable(true);
    connect(lvFreqs_.horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { list_.SortByColumn(column); });
    connect(&lvFreqs_, &QAbstractItemView::doubleClicked, this, [this] { EditCurrent(); });
    // Deleting happens on a press of the button (click, Space, Enter), never on its focus.
    connect(&cmdDelete_, &QPushButton::clicked, this, &FrequencyListEvents::cmdDelete_Click);
}

void FrequencyListEvents::cmdAdd_Click() {
    if (showDialog) {
        showDialog(false);
    }
    if (!list_.empty()) {
        emit focusListRequested();
    }
    if (recalculateDue) {
        recalculateDue();
    }
}

void FrequencyListEvents::cmdDelete_Click() {
    deletedata(list_, selection_, commands_);
}

void FrequencyListEvents::EditCurrent() {
    if (showDialog) {
        showDialog(!list_.empty() && selection_.currentRow() >= 0);
    }
}

void FrequencyListEvents::ToggleSelectedChecks() {
    const int current = selection_.currentRow();
    if (current < 0 || current >= list_.count()) {
        return;
    }
    const std::string currentId = list_.entry(current).id();
    // The current row toggles as the view's own check box would; every other selected row with
    // it, so that Space toggles all selected rows together.
    list_.SetChecked(current, !list_.entry(current).checked);
    for (int row = 0; row < list_.count(); ++row) {
        const FrequencyEntry& entry = list_.entry(row);
        if (row != current && selection_.selected(row) && entry.id() != currentId) {
            list_.SetChecked(row, !entry.checked);
        }
    }
}

bool FrequencyListEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &lvFreqs_) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Delete) {
                if (selection_.currentRow() >= 0) {
                    deletedata(list_, selection_, commands_);
                }
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                EditCurrent();
                lvFreqs_.setFocus(Qt::OtherFocusReason);
                return true;
            }
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
                ToggleSelectedChecks();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            commands_.ListFocusChanged(true);
            break;
        case QEvent::FocusOut:
            // Focus passing to the "&Delete" button keeps it enabled, so that it can be pressed.
            if (QApplication::focusWidget() != &cmdDelete_) {
                commands_.ListFocusChanged(false);
            }
            break;
        default:
            break;
        }
    } else if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            commands_.EditMenuTarget = EditFrequencyList;
            const bool any = !list_.empty();
            EditMenuState states;
            states.deleteItem = any;
            states.cut = any;
            states.copy = any;
            states.selectAll = true;
            states.selectChecked = true;
            states.invertSelection = true;
            emit editMenuRequested(states, mouse->globalPosition().toPoint(), any);
        }
    } else if (watched == &cmdDelete_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                cmdDelete_.isEnabled()) {
                cmdDelete_.click();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && QApplication::focusWidget() != &lvFreqs_) {
            commands_.ListFocusChanged(false);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace spurline
