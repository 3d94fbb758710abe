#pragma once

#include <QObject>
#include <QTimer>

class QTableView;

namespace spurline {

// Keeps a list's ID column as wide as its check boxes, victim icons and numbers need, and never
// narrower than its design width, so that the ID of a victim row, which the intermod list refers
// to, stays readable.
class IdColumnFit final : public QObject {
    Q_OBJECT

public:
    IdColumnFit(QTableView& view, int column, int designWidth);

private:
    void Fit();

    QTableView& view_;
    int column_;
    int designWidth_;
    QTimer due_; // many row changes at once (a load, a calculation) are measured once
};

} // namespace spurline
