#pragma once

#include "document/AddFreqDialogModel.h"
#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"

#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spurline {

class LevelsSection;
class UpDownControl;

// The add/edit frequency dialog: shows the dialog's fields over an AddFreqDialogModel and hands
// the entry to the frequency list on Add/Update. One instance serves the whole run; it is hidden,
// not destroyed, so its contents carry over to the next opening.
class frmAddFreq final : public QDialog {
    Q_OBJECT

public:
    frmAddFreq(FrequencyList& list, FrequencySelection& selection, ListCommandStates& commands,
               QWidget* parent = nullptr);

    // Shows the dialog modally to add an entry (editMode false) or to edit the list's current
    // row; returns QDialog::Accepted when the list took the entry.
    int Open(bool editMode);
    // What Open does before the modal loop: fills the fields (from the current row when editing).
    void Activate(bool editMode);

    const AddFreqDialogModel& model() const { return model_; }
    LevelsSection& levels() const { return *levels_; }

    // The system beep of a refused duplicate; tests count it instead.
    std::function<void()> beep;

    void cmdAdd_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    using Group = AddFreqDialogModel::Group;
    using RangeBox = AddFreqDialogModel::RangeBox;

    void BuildWidgets();
    QWidget* BuildBandwidthFrame(Group group);
    void ConnectFields();
    void FieldLostFocus(QLineEdit* field);
    void txtRemarks_Change();
    void ShowModel();
    static void ShowText(QLineEdit* field, const std::string& text);
    QLineEdit* RangeField(RangeBox box) const;

    FrequencyList& list_;
    FrequencySelection& selection_;
    ListCommandStates& commands_;
    AddFreqDialogModel model_;
    QLineEdit* fieldWithFocus_ = nullptr; // left without a lost-focus rule yet

    QLineEdit* txtFrequency = nullptr;
    QLineEdit* txtOffset = nullptr;
    UpDownControl* UpDown1 = nullptr;
    QButtonGroup* chspacing = nullptr;
    QLineEdit* chspaceother = nullptr;
    UpDownControl* UpDown3 = nullptr;
    QLabel* lblTxOtherUnit = nullptr;
    QButtonGroup* rxprot = nullptr;
    QLineEdit* rxprotother = nullptr;
    UpDownControl* UpDown2 = nullptr;
    QLabel* lblRxOtherUnit = nullptr;
    QButtonGroup* chktxrx = nullptr;
    QButtonGroup* chstatus = nullptr;
    QLineEdit* txtRemarks = nullptr;
    // Index 0 is the receiver's range, index 1 the transmitter's.
    std::array<QLineEdit*, 2> txtStartFrequency{};
    std::array<QLineEdit*, 2> txtStopFrequency{};
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCancel = nullptr;
    LevelsSection* levels_ = nullptr;
};

} // namespace spurline
