#include "app/FinderWindows.h"

#include "app/FinderInputsPanel.h"
#include "app/IntermodPanel.h"
#include "app/MostChannelsRun.h"
#include "app/ReceiverLevelsTable.h"
#include "document/FrequencySelection.h"
#include "document/MessageBox.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"
#include "engine/AddFoundChannel.h"
#include "engine/CleanSetTexts.h"
#include "engine/FinderTexts.h"
#include "engine/SiteSummary.h"
#include "platform/BusyCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace spurline {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// A finite number to sort by: "none" sorts after every distance.
double Key(double value) {
    return std::isfinite(value) ? value : 1e12;
}

} // namespace

FindFrequenciesDialog::FindFrequenciesDialog(const FinderSources& sources, QWidget* parent)
    : QDialog(parent), sources_(sources) {
    setWindowTitle(Q(findertexts::FindTitle));
    setModal(true);
    const Locale& locale = sources_.list.locale();
    auto number = [&](double value, const char* pattern, const char* name) {
        auto* box = new QLineEdit(Q(FormatNumber(value, pattern, locale)), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setAlignment(Qt::AlignRight);
        return box;
    };
    role_ = new QComboBox(this);
    for (const char* role : findertexts::Roles) {
        role_->addItem(Q(role));
    }
    from_ = number(450, "0.00000", "txtFrom");
    to_ = number(470, "0.00000", "txtTo");
    step_ = number(12.5, "0.00", "txtStep");
    txBandwidth_ = number(12.5, "0.00", "txtTxBandwidth");
    rxBandwidth_ = number(12.5, "0.00", "txtRxBandwidth");
    offset_ = number(0, "0.00", "txtOffset");
    spacing_ = number(0, "0.00", "txtSpacing");
    role_->setObjectName(QStringLiteral("cboRole"));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("udcCount"));
    count_->setRange(1, 100);
    most_ = new QCheckBox(Q(MostChannelsChoice), this);
    most_->setObjectName(QStringLiteral("chkMost"));
    auto* howMany = new QWidget(this);
    auto* howManyRow = new QHBoxLayout(howMany);
    howManyRow->setContentsMargins(0, 0, 0, 0);
    howManyRow->addWidget(count_);
    howManyRow->addWidget(most_);
    howManyRow->addStretch();
    connect(most_, &QCheckBox::toggled, count_, &QWidget::setDisabled);

    auto* form = new QFormLayout;
    const QWidget* fields[] = {role_,        from_,   to_,      step_,  txBandwidth_,
                               rxBandwidth_, offset_, spacing_, howMany};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        form->addRow(Q(findertexts::Labels[k]), const_cast<QWidget*>(fields[k]));
    }
    inputs_ = new FinderInputsPanel(
        locale, sources_.dialogs, sources_.messages,
        [this] {
            bool good = false;
            return Request(good);
        },
        this);
    connect(inputs_, &FinderInputsPanel::candidatesChanged, this, [this](bool channels) {
        for (QLineEdit* box : {from_, to_, step_}) {
            box->setEnabled(!channels);
        }
    });
    connect(role_, &QComboBox::currentIndexChanged, this, [this](int index) {
        txBandwidth_->setEnabled(index != 1);
        rxBandwidth_->setEnabled(index != 0);
        offset_->setEnabled(index == 2);
    });

    find_ = new QPushButton(Q(findertexts::Find), this);
    add_ = new QPushButton(Q(findertexts::Add), this);
    auto* close = new QPushButton(Q(findertexts::Close), this);
    find_->setDefault(true);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    model_ = new CellTableModel(Captions(FinderColumnCaptions), this);
    table_ = SortableTable(model_, this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(find_);
    buttons->addWidget(add_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(inputs_);
    layout->addWidget(progress_);
    layout->addWidget(table_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(960, 760);

    connect(find_, &QPushButton::clicked, this, &FindFrequenciesDialog::Find);
    connect(add_, &QPushButton::clicked, this, &FindFrequenciesDialog::AddSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableView::doubleClicked, this, &FindFrequenciesDialog::AddSelected);
}

void FindFrequenciesDialog::MarkOutOfDate() {
    if (searching_ || found_.empty() || outOfDate_) {
        return;
    }
    outOfDate_ = true;
    add_->setEnabled(false);
    status_->setText(Q(findertexts::OutOfDate));
    status_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
}

void FindFrequenciesDialog::Open() {
    const FrequencyList& list = sources_.list;
    const int row = sources_.selection.currentRow();
    if (row >= 0 && row < list.count()) {
        // The selected entry's bandwidths and role are the likeliest for its new neighbour.
        const FrequencyEntry& e = list.entry(row);
        const std::string txrx = e.txrx();
        role_->setCurrentIndex(EqualsIgnoringCase(txrx, "Tx")   ? 0
                               : EqualsIgnoringCase(txrx, "Rx") ? 1
                                                                : 2);
        for (auto [box, text] :
             {std::pair{txBandwidth_, e.txbandwidth()}, std::pair{rxBandwidth_, e.rxbandwidth()}}) {
            if (ParseNumber(TrimBlanks(text), list.locale()).has_value()) {
                box->setText(Q(TrimBlanks(text)));
            }
        }
        if (EqualsIgnoringCase(txrx, "Both")) {
            offset_->setText(Q(TrimBlanks(e.offset())));
        }
    }
    emit role_->currentIndexChanged(role_->currentIndex());
    show();
    raise();
    activateWindow();
}

FinderRequest FindFrequenciesDialog::Request(bool& good) const {
    const Locale& locale = sources_.list.locale();
    FinderRequest r;
    r.role = role_->currentIndex() == 0   ? FinderRole::Tx
             : role_->currentIndex() == 1 ? FinderRole::Rx
                                          : FinderRole::Both;
    good = true;
    auto read = [&](QLineEdit* box, double& target) {
        const std::optional<double> value =
            ParseNumber(TrimBlanks(box->text().toStdString()), locale);
        good = good && value.has_value();
        target = value.value_or(0);
    };
    read(from_, r.fromMHz);
    read(to_, r.toMHz);
    read(step_, r.stepKHz);
    read(txBandwidth_, r.txBandwidthKHz);
    read(rxBandwidth_, r.rxBandwidthKHz);
    read(offset_, r.offsetKHz);
    read(spacing_, r.spacingKHz);
    r.count = count_->value();
    return r;
}

void FindFrequenciesDialog::Find() {
    if (searching_) {
        return;
    }
    IMessageBox& messages = sources_.messages;
    bool good = false;
    FinderRequest request = Request(good);
    if (!good) {
        messages.CenteredMsgBox(findertexts::BadNumber, msgbox::Exclamation);
        return;
    }
    if (!inputs_->Fill(request)) {
        return;
    }
    if (const char* problem = CheckFinderRequest(request)) {
        messages.CenteredMsgBox(problem, msgbox::Exclamation);
        return;
    }
    const FrequencyList& list = sources_.list;
    const IntermodOptions options = sources_.panel.Options();
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list.locale());
    if (!(limits.lower < limits.upper)) {
        messages.CenteredMsgBox(findertexts::LimitMessage, msgbox::Exclamation);
        return;
    }
    searching_ = true;
    stop_ = false;
    outOfDate_ = false;
    status_->setStyleSheet(QString());
    find_->setEnabled(false);
    add_->setEnabled(false);
    BusyCursor busy;
    busy.Set(true);
    FrequencyFinder finder(ReadCalculationTable(list), options, limits);
    const FinderProgress progress = [this](double fraction) {
        progress_->setValue(static_cast<int>(fraction * 1000));
        // Escape reaches reject() from in here and asks the search to stop.
        QCoreApplication::processEvents();
        return !stop_;
    };
    const bool most = most_->isChecked();
    CleanSetResult largest;
    if (most) {
        largest =
            RunMostChannels(finder.site(), options, limits, request, *progress_, *status_, stop_);
        found_ = largest.channels;
    } else {
        found_ =
            request.count > 1 ? finder.Plan(request, progress) : finder.Search(request, progress);
    }
    used_ = request;
    // A stopped search for the most channels keeps its best set.
    const bool stopped = stop_ && !most;
    searching_ = false;
    find_->setEnabled(true);
    add_->setEnabled(true);
    progress_->setValue(stopped ? 0 : 1000);

    std::vector<std::vector<QString>> texts;
    std::vector<std::vector<double>> keys;
    for (const CandidateResult& c : found_) {
        std::vector<QString> row;
        for (const std::string& cell : CandidateCells(c, list.locale())) {
            row.push_back(Q(cell));
        }
        texts.push_back(std::move(row));
        keys.push_back({c.frequencyMHz, c.clean() ? 0.0 : 1.0, static_cast<double>(c.conflicts),
                        static_cast<double>(c.lowestOrder), Key(c.closestKHz),
                        Key(c.nearestCarrierKHz)});
    }
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->SetRows(std::move(texts), std::move(keys));
    table_->resizeColumnsToContents();
    if (!found_.empty()) {
        table_->selectRow(0);
    }
    status_->setText(most      ? Q(MostChannelsText(largest))
                     : stopped ? Q(findertexts::Stopped)
                               : Q(FinderStatus(found_, request)));
}

void FindFrequenciesDialog::AddSelected() {
    if (outOfDate_) {
        return;
    }
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        sources_.messages.CenteredMsgBox(findertexts::PickFirst, msgbox::Exclamation);
        return;
    }
    for (const QModelIndex& index : rows) {
        const int row = SourceRow(table_, index);
        if (row < 0 || row >= static_cast<int>(found_.size())) {
            continue;
        }
        using Result = AddFreqDialogModel::CommitResult;
        const Result result =
            AddFoundChannel(sources_.list, sources_.selection, sources_.commands,
                            WithOffsetOf(used_, found_[static_cast<std::size_t>(row)]),
                            found_[static_cast<std::size_t>(row)].frequencyMHz);
        if (result != Result::Stored) {
            sources_.messages.CenteredMsgBox(result == Result::Duplicate ? findertexts::Duplicate
                                                                         : findertexts::OutOfRange,
                                             msgbox::Exclamation);
        }
    }
}

