#pragma once

#include "app/CellTableModel.h"
#include "engine/FrequencyFinder.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

namespace spurline {

class FinderInputsPanel;
class FrequencyList;
class FrequencySelection;
class IFileDialogs;
class IMessageBox;
class ISettingsStore;
class IntermodPanel;
class ListCommandStates;
class ReceiverLevelsTable;

// What the finder windows work with: the document with its selection and command states, the
// options as the intermod panel shows them, and the message boxes.
struct FinderSources {
    FrequencyList& list;
    FrequencySelection& selection;
    ListCommandStates& commands;
    IntermodPanel& panel;
    IMessageBox& messages;
    IFileDialogs* dialogs = nullptr; // for "Load channels..."; none: the button is hidden
    std::function<bool()> levelsOn;  // whether levels are estimated; none: never
};

// Intermods > "Find clean frequencies...": the request, the search with a progress bar that
// Escape stops, the ranked and sortable candidates, and "Add" for the chosen one.
class FindFrequenciesDialog final : public QDialog {
    Q_OBJECT
public:
    FindFrequenciesDialog(const FinderSources& sources, QWidget* parent);
    // Fills the inputs from the current options and the selected entry, then shows the dialog.
    void Open();
    QTableView* results() const { return table_; }
    // Runs the search with the inputs as they stand (the "Find" button).
    void Find();
    // Adds the candidate of the selected result row (the "Add" button); not from a stale ranking.
    void AddSelected();
    // The site or the options changed: the ranking shown is marked stale until the next "Find".
    void MarkOutOfDate();
    bool outOfDate() const { return outOfDate_; }
    FinderInputsPanel* inputs() const { return inputs_; }

protected:
    void reject() override;

private:
    FinderRequest Request(bool& good) const;

    FinderSources sources_;
    QComboBox* role_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QLineEdit* txBandwidth_ = nullptr;
    QLineEdit* rxBandwidth_ = nullptr;
    QLineEdit* offset_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    QSpinBox* count_ = nullptr;
    FinderInputsPanel* inputs_ = nullptr;
    QCheckBox* most_ = nullptr; // the largest clean set instead of How many
    QProgressBar* progress_ = nullptr;
    QTableView* table_ = nullptr;
    CellTableModel* model_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* add_ = nullptr;
    std::vector<CandidateResult> found_;
    FinderRequest used_;
    bool searching_ = false;
    bool stop_ = false;
    bool outOfDate_ = false;
};

// Intermods > "Site summary...": who is to blame, entry by entry and named by its remarks, and
// while levels are on each receiver's total level below; a double click on either selects the
// entry in the frequency list.
class SiteSummaryWindow final : public QDialog {
    Q_OBJECT
public:
    SiteSummaryWindow(const FinderSources& sources, QWidget* parent);
    void Refresh();
    // Levels were turned on or off: the receivers' section goes while they are off.
    void LevelsChanged();
    QTableView* table() const { return table_; }
    ReceiverLevelsTable* receivers() const { return receivers_; }

private:
    void SelectEntry(int entry);

    FinderSources sources_;
    QTableView* table_ = nullptr;
    CellTableModel* model_ = nullptr;
    QLineEdit* worst_ = nullptr;
    ReceiverLevelsTable* receivers_ = nullptr;
};

// Adds the two items to the Intermods menu and opens their windows.
class FinderCommands final : public QObject {
    Q_OBJECT
public:
    // window: the parent of both windows; the items go before the second item of mnuIntermods.
    FinderCommands(QWidget& window, QMenu& mnuIntermods, const FinderSources& sources);
    FindFrequenciesDialog& findDialog();
    // Adding a channel (or any change to the site or the options) makes a ranking shown stale.
    void SiteChanged();
    // Where the finder window keeps its excluded ranges between runs.
    void SetStore(ISettingsStore& store);
    SiteSummaryWindow& summaryWindow();
    QAction* mnuFindFrequencies = nullptr;
    QAction* mnuSiteSummary = nullptr;

private:
    QWidget& window_;
    FinderSources sources_;
    ISettingsStore* store_ = nullptr;
    FindFrequenciesDialog* find_ = nullptr;
    SiteSummaryWindow* summary_ = nullptr;
};

} // namespace spurline
