#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

class QTableView;

namespace spurline {

// The columns of a list: the user drags them wider or narrower, the width the others leave free
// goes to the filling columns (first as much as their texts need, the rest to the last), none is
// ever narrower than its heading needs, and the widths chosen can be read and set in twips so that
// they outlive the program.
class ColumnWidths final : public QObject {
    Q_OBJECT

public:
    // Named after the view ("lvFreqsColumns"). designTwips: the starting widths (empty: as the view
    // has them). fillColumns: the columns that may take the free width; the last of them that is
    // shown takes it.
    ColumnWidths(QTableView& view, const std::vector<int>& designTwips,
                 std::vector<int> fillColumns);

    // The widths as chosen, in twips; the filling column's without the free width it was given,
    // a hidden column's as it will be when shown again.
    std::vector<int> WidthsTwips() const;
    void SetWidthsTwips(const std::vector<int>& twips);

    // The narrowest the column may be: its heading, the sort mark and the margins.
    int MinimumWidth(int column) const;
    // The column that takes the free width; -1 when none is shown.
    int FillColumn() const;
    // Lays the columns out again (after a column was shown or hidden).
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SectionResized(int column, int oldSize, int newSize);
    void SectionCountChanged();
    void MeasureContents();

    QTableView& view_;
    QObject* viewport_ = nullptr; // compared only: the view may be on its way out
    std::vector<int> widths_;     // pixels
    std::vector<int> fillColumns_;
    std::vector<int> contents_; // pixels the texts of the filling candidates need
    bool contentDue_ = true;
    bool fitting_ = false;
    QTimer due_; // a drag or a run of changes is laid out once, when it has settled
};

} // namespace spurline