void FindFrequenciesDialog::reject() {
    if (searching_) {
        stop_ = true;
        return;
    }
    QDialog::reject();
}

SiteSummaryWindow::SiteSummaryWindow(const FinderSources& sources, QWidget* parent)
    : QDialog(parent), sources_(sources) {
    setWindowTitle(Q(findertexts::SummaryTitle));
    std::vector<QString> captions = Captions(SummaryColumnCaptions);
    captions.push_back(Q(findertexts::Remarks));
    model_ = new CellTableModel(std::move(captions), this);
    table_ = SortableTable(model_, this);
    worst_ = new QLineEdit(this);
    worst_->setReadOnly(true);
    auto* refresh = new QPushButton(Q(findertexts::Refresh), this);
    auto* close = new QPushButton(Q(findertexts::Close), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(refresh);
    buttons->addStretch();
    buttons->addWidget(close);
    receivers_ = new ReceiverLevelsTable(this);
    receivers_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(worst_);
    layout->addWidget(table_, 1);
    layout->addWidget(receivers_, 1);
    layout->addLayout(buttons);
    resize(860, 640);
    connect(refresh, &QPushButton::clicked, this, &SiteSummaryWindow::Refresh);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { SelectEntry(SourceRow(table_, index) + 1); });
    connect(receivers_, &ReceiverLevelsTable::entryActivated, this,
            &SiteSummaryWindow::SelectEntry);
}

