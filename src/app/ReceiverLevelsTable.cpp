#include "app/ReceiverLevelsTable.h"

#include "app/CellTableModel.h"
#include "document/FrequencyList.h"
#include "document/TextHelpers.h"
#include "engine/FinderTexts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace spurline {

ReceiverLevelsTable::ReceiverLevelsTable(QWidget* parent) : QWidget(parent) {
    std::vector<QString> captions = Captions(ReceiverLevelCaptions);
    captions.push_back(QString::fromUtf8(findertexts::Remarks));
    model_ = new CellTableModel(std::move(captions), this);
    table_ = SortableTable(model_, this);
    table_->setObjectName(QStringLiteral("lvReceiverLevels"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QString::fromUtf8(findertexts::ReceiversHeading), this));
    layout->addWidget(table_, 1);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const int row = SourceRow(table_, index);
        if (row >= 0 && row < static_cast<int>(entries_.size())) {
            emit entryActivated(entries_[static_cast<std::size_t>(row)]);
        }
    });
}

void ReceiverLevelsTable::Show(const std::vector<ReceiverLevel>& receivers,
                               const FrequencyList& list) {
    std::vector<std::vector<QString>> texts;
    std::vector<std::vector<double>> keys;
    std::vector<bool> harmful;
    entries_.clear();
    for (const ReceiverLevel& r : receivers) {
        const FrequencyEntry& e = list.entry(r.entry - 1);
        std::vector<QString> row;
        for (const std::string& cell : ReceiverLevelCells(r, list)) {
            row.push_back(QString::fromStdString(cell));
        }
        row.push_back(QString::fromStdString(TrimBlanks(e.remarks())));
        texts.push_back(std::move(row));
        const LevelClass level = ClassOfMargin(r.marginDb);
        keys.push_back(
            {static_cast<double>(r.entry), ReadCalculationRow(e, list.locale()).receiveFrequency,
             static_cast<double>(r.products), r.levelDbm, r.marginDb, static_cast<double>(level)});
        harmful.push_back(level == LevelClass::Harmful);
        entries_.push_back(r.entry);
    }
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    model_->SetRows(std::move(texts), std::move(keys), std::move(harmful));
    table_->resizeColumnsToContents();
}

} // namespace spurline
