#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

class QTableView;
class QWidget;

namespace spurline {

// Rows of texts with a number to sort each cell by (Qt::UserRole); rows marked harmful are shaded.
class CellTableModel final : public QAbstractTableModel {
public:
    CellTableModel(std::vector<QString> captions, QObject* parent);
    void SetRows(std::vector<std::vector<QString>> texts, std::vector<std::vector<double>> keys,
                 std::vector<bool> harmful = {});
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<QString> captions_;
    std::vector<std::vector<QString>> texts_;
    std::vector<std::vector<double>> keys_;
    std::vector<bool> harmful_;
};

// Column captions from the program's texts.
template <std::size_t N> std::vector<QString> Captions(const std::array<const char*, N>& captions) {
    std::vector<QString> result;
    for (const char* caption : captions) {
        result.push_back(QString::fromUtf8(caption));
    }
    return result;
}

// A read-only view of the model that sorts by the keys once a heading is clicked, rows whole.
QTableView* SortableTable(CellTableModel* model, QWidget* parent);
// The model row of a row of a SortableTable.
int SourceRow(const QTableView* table, const QModelIndex& index);

} // namespace spurline
