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
class QTableView;

namespace spurline {

class cIntermodItems;
class FileCommands;
class frmPrint;
class FrequencyList;
class FrequencySelection;
class ListCommandStates;
class GraphController;
class IFileDialogs;
class IMessageBox;
class IntermodPanel;

// What the output commands read: the document with its selection and command states (the Edit
// menu's target), the products, the graph, the intermod panel with its list and graph, the
// frequency list view, and the file commands' dialog file name.
struct OutputSources {
    FrequencyList& list;
    FrequencySelection& selection;
    ListCommandStates& commands;
    const cIntermodItems& products;
    GraphController& graph;
    IntermodPanel& panel;
    QTableView& lvFreqs;
    FileCommands& files;
};

// The main window's output commands: File > "&Export", the print dialog with the printout, and
// Edit > "&Copy" and "Cu&t". They read the window's lists and header fields and change nothing
// but the clipboard (and, for Cut, the frequency list).
class OutputCommands final : public QObject {
    Q_OBJECT

public:
    // window: the parent of the print dialog, the view of the commands' state.
    OutputCommands(QWidget& window, const OutputSources& sources, IMessageBox& messages,
                   IFileDialogs& dialogs);
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

    QWidget& window_;
    OutputSources sources_;
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
