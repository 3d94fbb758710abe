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
    if (const QAbstractItemModel* model = view_.model()) {
        connect(model, &QAbstractItemModel::headerDataChanged, &due_, qOverload<>(&QTimer::start));
        const auto measure = [this] {
            contentDue_ = true;
            due_.start();
        };
        connect(model, &QAbstractItemModel::modelReset, this, measure);
        connect(model, &QAbstractItemModel::layoutChanged, this, measure);
        connect(model, &QAbstractItemModel::rowsInserted, this, measure);
        connect(model, &QAbstractItemModel::rowsRemoved, this, measure);
        connect(model, &QAbstractItemModel::dataChanged, this, measure);
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
    const int fill = FillColumn();
    if (contentDue_) {
        MeasureContents();
    }
    std::vector<int> sizes(widths_.size(), 0);
    int free = view_.viewport()->width();
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        if (!view_.isColumnHidden(static_cast<int>(c))) {
            sizes[c] = std::max(widths_[c], MinimumWidth(static_cast<int>(c)));
            free -= sizes[c];
        }
    }
    // Free width first shows the texts cut short in the columns before the filling one.
    for (const int c : fillColumns_) {
        const auto k = static_cast<std::size_t>(c);
        if (free <= 0 || c == fill || k >= sizes.size() || view_.isColumnHidden(c)) {
            continue;
        }
        const int grow = std::clamp(contents_[k] - sizes[k], 0, free);
        sizes[k] += grow;
        free -= grow;
    }
    if (fill >= 0) {
        sizes[static_cast<std::size_t>(fill)] += std::max(0, free);
    }
    QHeaderView* header = view_.horizontalHeader();
    for (std::size_t c = 0; c < sizes.size(); ++c) {
        if (sizes[c] > 0) {
            header->resizeSection(static_cast<int>(c), sizes[c]);
        }
    }
}

void ColumnWidths::MeasureContents() {
    contentDue_ = false;
    contents_.assign(widths_.size(), 0);
    auto& view = static_cast<QAbstractItemView&>(view_);
    for (const int c : fillColumns_) {
        if (c < static_cast<int>(contents_.size()) && !view_.isColumnHidden(c)) {
            contents_[static_cast<std::size_t>(c)] = view.sizeHintForColumn(c);
        }
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
