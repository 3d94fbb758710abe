#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace spurline {

// Rows of texts with a number to sort each cell by (Qt::UserRole).
class CellTableModel final : public QAbstractTableModel {
public:
    CellTableModel(std::vector<QString> captions, QObject* parent);
    void SetRows(std::vector<std::vector<QString>> texts, std::vector<std::vector<double>> keys);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<QString> captions_;
    std::vector<std::vector<QString>> texts_;
    std::vector<std::vector<double>> keys_;
};

} // namespace spurline
