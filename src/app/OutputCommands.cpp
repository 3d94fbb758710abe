#include "app/OutputCommands.h"

#include "app/GraphWidget.h"
#include "app/IntermodListModel.h"
#include "app/IntermodPanel.h"
#include "app/frmPrint.h"
#include "document/DeleteEntries.h"
#include "document/FileCommands.h"
#include "document/FileDialogs.h"
#include "document/ListCommandStates.h"
#include "engine/IntermodItems.h"
#include "graph/DrawGraph.h"
#include "graph/GraphController.h"
#include "output/PrintReport.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogStartFolder.h"
#include "platform/QtPagePrinter.h"
#include "platform/QtStrings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace spurline {

namespace {

// The graph is drawn again for the printer at most this many device pixels per screen pixel:
// sharp on paper, yet cheap for a full result.
constexpr qreal MaxPrintRatio = 4;

constexpr const char* PdfPrinterName = "Print to PDF";

} // namespace

OutputCommands::OutputCommands(QWidget& window, const OutputSources& sources, IMessageBox& messages,
                               IFileDialogs& dialogs)
    : QObject(&window), window_(window), sources_(sources), messages_(messages), dialogs_(dialogs),
      export_(dialogs, messages),
      clipboard_([this] { return sources_.panel.picSpectrum().image(); }),
      copy_(clipboard_, messages) {
    export_.setBusyCursor = [this](bool busy) { busy_.Set(busy); };
    export_.programDirectory = [] {
        return QtDialogStartFolder(QCoreApplication::applicationDirPath());
    };
    export_.setDialogFileName = [this](const std::string& name) {
        sources_.files.SetDialogFileName(name);
    };
    // A press of any mouse button in a view makes it the one that Copy takes.
    frequencyView_ = sources_.lvFreqs.viewport();
    intermodView_ = sources_.panel.lvIntermods().viewport();
    graphView_ = &sources_.panel.picSpectrum();
    for (QObject* view : {frequencyView_, intermodView_, graphView_}) {
        view->installEventFilter(this);
    }
    runSetupDialog = [this](QPrinter& printer) {
        // Qt's page setup dialog refuses PDF output; its print dialog sets up either.
        QPrintDialog dialog(&printer, printDialog_);
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        // It only takes the settings here; printing is the print dialog's "&OK".
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Print")) {
                button->setText(QStringLiteral("&OK"));
            }
        }
        if (dialog.exec() == QDialog::Accepted && !printer.outputFileName().isEmpty()) {
            pdfFileName_ = ToStdString(printer.outputFileName());
        }
    };
}

OutputCommands::~OutputCommands() = default;

ReportContent OutputCommands::Content() const {
    IntermodPanel& panel = sources_.panel;
    std::vector<const IntermodListRow*> displayed;
    if (const auto* model = qobject_cast<const IntermodListModel*>(panel.lvIntermods().model())) {
        for (int row = 0; row < model->rowCount(); ++row) {
            displayed.push_back(&model->displayRow(row));
        }
    }
    const IntermodOptions options = panel.Options();
    ReportContent content = MakeReportContent(sources_.list, std::move(displayed),
                                              options.lowerLimit, options.upperLimit);
    // The outputs carry the margin exactly while the window shows it.
    content.marginShown = !panel.lvIntermods().isColumnHidden(IntermodListModel::MarginColumn);
    return content;
}

void OutputCommands::send_to_file() {
    export_.send_to_file([this] { return Content(); }, printWhat_);
}

// --- printing

QPrinter& OutputCommands::printer() {
    if (!printer_) {
        const QPrinterInfo installed =
            QPrinterInfo::defaultPrinter().isNull() && !QPrinterInfo::availablePrinters().isEmpty()
                ? QPrinterInfo::availablePrinters().first()
                : QPrinterInfo::defaultPrinter();
        if (installed.isNull()) {
            // Without a printer queue Qt's PDF output is still a printer the user can choose.
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_->setOutputFormat(QPrinter::PdfFormat);
        } else {
            printer_ = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
        }
    }
    return *printer_;
}

