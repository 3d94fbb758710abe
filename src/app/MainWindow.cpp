#include "app/MainWindow.h"

#include "app/CalculationRunner.h"
#include "app/FileCommandHost.h"
#include "app/FinderWindows.h"
#include "app/FrequencyListEvents.h"
#include "app/FrequencyListModel.h"
#include "app/GraphSaveCommand.h"
#include "app/GraphWidget.h"
#include "app/GraphZoomPanel.h"
#include "app/HelpDocument.h"
#include "app/IdColumnFit.h"
#include "app/IntermodListModel.h"
#include "app/IntermodPanel.h"
#include "app/MainWindowLayout.h"
#include "app/MenuShortcuts.h"
#include "app/OutputCommands.h"
#include "app/Twips.h"
#include "app/frmAddFreq.h"
#include "document/TextHelpers.h"
#include "engine/ParallelEnumeration.h"
#include "graph/MouseWheel.h"
#include "platform/CHookMouseWheel.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBox.h"
#include "platform/QtStrings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <cstdio>

namespace spurline {

namespace {

// Column widths of the frequency list in twips (1/1440 inch).
constexpr std::array<int, FrequencyColumnCount> ColumnWidthsTwips{780, 1770, 1470, 1350,
                                                                  750, 840,  1350, 3000};

} // namespace

std::string MainCaption(int major, int minor, int revision, const std::string& path) {
    char minorText[16];
    std::snprintf(minorText, sizeof minorText, "%02d", minor);
    std::string caption = "Spurline V" + std::to_string(major) + "." + minorText + " build " +
                          std::to_string(revision);
    if (!path.empty()) {
        caption += " - [" + FileNameFromPath(path) + "]";
    }
    return caption;
}

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
      list_(locale, messages_), products_(messages_),
      calculation_(list_, products_, intermodRows_, messages_),
      recalculate_(calculation_, products_, intermodRows_), graph_(list_, products_) {
    openDocument_ = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    list_.recalculateDue = [this] { RecalculateDue(); };
    list_.clearIntermodResults = [this] {
        intermodRows_.Clear();
        products_.Clear();
        if (intermodModel_ != nullptr) {
            intermodModel_->Refresh();
        }
    };
    calculation_.recalculateDue = [this] { RecalculateDue(); };
    calculation_.SetThreads(DefaultCalculationThreads());
    recalculate_.calculate = [this] { cmdCalculate_Click(); };
    recalculate_.drawGraph = [this] { DrawGraph(); };
    graph_.drawGraph = [this] { DrawGraph(); };
    graph_.beep = [] { QApplication::beep(); };
    graph_.recalculateDue = [this] { RecalculateDue(); };
    intermodRows_.stateChanged = [this] { MirrorIntermodState(); };

    AttachWheelHook();
    model_ = new FrequencyListModel(list_, this);
    intermodModel_ = new IntermodListModel(intermodRows_, this);
    BuildWidgets();
    BuildMenus();
    finder_ = new FinderCommands(*this);

    host_ = std::make_unique<FileCommandHost>(
        *this, *txtFilename, *statusline, [this](const std::string& path) { UpdateCaption(path); });
    fileCommands_ = std::make_unique<FileCommands>(list_, messages_, dialogs_, *host_);
    runner_ = std::make_unique<CalculationRunner>(*this, calculation_, *progressbarouter,
                                                  *progressbarinner, *pcdone, list_.locale());
    runner_->recalculateDue = [this] { RecalculateDue(); };

    output_ = new OutputCommands(*this, messages_, dialogs_);
    connect(menus_.mnuExport, &QAction::triggered, output_, &OutputCommands::send_to_file);
    connect(menus_.mnuImportCsv, &QAction::triggered, this, [this] { csvCommands_.ImportCsv(); });
    connect(menus_.mnuSaveGraph, &QAction::triggered, this, [this] {
        SaveGraphAs(dialogs_, messages_, tbsIntermods->picSpectrum().image(), graph_.Inputs());
    });
    connect(menus_.mnuExportCsv, &QAction::triggered, this, [this] { csvCommands_.ExportCsv(); });
    connect(menus_.mnuPrint, &QAction::triggered, output_, &OutputCommands::cmdPrint_Click);
    connect(cmdPrint, &QPushButton::clicked, output_, &OutputCommands::cmdPrint_Click);
    connect(menus_.mnuCopy, &QAction::triggered, output_, &OutputCommands::mnuCopy_Click);
    connect(menus_.mnuCut, &QAction::triggered, output_, &OutputCommands::mnuCut_Click);

    listEvents_ = new FrequencyListEvents(list_, *lvFreqs, *cmdDelete, this);
    listEvents_->showDialog = [this] { ShowAddFreqDialog(); };
    listEvents_->recalculateDue = [this] { RecalculateDue(); };
    connect(listEvents_, &FrequencyListEvents::editMenuRequested, this, &frmMain::ShowEditMenu);
    connect(listEvents_, &FrequencyListEvents::focusListRequested, this,
            [this] { lvFreqs->setFocus(Qt::OtherFocusReason); });

    connect(model_, &FrequencyListModel::documentStateChanged, this, &frmMain::MirrorDocumentState);
    connect(model_, &FrequencyListModel::documentSelectionChanged, this, &frmMain::MirrorSelection);
    connect(model_, &FrequencyListModel::documentRowChanged, this, &frmMain::MirrorRowSelection);

    // The key preview: the window sees F1, Insert, Page Up and Page Down before its controls.
    qApp->installEventFilter(this);

    MirrorDocumentState();
    MirrorIntermodState();
    UpdateCaption({});
}

frmMain::~frmMain() {
    hookWheel_->setHwnd(nullptr);
    qApp->removeEventFilter(this);
    runner_.reset();
    // The models observe the document and the rows; let them go first.
    lvFreqs->setModel(nullptr);
    tbsIntermods->lvIntermods().setModel(nullptr);
    delete model_;
    model_ = nullptr;
    delete intermodModel_;
    intermodModel_ = nullptr;
    list_.clearIntermodResults = nullptr;
    intermodRows_.stateChanged = nullptr;
}

void frmMain::AttachWheelHook() {
    hookWheel_ = new CHookMouseWheel(this);
    hookWheel_->setObjectName(QStringLiteral("hookWheel"));
    hookWheel_->setHwnd(this);
    // One notch away from the user zooms in, any other turn out. The horizontal wheel is not
    // used. A list passes on the turns it cannot scroll (at either end, or when it is short); they
    // stay with the list, so that a turn over a list never zooms the graph.
    connect(hookWheel_, &CHookMouseWheel::MouseWheel, this,
            [this](QWidget* under, MouseWheelEvent& notice) {
                for (QWidget* w = under; w != nullptr && w != this; w = w->parentWidget()) {
                    if (qobject_cast<QAbstractItemView*>(w) != nullptr) {
                        return;
                    }
                }
                graph_.MouseWheel(notice.Delta);
            });
}

void frmMain::BuildWidgets() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("central"));

    header_ = new QWidget(central_);
    auto* header = new QGridLayout(header_);
    header->setContentsMargins(0, 0, 0, 0);
    auto addField = [&](const char* caption, const char* name, int row, int column) {
        auto* label = new QLabel(QString::fromLatin1(caption), header_);
        auto* field = new QLineEdit(header_);
        field->setObjectName(QString::fromLatin1(name));
        label->setBuddy(field);
        header->addWidget(label, row, column * 2);
        header->addWidget(field, row, column * 2 + 1);
        return field;
    };
    txtName = addField("Name:", "txtName", 0, 0);
    txtComment = addField("Comments:", "txtComment", 1, 0);
    txtFilename = addField("File:", "txtFilename", 0, 1);
    txtDate = addField("Last Saved:", "txtDate", 1, 1);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(3, 1);
    txtFilename->setReadOnly(true);
    txtFilename->setCursor(Qt::PointingHandCursor);
    txtFilename->installEventFilter(this);
    txtDate->setReadOnly(true);

    auto button = [](const char* caption, const char* name, QWidget* parent) {
        auto* b = new QPushButton(QString::fromLatin1(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdLoad = button("&Load...", "cmdLoad", header_);
    cmdSave = button("&Save...", "cmdSave", header_);
    header->addWidget(cmdLoad, 0, 4);
    header->addWidget(cmdSave, 1, 4);

    lblFrequencies = new QLabel(QStringLiteral("Frequencies"), central_);
    lblFrequencies->setObjectName(QStringLiteral("lblFrequencies"));
    cmdAdd = button("&Add...", "cmdAdd", central_);
    cmdDelete = button("&Delete", "cmdDelete", central_);
    cmdClear = button("Clea&r All", "cmdClear", central_);

    lvFreqs = new QTableView(central_);
    lvFreqs->setObjectName(QStringLiteral("lvFreqs"));
    lblFrequencies->setBuddy(lvFreqs);
    lvFreqs->setModel(model_);
    lvFreqs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvFreqs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFreqs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFreqs->setShowGrid(false);
    lvFreqs->setWordWrap(false);
    lvFreqs->setTabKeyNavigation(false);
    lvFreqs->verticalHeader()->hide();
    lvFreqs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvFreqs->verticalHeader()->setDefaultSectionSize(lvFreqs->fontMetrics().height() + 6);
    lvFreqs->horizontalHeader()->setHighlightSections(false);
    SetColumnWidths();
    new IdColumnFit(*lvFreqs, ColId, lvFreqs->columnWidth(ColId));

    lblIntermods = new QLabel(QStringLiteral("Intermodulation products"), central_);
    lblIntermods->setObjectName(QStringLiteral("lblIntermods"));
    tbsIntermods = new IntermodPanel(*intermodModel_, graph_, list_.locale(), central_);
    tbsIntermods->picSpectrum().setEditMenuTarget(&list_.EditMenuTarget);
    // The zoom panel lies over the graph's top left corner, which stays put when the page grows.
    picZoomPan = new GraphZoomPanel(
        graph_, [this] { return tbsIntermods->FilterOption(); },
        tbsIntermods->picSpectrum().parentWidget());
    picZoomPan->move(2, 2);
    picZoomPan->raise();

    cmdCalculate = button("&Calculate", "cmdCalculate", central_);
    cmdPrint = button("&Print", "cmdPrint", central_);
    cmdHelp = button("&Help", "cmdHelp", central_);
    cmdQuit = button("&Quit", "cmdQuit", central_);

    progressbarouter = new QFrame(central_);
    progressbarouter->setObjectName(QStringLiteral("progressbarouter"));
    progressbarouter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    progressbarinner = new QFrame(progressbarouter);
    progressbarinner->setObjectName(QStringLiteral("progressbarinner"));
    progressbarinner->setAutoFillBackground(true);
    QPalette bar = progressbarinner->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 128));
    progressbarinner->setPalette(bar);
    pcdone = new QLabel(QStringLiteral("0%"), progressbarouter);
    pcdone->setObjectName(QStringLiteral("pcdone"));
    pcdone->setAlignment(Qt::AlignCenter);
    progressbarouter->hide();
    statusline = new QLabel(central_);
    statusline->setObjectName(QStringLiteral("statusline"));
    statusline->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Keyboard order: the "&Delete" button follows the list, so that it can be reached from it.
    QWidget::setTabOrder(lvFreqs, cmdDelete);
    QWidget::setTabOrder(cmdDelete, cmdAdd);
    QWidget::setTabOrder(cmdAdd, cmdClear);

    setCentralWidget(central_);
    central_->installEventFilter(this);

    connect(lvFreqs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmMain::ViewSelectionChanged);
    connect(lvFreqs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!mirroring_) {
                    list_.SetCurrentRow(current.isValid() ? current.row() : -1);
                    // A click into the list gives it the focus before the row is current.
                    if (lvFreqs->hasFocus()) {
                        list_.ListFocusChanged(true);
                    }
                }
            });
    connect(txtName, &QLineEdit::textEdited, this, [this] { HeaderFieldEdited(txtName, true); });
    connect(txtComment, &QLineEdit::textEdited, this,
            [this] { HeaderFieldEdited(txtComment, false); });
    connect(cmdLoad, &QPushButton::clicked, this, &frmMain::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmMain::cmdAdd_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::mnuHelp_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &QWidget::close);
    connect(tbsIntermods, &IntermodPanel::recalculationDue, this, &frmMain::RecalculateDue);
    connect(tbsIntermods, &IntermodPanel::plotFirstOrderClicked, this,
            [this] { graph_.PlotFirstOrderClicked(); });
    connect(tbsIntermods, &IntermodPanel::editMenuRequested, this,
            [this](const EditMenuState& states, const QPoint& at) {
                list_.EditMenuTarget = EditIntermodList;
                ShowEditMenu(states, at, intermodModel_->rowCount() > 0);
            });
    connect(
        &tbsIntermods->picSpectrum(), &GraphWidget::editMenuRequested, this,
        [this](const EditMenuState& states, const QPoint& at) { ShowEditMenu(states, at, true); });

    resize(1000, 720);
}

