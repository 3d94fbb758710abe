#include "app/ColumnWidths.h"

#include "app/Twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>

namespace spurline {

ColumnWidths::ColumnWidths(QTableView& view, const std::vector<int>& designTwips,
                           std::vector<int> fillColumns)
    : QObject(&view), view_(view), fillColumns_(std::move(fillColumns)) {
    setObjectName(view.objectName() + QStringLiteral("Columns"));
    QHeaderView* header = view_.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    SectionCountChanged();
    for (std::size_t c = 0; c < designTwips.size() && c < widths_.size(); ++c) {
        widths_[c] = TwipsToPixels(designTwips[c], view_);
    }
    due_.setSingleShot(true);
    due_.setInterval(0);
    connect(&due_, &QTimer::timeout, this, &ColumnWidths::Fit);
    connect(header, &QHeaderView::sectionResized, this, &ColumnWidths::SectionResized);
    connect(header, &QHeaderView::sectionCountChanged, this, &ColumnWidths::SectionCountChanged);
    if (view_.model() != nullptr) {
        connect(view_.model(), &QAbstractItemModel::headerDataChanged, &due_,
                qOverload<>(&QTimer::start));
    }
    viewport_ = view_.viewport();
    viewport_->installEventFilter(this);
    Fit();
}

std::vector<int> ColumnWidths::WidthsTwips() const {
    std::vector<int> twips;
    const double dpi = view_.logicalDpiX();
    for (const int pixels : widths_) {
        twips.push_back(static_cast<int>(std::lround(pixels * 1440.0 / dpi)));
    }
    return twips;
}

void ColumnWidths::SetWidthsTwips(const std::vector<int>& twips) {
    for (std::size_t c = 0; c < twips.size() && c < widths_.size(); ++c) {
        widths_[c] = TwipsToPixels(twips[c], view_);
    }
    Fit();
}

int ColumnWidths::MinimumWidth(int column) const {
    const QHeaderView* header = view_.horizontalHeader();
    const QString text =
        view_.model() != nullptr
            ? view_.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
            : QString();
    const QStyle* style = header->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    // Room for the sort mark whether or not the column is sorted now, and for the frame.
    const int measured = header->fontMetrics().horizontalAdvance(text) + 3 * margin + mark + 2;
    return std::max(measured, header->sectionSizeHint(column));
}

int ColumnWidths::FillColumn() const {
    for (auto c = fillColumns_.rbegin(); c != fillColumns_.rend(); ++c) {
        if (*c < static_cast<int>(widths_.size()) && !view_.isColumnHidden(*c)) {
            return *c;
        }
    }
    return -1;
}

void ColumnWidths::Fit() {
    if (fitting_) {
        return;
    }
    const QScopedValueRollback fitting(fitting_, true);
    QHeaderView* header = view_.horizontalHeader();
    const int fill = FillColumn();
    int used = 0;
    for (int c = 0; c < static_cast<int>(widths_.size()); ++c) {
        if (view_.isColumnHidden(c) || c == fill) {
            continue;
        }
        const int width = std::max(widths_[static_cast<std::size_t>(c)], MinimumWidth(c));
        header->resizeSection(c, width);
        used += width;
    }
    if (fill >= 0) {
        const int chosen = std::max(widths_[static_cast<std::size_t>(fill)], MinimumWidth(fill));
        header->resizeSection(fill, std::max(chosen, view_.viewport()->width() - used));
    }
}

void ColumnWidths::SectionResized(int column, int oldSize, int newSize) {
    if (fitting_ || column < 0 || column >= static_cast<int>(widths_.size())) {
        return;
    }
    // A column being hidden goes to 0 and comes back from 0 at its old width: the choice stands.
    if (oldSize > 0 && newSize > 0) {
        widths_[static_cast<std::size_t>(column)] = newSize;
    }
    due_.start();
}

void ColumnWidths::SectionCountChanged() {
    const QHeaderView* header = view_.horizontalHeader();
    const auto count = static_cast<std::size_t>(std::max(0, header->count()));
    for (std::size_t c = widths_.size(); c < count; ++c) {
        widths_.push_back(header->sectionSize(static_cast<int>(c)));
    }
    widths_.resize(count);
    due_.start();
}

bool ColumnWidths::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize) {
        Fit();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace spurline