std::string OutputCommands::PrinterLabel() {
    QPrinter& current = printer();
    if (current.outputFormat() == QPrinter::PdfFormat) {
        return spurline::PrinterLabel(PdfPrinterName,
                                      pdfFileName_.empty() ? "FILE:" : pdfFileName_);
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(current.printerName());
    const QString port = info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
    return spurline::PrinterLabel(ToStdString(current.printerName()), ToStdString(port));
}

frmPrint& OutputCommands::printDialog() {
    if (printDialog_ == nullptr) {
        printDialog_ = new frmPrint(printWhat_, &window_);
        printDialog_->printerLabel = [this] { return PrinterLabel(); };
        printDialog_->setup = [this] {
            if (runSetupDialog) {
                runSetupDialog(printer());
            }
        };
        printDialog_->print = [this] { print_selection(); };
    }
    return *printDialog_;
}

void OutputCommands::cmdPrint_Click() {
    printDialog().Open(sources_.products.Count(), sources_.list.count(), window_.isVisible());
}

bool OutputCommands::ChoosePdfFile() {
    FileDialogOptions options;
    options.title = PdfPrinterName;
    options.filter = "PDF file (*.pdf)|*.pdf";
    options.initialDirectory = pdfFileName_.empty() ? ToStdString(QDir::homePath()) : std::string();
    options.initialName = pdfFileName_;
    options.confirmOverwrite = true;
    options.mustExist = true;
    const std::optional<std::string> chosen = dialogs_.GetSaveFileName(options);
    if (!chosen || chosen->empty()) {
        return false;
    }
    pdfFileName_ = *chosen;
    printer().setOutputFileName(ToQString(pdfFileName_));
    return true;
}

void OutputCommands::print_selection() {
    QPrinter& current = printer();
    // Nothing selected prints nothing, so there is no PDF file to ask for.
    if (current.outputFormat() == QPrinter::PdfFormat && printWhat_.anySelected() &&
        !ChoosePdfFile()) {
        return;
    }
    QtPagePrinter page(
        current, [this](QSize box) { return GraphPicture(box); },
        sources_.panel.picSpectrum().size());
    spurline::print_selection(page, Content(), printWhat_, messages_,
                              [this](bool busy) { busy_.Set(busy); });
}

QImage OutputCommands::GraphPicture(QSize box) const {
    GraphWidget& widget = sources_.panel.picSpectrum();
    const QSize logical = widget.size();
    if (logical.isEmpty() || box.isEmpty()) {
        return widget.image();
    }
    // The same drawing at the same size on screen, only with more pixels per screen pixel.
    const qreal fit = std::min(static_cast<qreal>(box.width()) / logical.width(),
                               static_cast<qreal>(box.height()) / logical.height());
    const qreal ratio = std::clamp(fit, widget.devicePixelRatioF(), MaxPrintRatio);
    QtCanvas canvas;
    canvas.Resize(logical, ratio, widget.logicalDpiY());
    DrawGraph(canvas, sources_.graph.Inputs());
    return canvas.image();
}

// --- clipboard

bool OutputCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        int& target = sources_.commands.EditMenuTarget;
        if (watched == frequencyView_) {
            target = EditFrequencyList;
        } else if (watched == intermodView_) {
            target = EditIntermodList;
        } else if (watched == graphView_) {
            target = EditGraph;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OutputCommands::mnuCopy_Click() {
    const int target = sources_.commands.EditMenuTarget;
    copy_.Copy(target, [this, target] {
        if (target == EditFrequencyList) {
            return FrequencyCopyTable(sources_.list, sources_.selection);
        }
        const ReportContent content = Content();
        QItemSelectionModel* selection = sources_.panel.lvIntermods().selectionModel();
        std::vector<bool> selected(content.intermods.size());
        for (std::size_t row = 0; row < selected.size(); ++row) {
            selected[row] = selection->isRowSelected(static_cast<int>(row), QModelIndex());
        }
        return IntermodCopyTable(content, selected);
    });
}

void OutputCommands::mnuCut_Click() {
    mnuCopy_Click();
    // Only frequency rows that were just copied are deleted: after a click on the intermod list
    // or the graph the copy holds those, and the selected frequencies would be lost unseen.
    if (sources_.commands.EditMenuTarget == EditFrequencyList) {
        deletedata(sources_.list, sources_.selection, sources_.commands);
    }
}

} // namespace spurline
