#pragma once

#include "output/PrintWhat.h"

#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace spurline {

// The print dialog: what to print ("Print What", shared with the export) and which printer. It is
// created on first use and hidden, not destroyed, when dismissed, so the boxes keep their checks.
class frmPrint final : public QDialog {
    Q_OBJECT

public:
    frmPrint(PrintWhat& what, QWidget* parent = nullptr);

    // The current printer's label text, empty when no printer is installed.
    std::function<std::string()> printerLabel;
    // "&Setup...": the platform's setup dialog for the current printer.
    std::function<void()> setup;
    // "&OK": prints the selection.
    std::function<void()> print;
    // Shows the dialog modally; tests show it without blocking and answer it.
    std::function<void(frmPrint&)> runModal = [](frmPrint& dialog) { dialog.exec(); };

    // Shows the dialog modally with the availability of the three parts recomputed.
    void Open(int productCount, int frequencyRows, bool windowVisible);

private:
    void ShowOptions();
    void RefreshPrinterLabel();
    void cmdOK_Click();
    void cmdSetup_Click();

    PrintWhat& what_;
    QCheckBox* chkSpectrumDisplay = nullptr;
    QCheckBox* chkIntermodList = nullptr;
    QCheckBox* chkFrequencyList = nullptr;
    QLabel* lblPrinter = nullptr;
    QPushButton* cmdSetup = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace spurline
