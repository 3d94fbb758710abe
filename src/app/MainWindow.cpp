#include "app/MainWindow.h"

#include "app/AppShell.h"
#include "app/CalculationRunner.h"
#include "app/ColumnWidths.h"
#include "app/FileCommandHost.h"
#include "app/FinderWindows.h"
#include "app/FrequencyListEvents.h"
#include "app/FrequencyListModel.h"
#include "app/FrequencySelectionSync.h"
#include "app/GraphSaveCommand.h"
#include "app/GraphWheelZoom.h"
#include "app/GraphWidget.h"
#include "app/GraphZoomPanel.h"
#include "app/HelpDocument.h"
#include "app/IntermodListModel.h"
#include "app/IntermodPanel.h"
#include "app/KeyPreview.h"
#include "app/LevelCommands.h"
#include "app/MainWindowPlacement.h"
#include "app/OutputCommands.h"
#include "app/SiteHeader.h"
#include "app/frmAddFreq.h"
#include "document/DeleteEntries.h"
#include "engine/ParallelEnumeration.h"
#include "graph/MouseWheel.h"
#include "platform/CHookMouseWheel.h"
#include "platform/QtDesktopViewer.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBox.h"
#include "platform/QtStrings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

namespace spurline {

frmMain::frmMain(const Locale& locale, QWidget* parent)
    : frmMain(locale, std::make_unique<QtMessageBox>(), nullptr, std::make_unique<QtFileDialogs>(),
              nullptr, parent) {
    static_cast<QtMessageBox&>(messages_).setMainWindow(this);
    static_cast<QtFileDialogs&>(dialogs_).setParent(this);
}

frmMain::frmMain(const Locale& locale, IMessageBox& messages, IFileDialogs& dialogs,
                 QWidget* parent)
    : frmMain(locale, nullptr, &messages, nullptr, &dialogs, parent) {}

frmMain::frmMain(const Locale& locale, std::unique_ptr<IMessageBox> ownMessages,
                 IMessageBox* messages, std::unique_ptr<IFileDialogs> ownDialogs,
                 IFileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), ownMessages_(std::move(ownMessages)), ownDialogs_(std::move(ownDialogs)),
      messages_(messages ? *messages : *ownMessages_), dialogs_(dialogs ? *dialogs : *ownDialogs_),
      list_(locale), products_(messages_), calculation_(list_, products_, intermodRows_, messages_),
      recalculate_(calculation_, products_, intermodRows_), graph_(list_, products_) {
    openDocument_ = [this](const QString& path, std::function<void()> failed) {
        return OpenInDesktopViewer(path, *this, [failed = std::move(failed)](bool shown) {
            if (!shown && failed) {
                failed();
            }
        });
    };
    list_.AddObserver(this);
    calculation_.recalculateDue = [this] { RecalculateDue(); };
    calculation_.selection = &selection_;
    calculation_.commandStates = &listCommands_;
    calculation_.SetThreads(DefaultCalculationThreads());
    recalculate_.calculate = [this] { cmdCalculate_Click(); };
    recalculate_.drawGraph = [this] { DrawGraph(); };
    graph_.drawGraph = [this] { DrawGraph(); };
    graph_.beep = [] { QApplication::beep(); };
    graph_.recalculateDue = [this] { RecalculateDue(); };
    intermodRows_.stateChanged = [this] { MirrorIntermodState(); };

    hookWheel_ = AttachGraphWheelZoom(*this, graph_);
    model_ = new FrequencyListModel(list_, this);
    intermodModel_ = new IntermodListModel(intermodRows_, this);
    ui_ = BuildMainWindowWidgets(*this, list_, *model_, *intermodModel_, graph_,
                                 listCommands_.EditMenuTarget);
    setCentralWidget(ui_.central);
    new MainWindowPlacement(*this, ui_);
    selectionSync_ =
        new FrequencySelectionSync(selection_, listCommands_, *model_, *ui_.lvFreqs, this);
    ConnectControls();
    resize(1000, 720);
    BuildMenus();
    finder_ = new FinderCommands(
        *this, *menus_.mnuIntermods,
        FinderSources{list_, selection_, listCommands_, *ui_.tbsIntermods, messages_, &dialogs_,
                      [this] { return levels_ != nullptr && levels_->on(); }});
    connect(this, &frmMain::recalculationDue, finder_, &FinderCommands::SiteChanged);
    levels_ = new LevelCommands(*this, menus_, list_, ui_.tbsIntermods->lvIntermods(), graph_);
    levels_->recalculateDue = [this] { RecalculateDue(); };
    intermodModel_->SetLocale(list_.locale());

    host_ =
        std::make_unique<FileCommandHost>(*this, ui_.header->txtFilename(), *ui_.statusline,
                                          [this](const std::string& path) { UpdateCaption(path); });
    fileCommands_ = std::make_unique<FileCommands>(list_, selection_, listCommands_, messages_,
                                                   dialogs_, *host_);
    runner_ =
        std::make_unique<CalculationRunner>(*this, calculation_, *ui_.progressbarouter,
                                            *ui_.progressbarinner, *ui_.pcdone, list_.locale());
    runner_->recalculateDue = [this] { RecalculateDue(); };

    output_ = new OutputCommands(*this,
                                 OutputSources{list_, selection_, listCommands_, products_, graph_,
                                               *ui_.tbsIntermods, *ui_.lvFreqs, *fileCommands_},
                                 messages_, dialogs_);
    listEvents_ = new FrequencyListEvents(list_, selection_, listCommands_, *ui_.lvFreqs,
                                          *ui_.cmdDelete, this);
    listEvents_->showDialog = [this](bool editMode) { ShowAddFreqDialog(editMode); };
    listEvents_->recalculateDue = [this] { RecalculateDue(); };
    ConnectCommands();
    StartKeyPreview();

    listCommands_.stateChanged = [this] { MirrorDocumentState(); };
    MirrorDocumentState();
    MirrorIntermodState();
    UpdateCaption({});
}

frmMain::~frmMain() {
    hookWheel_->setHwnd(nullptr);
    keyPreview_.reset();
    runner_.reset();
    listCommands_.stateChanged = nullptr;
    delete selectionSync_;
    selectionSync_ = nullptr;
    // The models observe the document and the rows; let them go first.
    ui_.lvFreqs->setModel(nullptr);
    ui_.tbsIntermods->lvIntermods().setModel(nullptr);
    delete model_;
    model_ = nullptr;
    delete intermodModel_;
    intermodModel_ = nullptr;
    list_.RemoveObserver(this);
    intermodRows_.stateChanged = nullptr;
}

ShellParts frmMain::shellParts() {
    return ShellParts{
        menus_, *fileCommands_, *host_,       messages_,           *ui_.tbsIntermods, recalculate_,
        graph_, list_.locale(), *ui_.cmdHelp, *ui_.lvFreqsColumns, *levels_};
}

void frmMain::ConnectControls() {
    SiteHeader& header = *ui_.header;
    connect(&header, &SiteHeader::loadRequested, this, &frmMain::cmdLoad_Click);
    connect(&header.cmdLoad(), &QPushButton::clicked, this, &frmMain::cmdLoad_Click);
    connect(&header.cmdSave(), &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(ui_.cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(ui_.cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(ui_.cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ui_.cmdHelp, &QPushButton::clicked, this, &frmMain::mnuHelp_Click);
    connect(ui_.cmdQuit, &QPushButton::clicked, this, &QWidget::close);
    IntermodPanel* panel = ui_.tbsIntermods;
    connect(panel, &IntermodPanel::recalculationDue, this, &frmMain::RecalculateDue);
    connect(panel, &IntermodPanel::plotFirstOrderClicked, this,
            [this] { graph_.PlotFirstOrderClicked(); });
    connect(panel, &IntermodPanel::editMenuRequested, this,
            [this](const EditMenuState& states, const QPoint& at) {
                listCommands_.EditMenuTarget = EditIntermodList;
                ShowEditMenu(states, at, intermodModel_->rowCount() > 0);
            });
    connect(
        &panel->picSpectrum(), &GraphWidget::editMenuRequested, this,
        [this](const EditMenuState& states, const QPoint& at) { ShowEditMenu(states, at, true); });
}

void frmMain::ConnectCommands() {
    connect(menus_.mnuExport, &QAction::triggered, output_, &OutputCommands::send_to_file);
    connect(menus_.mnuImportCsv, &QAction::triggered, this, [this] { csvCommands_.ImportCsv(); });
    connect(menus_.mnuSaveGraph, &QAction::triggered, this, [this] {
        SaveGraphAs(dialogs_, messages_, ui_.tbsIntermods->picSpectrum().image(), graph_.Inputs());
    });
    connect(menus_.mnuExportCsv, &QAction::triggered, this, [this] { csvCommands_.ExportCsv(); });
    connect(menus_.mnuPrint, &QAction::triggered, output_, &OutputCommands::cmdPrint_Click);
    connect(ui_.cmdPrint, &QPushButton::clicked, output_, &OutputCommands::cmdPrint_Click);
    connect(menus_.mnuCopy, &QAction::triggered, output_, &OutputCommands::mnuCopy_Click);
    connect(menus_.mnuCut, &QAction::triggered, output_, &OutputCommands::mnuCut_Click);

    connect(listEvents_, &FrequencyListEvents::editMenuRequested, this, &frmMain::ShowEditMenu);
    connect(listEvents_, &FrequencyListEvents::focusListRequested, this,
            [this] { ui_.lvFreqs->setFocus(Qt::OtherFocusReason); });
    connect(model_, &FrequencyListModel::documentStateChanged, this, &frmMain::MirrorDocumentState);
}

void frmMain::BuildMenus() {
    menus_ = BuildMainMenus(*menuBar());
    const MainMenus& m = menus_;
    connect(m.mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(m.mnuSave, &QAction::triggered, this, &frmMain::cmdSave_Click);
    connect(m.mnuOpen, &QAction::triggered, this, &frmMain::cmdLoad_Click);
    connect(m.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m.mnuCalculate, &QAction::triggered, this, &frmMain::cmdCalculate_Click);
    connect(m.mnuShowRemarks, &QAction::triggered, this, [this] { RecalculateDue(); });
    connect(m.mnuAutoRefresh, &QAction::triggered, this, [this](bool checked) {
        recalculate_.autoRefresh = checked;
        RecalculateDue();
    });
    connect(m.mnuAutoExtents, &QAction::triggered, this, [this] {
        graph_.ToggleAutoExtents();
        MirrorAutoZoom();
    });
    connect(m.mnuAutoVictims, &QAction::triggered, this, [this] {
        graph_.ToggleAutoVictims();
        MirrorAutoZoom();
    });
    // Del deletes frequencies only in the frequency list: elsewhere it would delete them unseen.
    m.mnuDelete->setShortcutContext(Qt::WidgetShortcut);
    ui_.lvFreqs->addAction(m.mnuDelete);
    connect(m.mnuDelete, &QAction::triggered, this, [this] {
        if (ui_.lvFreqs->hasFocus() || listCommands_.EditMenuTarget == EditFrequencyList) {
            deletedata(list_, selection_, listCommands_);
        }
    });
    connect(m.mnuSelectAll, &QAction::triggered, this, &frmMain::mnuSelectAll_Click);
    connect(m.mnuSelectChecked, &QAction::triggered, this, [this] { selection_.SelectChecked(); });
    connect(m.mnuInvertSelection, &QAction::triggered, this,
            [this] { selection_.InvertSelection(); });
    connect(m.mnuContents, &QAction::triggered, this, &frmMain::mnuHelp_Click);
    MirrorAutoZoom();
}

void frmMain::MirrorAutoZoom() {
    menus_.mnuAutoExtents->setChecked(graph_.autoZoom.extents);
    menus_.mnuAutoVictims->setChecked(graph_.autoZoom.victims);
}

void frmMain::UpdateCaption(const std::string& path) {
    setWindowTitle(ToQString(
        MainCaption(SPURLINE_VERSION_MAJOR, SPURLINE_VERSION_MINOR, SPURLINE_VERSION_PATCH, path)));
}

void frmMain::RecalculateDue() {
    emit recalculationDue();
    recalculate_();
}

void frmMain::RecalculationDue() {
    RecalculateDue();
}

void frmMain::IntermodResultsCleared() {
    intermodRows_.Clear();
    products_.Clear();
    if (intermodModel_ != nullptr) {
        intermodModel_->Refresh();
    }
}

void frmMain::DrawGraph() {
    graph_.showRemarks = menus_.mnuShowRemarks != nullptr && menus_.mnuShowRemarks->isChecked();
    if (ui_.tbsIntermods != nullptr) {
        ui_.tbsIntermods->picSpectrum().Redraw();
    }
}

// --- commands

void frmMain::mnuNew_Click() {
    fileCommands_->Clear();
    RecalculateDue();
}

void frmMain::cmdLoad_Click() {
    fileCommands_->cmdLoad_Click();
}

void frmMain::cmdSave_Click() {
    fileCommands_->cmdSave_Click();
}

void frmMain::cmdClear_Click() {
    if (fileCommands_->Clear()) {
        ui_.cmdAdd->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::cmdAdd_Click() {
    listEvents_->cmdAdd_Click();
}

void frmMain::ShowAddFreqDialog(bool editMode) {
    if (showAddFreq_) {
        showAddFreq_(editMode);
        return;
    }
    // Created on first use and hidden, not destroyed, when dismissed: it keeps its fields.
    if (addFreq_ == nullptr) {
        addFreq_ = new frmAddFreq(list_, selection_, listCommands_, this);
    }
    addFreq_->Open(editMode);
}

void frmMain::cmdCalculate_Click() {
    if (calculation_.running() || list_.empty()) {
        return;
    }
    const IntermodOptions options = ui_.tbsIntermods->Options();
    calculation_.levels =
        levels_->on() ? std::optional<SiteLevels>(list_.siteLevels()) : std::nullopt;
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list_.locale());
    if (!(limits.lower < limits.upper)) {
        // Shows the limit message and changes nothing else.
        calculation_.Calculate(options, *runner_);
        return;
    }
    // The rows are shown again, sorted once, when the calculation has finished.
    intermodModel_->Empty();
    runner_->Begin();
    calculation_.Calculate(options, *runner_);
    runner_->EnableWindow();
    graph_.AutoFit(ui_.tbsIntermods->FilterOption());
    intermodModel_->Refresh();
    runner_->End();
}

void frmMain::mnuHelp_Click() {
    OpenHelpDocument(QStringLiteral(SPURLINE_DOC_DIR), QCoreApplication::applicationDirPath(),
                     messages_, openDocument_);
}

void frmMain::mnuSelectAll_Click() {
    if (listCommands_.EditMenuTarget == EditIntermodList) {
        ui_.tbsIntermods->lvIntermods().selectAll();
    } else {
        selection_.SelectAll(listCommands_.EditMenuTarget);
    }
}

void frmMain::ShowEditMenu(const EditMenuState& states, const QPoint& globalPosition, bool popUp) {
    menus_.ApplyEditMenu(states);
    if (popUp) {
        menus_.PopUpEdit(states, globalPosition);
    }
}

void frmMain::MirrorIntermodState() {
    if (ui_.tbsIntermods == nullptr) {
        return;
    }
    QTableView& view = ui_.tbsIntermods->lvIntermods();
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base,
                     intermodRows_.outOfDate() ? QColor(255, 0, 0) : QColor(255, 255, 255));
    view.setPalette(palette);
    ui_.statusline->setText(ToQString(intermodRows_.statusLine()));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (calculation_.running()) {
        // Stop the calculation first; the window closes on the next request.
        calculation_.RequestAbort();
        event->ignore();
        return;
    }
    // The answer Yes means the user wants the list kept: when the save did not happen (the Save
    // dialog was cancelled or writing failed) the window stays open instead of losing the list.
    if (!fileCommands_->SaveQuestion()) {
        event->ignore();
        return;
    }
    event->accept();
    emit shuttingDown();
}

void frmMain::StartKeyPreview() {
    keyPreview_ = std::make_unique<KeyPreview>(*this, [this] { return calculation_.running(); });
    keyPreview_->SetKey(Qt::Key_F1, [this] { mnuHelp_Click(); });
    keyPreview_->SetKey(Qt::Key_Insert, [this] { cmdAdd_Click(); });
    keyPreview_->SetKey(Qt::Key_PageUp, [this] { graph_.ZoomOut(); });
    keyPreview_->SetKey(Qt::Key_PageDown, [this] { graph_.ZoomIn(); });
}

void frmMain::MirrorDocumentState() {
    ui_.header->Mirror();
    const CommandStates commands = listCommands_.commands();
    ui_.MirrorCommandStates(commands);
    menus_.MirrorCommandStates(commands);
}

} // namespace spurline
