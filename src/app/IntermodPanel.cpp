#include "app/IntermodPanel.h"

#include "app/ColumnWidths.h"
#include "app/GraphWidget.h"
#include "app/IntermodListModel.h"
#include "app/Twips.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"
#include "platform/QtStrings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace spurline {

namespace {

// Widths of the intermod list's columns in twips; 5 to 7, which the victim analysis fills, start
// hidden.
constexpr std::array<int, IntermodColumnCount> ColumnWidthsTwips{1880, 800,  3760, 3760, 900,
                                                                 2880, 2880, 2580, 1880};
constexpr int VictimColumnCount = 3;

constexpr std::array<int, 5> Orders{2, 3, 5, 7, 9};

// A box counts only when checked: a greyed one (a state the settings may restore) does not.
bool Ticked(const QCheckBox& box) {
    return box.checkState() == Qt::Checked;
}

} // namespace

IntermodPanel::IntermodPanel(IntermodListModel& model, GraphController& graph, const Locale& locale,
                             QWidget* parent)
    : QTabWidget(parent), model_(model), graph_(graph), locale_(locale) {
    setObjectName(QStringLiteral("tbsIntermods"));

    auto* listPage = new QWidget(this);
    listPage->setObjectName(QStringLiteral("frmIntermods0"));
    lvIntermods_ = new QTableView(listPage);
    lvIntermods_->setObjectName(QStringLiteral("lvIntermods"));
    lvIntermods_->setModel(&model_);
    lvIntermods_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvIntermods_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvIntermods_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvIntermods_->setShowGrid(false);
    lvIntermods_->setWordWrap(false);
    lvIntermods_->setTabKeyNavigation(false);
    lvIntermods_->verticalHeader()->hide();
    lvIntermods_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvIntermods_->verticalHeader()->setDefaultSectionSize(lvIntermods_->fontMetrics().height() + 6);
    lvIntermods_->horizontalHeader()->setHighlightSections(false);
    lvIntermods_->horizontalHeader()->setSectionsClickable(true);
    // The last composition or victim column shown takes the free width.
    columns_ = new ColumnWidths(*lvIntermods_, {ColumnWidthsTwips.begin(), ColumnWidthsTwips.end()},
                                {ImColComposition1, ImColComposition2, ImColAffects,
                                 ImColAffectedPlanned, ImColAffectedExisting});
    ShowVictimColumns(false);
    listViewport_ = lvIntermods_->viewport();
    listViewport_->installEventFilter(this);
    connect(lvIntermods_->horizontalHeader(), &QHeaderView::sectionClicked, &model_,
            &IntermodListModel::ColumnClick);
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(lvIntermods_);

    auto* graphPage = new QWidget(this);
    graphPage->setObjectName(QStringLiteral("frmIntermods1"));
    picSpectrum_ = new GraphWidget(graph_, graphPage);
    picSpectrum_->setObjectName(QStringLiteral("picSpectrum"));
    auto* graphLayout = new QVBoxLayout(graphPage);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    graphLayout->addWidget(picSpectrum_);

    addTab(listPage, QStringLiteral("List"));
    addTab(graphPage, QStringLiteral("Graph"));
    addTab(BuildOptionsPage(), QStringLiteral("Filter"));
    setCurrentIndex(1);

    SetOptions(IntermodOptions::Defaults());
}

QWidget* IntermodPanel::BuildOptionsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("frmIntermods2"));
    auto* picIntermodoptions = new QWidget(page);
    picIntermodoptions->setObjectName(QStringLiteral("picIntermodoptions"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(picIntermodoptions);

    auto check = [&](const char* caption, const QString& name) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), picIntermodoptions);
        box->setObjectName(name);
        return box;
    };
    const std::array<const char*, 5> orderCaptions{"&2nd Order", "&3rd Order", "&5th Order",
                                                   "&7th Order", "&9th Order"};
    auto* orders = new QVBoxLayout;
    for (std::size_t i = 0; i < Orders.size(); ++i) {
        const int order = Orders[i];
        QCheckBox* box = check(orderCaptions[i], QStringLiteral("chkImOrder%1").arg(order));
        chkImOrder[static_cast<std::size_t>(order)] = box;
        orders->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this] {
            SyncGraph();
            emit recalculationDue();
        });
    }
    orders->addStretch(1);

    chkWideband = check("Include harmonics and &sum products (2nd && 3rd order only)",
                        QStringLiteral("chkWideband"));
    chkSuperWideband = check("&Worst-case bandwidth (sum of component bandwidths)",
                             QStringLiteral("chkSuperWideband"));
    chkThreeFrequencies = check("Calculate 3 frequency &difference components",
                                QStringLiteral("chkThreeFrequencies"));
    chkPlotFirstOrder = check("&fundamental", QStringLiteral("chkPlotFirstOrder"));
    connect(chkWideband, &QCheckBox::clicked, this, [this] {
        chkImOrder[2]->setEnabled(Ticked(*chkWideband));
        emit recalculationDue();
    });
    connect(chkSuperWideband, &QCheckBox::clicked, this, &IntermodPanel::recalculationDue);
    connect(chkThreeFrequencies, &QCheckBox::clicked, this, &IntermodPanel::recalculationDue);
    connect(chkPlotFirstOrder, &QCheckBox::clicked, this, [this] {
        SyncGraph();
        emit plotFirstOrderClicked();
    });

    auto* limits = new QGridLayout;
    auto limit = [&](const char* caption, const char* name, int row) {
        auto* label = new QLabel(QString::fromLatin1(caption), picIntermodoptions);
        auto* box = new QLineEdit(picIntermodoptions);
        box->setObjectName(QString::fromLatin1(name));
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
        label->setBuddy(box);
        limits->addWidget(label, row, 0);
        limits->addWidget(box, row, 1);
        limits->addWidget(new QLabel(QStringLiteral("MHz"), picIntermodoptions), row, 2);
        return box;
    };
    txtLowerLimit = limit("Lower limit", "txtLowerLimit", 0);
    txtUpperLimit = limit("Upper limit", "txtUpperLimit", 1);
    limits->setColumnStretch(3, 1);

    auto* filter = new QGroupBox(QStringLiteral("Dispaly intermods affecting"), picIntermodoptions);
    filter->setObjectName(QStringLiteral("fraFilter"));
    auto* filterLayout = new QVBoxLayout(filter);
    filterGroup_ = new QButtonGroup(this);
    const std::array<const char*, 4> filterCaptions{" &Any frequency (low detail)",
                                                    "All &receivers", "&Planned receivers only",
                                                    "&Existing receivers ony"};
    for (int index = 3; index >= 0; --index) {
        auto* option = new QRadioButton(
            QString::fromLatin1(filterCaptions[static_cast<std::size_t>(index)]), filter);
        option->setObjectName(QStringLiteral("optShow%1").arg(index));
        optShow[static_cast<std::size_t>(index)] = option;
        filterGroup_->addButton(option, index);
        filterLayout->addWidget(option);
    }
    // Also when the program selects an option.
    connect(filterGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            optShow_Click(index);
        }
    });

    auto* right = new QVBoxLayout;
    right->addWidget(chkWideband);
    right->addWidget(chkSuperWideband);
    right->addWidget(chkThreeFrequencies);
    auto* plot = new QHBoxLayout;
    plot->addWidget(new QLabel(QStringLiteral("Plot:"), picIntermodoptions));
    plot->addWidget(chkPlotFirstOrder);
    plot->addStretch(1);
    right->addLayout(plot);
    right->addLayout(limits);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(picIntermodoptions);
    layout->addLayout(orders);
    layout->addLayout(right, 1);
    layout->addWidget(filter, 0, Qt::AlignTop);
    return page;
}

