#pragma once

#include "document/FrequencyList.h"

#include <QAbstractTableModel>

namespace spurline {

// The frequency list document as a Qt table: eight text columns, the check box in the first, and
// the victim marks as colour, bold and grey. The document is the source of truth; this model only
// mirrors its notifications.
class FrequencyListModel final : public QAbstractTableModel, private IFrequencyListObserver {
    Q_OBJECT

public:
    explicit FrequencyListModel(FrequencyList& list, QObject* parent = nullptr);
    ~FrequencyListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    FrequencyList& list() { return list_; }

signals:
    // A row was appended, or its texts, check mark or victim mark changed.
    void documentRowChanged(int row);
    // The rows were reset: the view shows the selection afresh.
    void documentSelectionChanged();
    // Header fields or the changed state changed.
    void documentStateChanged();

private:
    void EntriesReset() override;
    void EntryAppended(int row) override;
    void EntryChanged(int row) override;
    void DocumentStateChanged() override;

    FrequencyList& list_;
    // The row count the views have been told about; the document may be one row ahead of it
    // while an insertion is being announced.
    int rows_ = 0;
};

} // namespace spurline