void SiteSummaryWindow::SelectEntry(int entry) {
    FrequencySelection& selection = sources_.selection;
    if (entry >= 1 && entry <= sources_.list.count()) {
        selection.SetAllSelected(false);
        selection.SetSelected(entry - 1, true);
        selection.SetCurrentRow(entry - 1);
    }
}

void SiteSummaryWindow::LevelsChanged() {
    if (!(sources_.levelsOn && sources_.levelsOn())) {
        receivers_->hide();
    }
}

void SiteSummaryWindow::Refresh() {
    const FrequencyList& list = sources_.list;
    const IntermodOptions options = sources_.panel.Options();
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list.locale());
    const bool levels = sources_.levelsOn && sources_.levelsOn();
    BusyCursor busy;
    busy.Set(true);
    // Both tables from one walk of the products.
    const SiteSummary site =
        SummariseList(list, options, limits, levels ? &list.siteLevels() : nullptr);
    const std::vector<EntrySummary>& summary = site.entries;
    std::vector<std::vector<QString>> texts;
    std::vector<std::vector<double>> keys;
    for (const EntrySummary& s : summary) {
        std::vector<QString> row;
        for (const std::string& cell : SummaryCells(s, list)) {
            row.push_back(Q(cell));
        }
        row.push_back(Q(TrimBlanks(list.entry(s.entry - 1).remarks())));
        texts.push_back(std::move(row));
        const CalculationRow calc = ReadCalculationRow(list.entry(s.entry - 1), list.locale());
        keys.push_back({static_cast<double>(s.entry), calc.receiveFrequency,
                        static_cast<double>(calc.role), static_cast<double>(s.products),
                        static_cast<double>(s.victims), static_cast<double>(s.received),
                        static_cast<double>(s.lowestOrder), Key(s.closestKHz)});
    }
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->SetRows(std::move(texts), std::move(keys));
    table_->resizeColumnsToContents();
    worst_->setText(Q(WorstTransmitterText(summary, list)));
    receivers_->Show(site.receivers, list);
    receivers_->setVisible(levels);
}

