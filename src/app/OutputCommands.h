#pragma once

#include "output/ClipboardCopy.h"
#include "output/PrintWhat.h"
#include "output/ReportContent.h"
#include "output/TextExport.h"
#include "platform/BusyCursor.h"
#include "platform/QtClipboard.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QPrinter;

namespace spurline {

class frmMain;
class frmPrint;
class IFileDialogs;
class IMessageBox;

// The main window's output commands: File > "&Export", the print dialog with the printout, and
// Edit > "&Copy" and "Cu&t". They read the window's lists and header fields and change nothing
// but the clipboard (and, for Cut, the frequency list).
class OutputCommands final : public QObject {
    Q_OBJECT

public:
    OutputCommands(frmMain& window, IMessageBox& messages, IFileDialogs& dialogs);
    ~OutputCommands() override;

    // The "Print What" options, shared by the print dialog and the export.
    PrintWhat& printWhat() { return printWhat_; }
    // What the export and the printout show: the window's fields and lists as displayed.
    ReportContent Content() const;

    void send_to_file();
    // "&Print" and "&Print...": the print dialog, modal.
    void cmdPrint_Click();
    void print_selection();
    void mnuCopy_Click();
    // Copies, then deletes the selected frequency-list rows.
    void mnuCut_Click();

    // The current printer: the default installed printer, or PDF output when none is installed.
    QPrinter& printer();
    // The print dialog, created on first use.
    frmPrint& printDialog();
    // The printer setup dialog (tests replace it).
    std::function<void(QPrinter&)> runSetupDialog;

    // The graph as displayed, drawn again for a box of box device pixels when that is sharper.
    QImage GraphPicture(QSize box) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string PrinterLabel();
    bool ChoosePdfFile();

    frmMain& window_;
    IMessageBox& messages_;
    IFileDialogs& dialogs_;
    PrintWhat printWhat_;
    TextExport export_;
    QtClipboard clipboard_;
    ClipboardCopy copy_;
    BusyCursor busy_;
    std::unique_ptr<QPrinter> printer_;
    std::string pdfFileName_;
    QPointer<frmPrint> printDialog_;
    QObject* frequencyView_ = nullptr; // compared only
    QObject* intermodView_ = nullptr;
    QObject* graphView_ = nullptr;
};

} // namespace spurline