IntermodOptions IntermodPanel::Options() const {
    IntermodOptions options;
    for (const int order : Orders) {
        options.setOrder(order, Ticked(*chkImOrder[static_cast<std::size_t>(order)]));
    }
    options.harmonics = Ticked(*chkWideband);
    options.worstCase = Ticked(*chkSuperWideband);
    options.threeFrequencies = Ticked(*chkThreeFrequencies);
    options.filter = VictimFilter::FromOption(filterOption_);
    options.lowerLimit = ToStdString(txtLowerLimit->text());
    options.upperLimit = ToStdString(txtUpperLimit->text());
    return options;
}

int IntermodPanel::FilterOption() const {
    return filterOption_;
}

void IntermodPanel::SetOptions(const IntermodOptions& options) {
    for (const int order : Orders) {
        chkImOrder[static_cast<std::size_t>(order)]->setChecked(options.order(order));
    }
    chkWideband->setChecked(options.harmonics);
    chkImOrder[2]->setEnabled(options.harmonics);
    chkSuperWideband->setChecked(options.worstCase);
    chkThreeFrequencies->setChecked(options.threeFrequencies);
    const VictimFilter& f = options.filter;
    SelectFilterOption(f.anyFrequency                    ? 0
                       : f.showPlanned && f.showExisting ? 1
                       : f.showPlanned                   ? 2
                                                         : 3);
    SyncGraph();
}

void IntermodPanel::SelectFilterOption(int index) {
    QRadioButton* option = optShow.at(static_cast<std::size_t>(index));
    if (option->isChecked()) {
        optShow_Click(index);
    } else {
        option->setChecked(true);
    }
}

void IntermodPanel::optShow_Click(int index) {
    filterOption_ = index;
    ShowVictimColumns(index != 0);
    emit recalculationDue();
}

void IntermodPanel::ShowVictimColumns(bool show) {
    // Shown again at the widths they had.
    for (int column = ImColAffects; column < ImColAffects + VictimColumnCount; ++column) {
        lvIntermods_->setColumnHidden(column, !show);
    }
    columns_->Fit();
}

void IntermodPanel::SyncGraph() {
    for (const int order : Orders) {
        graph_.orders[static_cast<std::size_t>(order)] =
            Ticked(*chkImOrder[static_cast<std::size_t>(order)]);
    }
    graph_.plotFirstOrder = Ticked(*chkPlotFirstOrder);
}

void IntermodPanel::LimitLostFocus(QLineEdit& box, double& applied) {
    const std::string text = ToStdString(box.text());
    const double v = LeadingNumber(text, locale_);
    if (v == 0) {
        box.setText(QString());
    } else {
        box.setText(ToQString(FormatNumberText(text, patterns::Frequency, locale_)));
    }
    if (v != applied) {
        applied = v;
        emit recalculationDue();
    }
}

bool IntermodPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtLowerLimit) {
            LimitLostFocus(*txtLowerLimit, appliedLowerLimit);
        } else if (watched == txtUpperLimit) {
            LimitLostFocus(*txtUpperLimit, appliedUpperLimit);
        }
    } else if (watched == listViewport_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            EditMenuState states;
            states.deleteItem = false;
            states.cut = states.deleteItem;
            states.copy = model_.rowCount() > 0;
            states.selectAll = true;
            states.selectChecked = false;
            states.invertSelection = false;
            emit editMenuRequested(states, mouse->globalPosition().toPoint());
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

} // namespace spurline
