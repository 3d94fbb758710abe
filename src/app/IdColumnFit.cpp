#include "app/IdColumnFit.h"

#include <QAbstractItemModel>
#include <QTableView>

namespace spurline {

IdColumnFit::IdColumnFit(QTableView& view, int column, int designWidth)
    : QObject(&view), view_(view), column_(column), designWidth_(designWidth) {
    due_.setSingleShot(true);
    due_.setInterval(0);
    connect(&due_, &QTimer::timeout, this, &IdColumnFit::Fit);
    const QAbstractItemModel* model = view_.model();
    const auto schedule = [this] { due_.start(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, schedule);
    connect(model, &QAbstractItemModel::rowsRemoved, this, schedule);
    connect(model, &QAbstractItemModel::dataChanged, this, schedule);
    connect(model, &QAbstractItemModel::modelReset, this, schedule);
    connect(model, &QAbstractItemModel::layoutChanged, this, schedule);
}

void IdColumnFit::Fit() {
    view_.resizeColumnToContents(column_);
    if (view_.columnWidth(column_) < designWidth_) {
        view_.setColumnWidth(column_, designWidth_);
    }
}

} // namespace spurline