void frmMain::SetColumnWidths() {
    for (int column = 0; column < FrequencyColumnCount; ++column) {
        lvFreqs->setColumnWidth(
            column, TwipsToPixels(ColumnWidthsTwips[static_cast<std::size_t>(column)], *this));
    }
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
    lvFreqs->addAction(m.mnuDelete);
    connect(m.mnuDelete, &QAction::triggered, this, [this] {
        if (lvFreqs->hasFocus() || list_.EditMenuTarget == EditFrequencyList) {
            list_.deletedata();
        }
    });
    connect(m.mnuSelectAll, &QAction::triggered, this, &frmMain::mnuSelectAll_Click);
    connect(m.mnuSelectChecked, &QAction::triggered, this, [this] { list_.SelectChecked(); });
    connect(m.mnuInvertSelection, &QAction::triggered, this, [this] { list_.InvertSelection(); });
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

void frmMain::DrawGraph() {
    graph_.showRemarks = menus_.mnuShowRemarks != nullptr && menus_.mnuShowRemarks->isChecked();
    if (tbsIntermods != nullptr) {
        tbsIntermods->picSpectrum().Redraw();
    }
}

// --- commands

void frmMain::mnuNew_Click() {
    list_.Clear();
    RecalculateDue();
}

void frmMain::cmdLoad_Click() {
    fileCommands_->cmdLoad_Click();
}

void frmMain::cmdSave_Click() {
    fileCommands_->cmdSave_Click();
}

void frmMain::cmdClear_Click() {
    if (list_.Clear()) {
        cmdAdd->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::cmdAdd_Click() {
    listEvents_->cmdAdd_Click();
}

void frmMain::ShowAddFreqDialog() {
    if (showAddFreq_) {
        showAddFreq_();
        return;
    }
    // Created on first use and hidden, not destroyed, when dismissed: it keeps its fields.
    if (addFreq_ == nullptr) {
        addFreq_ = new frmAddFreq(list_, this);
    }
    addFreq_->Open(list_.EditMode);
}

void frmMain::cmdCalculate_Click() {
    if (calculation_.running() || list_.empty()) {
        return;
    }
    const IntermodOptions options = tbsIntermods->Options();
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
    graph_.AutoFit(tbsIntermods->FilterOption());
    intermodModel_->Refresh();
    runner_->End();
}

void frmMain::mnuHelp_Click() {
    OpenHelpDocument(QCoreApplication::applicationDirPath(), messages_, openDocument_);
}

void frmMain::mnuSelectAll_Click() {
    if (list_.EditMenuTarget == EditIntermodList) {
        tbsIntermods->lvIntermods().selectAll();
    } else {
        list_.SelectAll();
    }
}

void frmMain::ShowEditMenu(const EditMenuState& states, const QPoint& globalPosition, bool popUp) {
    menus_.ApplyEditMenu(states);
    if (popUp) {
        menus_.mnuEdit->popup(globalPosition);
    }
}

void frmMain::MirrorIntermodState() {
    if (tbsIntermods == nullptr) {
        return;
    }
    QTableView& view = tbsIntermods->lvIntermods();
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base,
                     intermodRows_.outOfDate() ? QColor(255, 0, 0) : QColor(255, 255, 255));
    view.setPalette(palette);
    statusline->setText(ToQString(intermodRows_.statusLine()));
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

bool frmMain::KeyPreview(QObject* receiver, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        receiver->isWidgetType() && isAncestorOf(static_cast<QWidget*>(receiver)) &&
        !calculation_.running()) {
        // The window claims a menu key that a control would take and runs the command itself
        // when the key arrives, whether or not the control's key scheme claims it.
        if (QAction* command = MenuShortcutFor(*static_cast<QKeyEvent*>(event), *this)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                command->trigger();
            }
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyRelease) {
        // Another key is on its way; the release of the previewed one may come while its
        // dialog is still open.
        if (!previewing_) {
            previewedKey_ = nullptr;
        }
        return false;
    }
    // A key the controls leave travels on up to the window. Once a modal dialog opened by it has
    // closed no control may have the focus yet, and the window would take it for a new key.
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() || event == previewedKey_) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(receiver);
    // A key travels from the focused control up to its parents; look at it once, on its way in.
    QWidget* focus = QApplication::focusWidget();
    if (widget != (focus != nullptr ? focus : this) || !(widget == this || isAncestorOf(widget))) {
        return false;
    }
    previewedKey_ = event;
    const QScopedValueRollback previewing(previewing_, true);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_F1:
        mnuHelp_Click();
        break;
    case Qt::Key_Insert:
        cmdAdd_Click();
        break;
    case Qt::Key_PageUp:
        graph_.ZoomOut();
        break;
    case Qt::Key_PageDown:
        graph_.ZoomIn();
        break;
    default:
        break;
    }
    return false;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) {
        PlaceControls();
    } else if (watched == txtFilename && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && txtFilename->rect().contains(mouse->pos())) {
            cmdLoad_Click();
            return true;
        }
    } else if (KeyPreview(watched, event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::PlaceControls() {
    const int m = TwipsToPixels(100, *this);
    const int W = central_->width();
    const int Hc = central_->height();
    const int headerHeight = header_->sizeHint().height();
    header_->setGeometry(m, m, std::max(0, W - 2 * m), headerHeight);

    auto design = [](QWidget* w, QSize size) {
        return ControlRect{w->x(), w->y(), size.width(), size.height()};
    };
    auto buttonSize = [this](QPushButton* b) {
        return QSize(std::max(b->sizeHint().width(), TwipsToPixels(1215, *this)),
                     b->sizeHint().height());
    };
    MainWindowControls c;
    c.cmdCalculate = design(cmdCalculate, buttonSize(cmdCalculate));
    c.cmdPrint = design(cmdPrint, buttonSize(cmdPrint));
    c.cmdClear = design(cmdClear, buttonSize(cmdClear));
    c.cmdDelete = design(cmdDelete, buttonSize(cmdDelete));
    c.cmdAdd = design(cmdAdd, buttonSize(cmdAdd));
    c.cmdQuit = design(cmdQuit, buttonSize(cmdQuit));
    c.cmdHelp = design(cmdHelp, buttonSize(cmdHelp));
    const int labelHeight = lblFrequencies->sizeHint().height();
    // The design puts the label far enough below the header for the top buttons to fit above
    // the list.
    c.lblFrequencies = {m, m + headerHeight + m + std::max(m, c.cmdClear.height - labelHeight),
                        lblFrequencies->sizeHint().width(), labelHeight};
    c.lvFreqs = design(lvFreqs, lvFreqs->size());
    c.lblIntermods = design(lblIntermods, lblIntermods->sizeHint());
    c.tbsIntermods = design(tbsIntermods, tbsIntermods->size());
    c.progressbarouter = design(progressbarouter, progressbarouter->size());
    const QSize percent(pcdone->fontMetrics().horizontalAdvance(QStringLiteral("100.0%")) + 8,
                        pcdone->sizeHint().height());
    c.pcdone = {pcdone->x(), (c.cmdQuit.height - percent.height()) / 2, percent.width(),
                percent.height()};
    c.statusline = design(statusline, QSize(statusline->width(), labelHeight));

    const MainWindowControls p = PlaceMainWindow(c, W, Hc, m, TabClientInsets{});
    auto apply = [](QWidget* w, const ControlRect& r) {
        w->setGeometry(r.left, r.top, r.width, r.height);
    };
    apply(cmdCalculate, p.cmdCalculate);
    apply(cmdPrint, p.cmdPrint);
    apply(cmdClear, p.cmdClear);
    apply(cmdDelete, p.cmdDelete);
    apply(cmdAdd, p.cmdAdd);
    apply(lblFrequencies, p.lblFrequencies);
    apply(lvFreqs, p.lvFreqs);
    apply(cmdQuit, p.cmdQuit);
    apply(cmdHelp, p.cmdHelp);
    apply(progressbarouter, p.progressbarouter);
    apply(pcdone, p.pcdone);
    apply(statusline, p.statusline);
    apply(lblIntermods, p.lblIntermods);
    // The tab strip places its own pages in its client area.
    apply(tbsIntermods, p.tbsIntermods);
    const QRect inner = progressbarouter->contentsRect();
    progressbarinner->setGeometry(inner.left(), inner.top(), std::max(1, progressbarinner->width()),
                                  inner.height());
    statusline->raise();
    picZoomPan->SetBackground(GraphWidget::backgroundColour());
}

// --- header fields

void frmMain::HeaderFieldEdited(QLineEdit* field, bool siteName) {
    const QString text = field->text();
    const std::string utf8 = ToStdString(text);
    const FilteredText filtered =
        RemoveFieldSeparator(utf8, Utf8OffsetOf(text, field->cursorPosition()), list_.locale());
    if (filtered.text != utf8) {
        field->setText(ToQString(filtered.text));
        field->setCursorPosition(QtIndexOf(filtered.text, filtered.caret));
    }
    if (siteName) {
        list_.SetSiteName(filtered.text);
    } else {
        list_.SetComment(filtered.text);
    }
}

// --- mirroring the document

void frmMain::MirrorDocumentState() {
    // Assigning only differing texts keeps the caret of the field being typed in.
    auto mirror = [](QLineEdit* field, const std::string& text) {
        const QString value = ToQString(text);
        if (field->text() != value) {
            field->setText(value);
        }
    };
    mirror(txtName, list_.siteName());
    mirror(txtComment, list_.comment());
    mirror(txtFilename, list_.fileDisplayPath());
    mirror(txtDate, list_.lastSaved());
    txtFilename->setToolTip(ToQString(list_.filePath()));

    const CommandStates& commands = list_.commands();
    cmdSave->setEnabled(commands.save);
    menus_.mnuSave->setEnabled(commands.save);
    cmdClear->setEnabled(commands.clear);
    cmdCalculate->setEnabled(commands.calculate);
    menus_.mnuCalculate->setEnabled(commands.calculate);
    cmdPrint->setEnabled(commands.print);
    menus_.mnuPrint->setEnabled(commands.print);
    cmdDelete->setEnabled(commands.deleteButton);
}

void frmMain::MirrorSelection() {
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    QItemSelection wanted;
    const int lastColumn = FrequencyColumnCount - 1;
    int first = -1;
    for (int row = 0; row <= list_.count(); ++row) {
        const bool selected =
            row < list_.count() && row < model_->rowCount() && list_.entry(row).selected;
        if (selected && first < 0) {
            first = row;
        } else if (!selected && first >= 0) {
            wanted.select(model_->index(first, 0), model_->index(row - 1, lastColumn));
            first = -1;
        }
    }
    mirroring_ = true;
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    const int current = list_.currentRow();
    const QModelIndex currentIndex =
        current >= 0 && current < model_->rowCount() ? model_->index(current, 0) : QModelIndex();
    if (selection->currentIndex().row() != currentIndex.row() ||
        !selection->currentIndex().isValid() != !currentIndex.isValid()) {
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    }
    mirroring_ = false;
}

void frmMain::MirrorRowSelection(int row) {
    if (mirroring_ || row < 0 || row >= model_->rowCount() || row >= list_.count()) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    const bool wanted = list_.entry(row).selected;
    if (selection->isRowSelected(row, QModelIndex()) == wanted) {
        return;
    }
    mirroring_ = true;
    selection->select(model_->index(row, 0),
                      (wanted ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                          QItemSelectionModel::Rows);
    mirroring_ = false;
}

void frmMain::ViewSelectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    if (mirroring_) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    mirroring_ = true;
    for (const QItemSelection* ranges : {&selected, &deselected}) {
        for (const QItemSelectionRange& range : *ranges) {
            for (int row = range.top(); row <= range.bottom() && row < list_.count(); ++row) {
                list_.SetSelected(row, selection->isRowSelected(row, QModelIndex()));
            }
        }
    }
    mirroring_ = false;
}

} // namespace spurline