FinderCommands::FinderCommands(QWidget& window, QMenu& mnuIntermods, const FinderSources& sources)
    : QObject(&window), window_(window), sources_(sources) {
    QMenu* menu = &mnuIntermods;
    QAction* before = menu->actions().size() > 1 ? menu->actions().at(1) : nullptr;
    mnuFindFrequencies = new QAction(Q(findertexts::FindMenu), menu);
    mnuFindFrequencies->setObjectName(QStringLiteral("mnuFindFrequencies"));
    mnuSiteSummary = new QAction(Q(findertexts::SummaryMenu), menu);
    mnuSiteSummary->setObjectName(QStringLiteral("mnuSiteSummary"));
    menu->insertAction(before, mnuFindFrequencies);
    menu->insertAction(before, mnuSiteSummary);
    connect(mnuFindFrequencies, &QAction::triggered, this, [this] { findDialog().Open(); });
    connect(mnuSiteSummary, &QAction::triggered, this, [this] {
        SiteSummaryWindow& window = summaryWindow();
        window.Refresh();
        window.show();
        window.raise();
    });
}

void FinderCommands::SiteChanged() {
    if (find_ != nullptr) {
        find_->MarkOutOfDate();
    }
    if (summary_ != nullptr) {
        summary_->LevelsChanged();
    }
}

void FinderCommands::SetStore(ISettingsStore& store) {
    store_ = &store;
    if (find_ != nullptr) {
        find_->inputs()->SetStore(store);
    }
}

FindFrequenciesDialog& FinderCommands::findDialog() {
    if (find_ == nullptr) {
        find_ = new FindFrequenciesDialog(sources_, &window_);
        if (store_ != nullptr) {
            find_->inputs()->SetStore(*store_);
        }
    }
    return *find_;
}

SiteSummaryWindow& FinderCommands::summaryWindow() {
    if (summary_ == nullptr) {
        summary_ = new SiteSummaryWindow(sources_, &window_);
    }
    return *summary_;
}

} // namespace spurline
