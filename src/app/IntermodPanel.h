#pragma once

#include "document/Locale.h"
#include "engine/IntermodOptions.h"
#include "graph/GraphController.h"

#include <QTabWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace spurline {

class ColumnWidths;
class GraphWidget;
class IntermodListModel;

// The intermod panel: the tab strip with the intermod list, the spectrum graph and the options
// page, and what each option control does when it changes. The window reads the options from
// here when it calculates.
class IntermodPanel final : public QTabWidget {
    Q_OBJECT

public:
    IntermodPanel(IntermodListModel& model, GraphController& graph, const Locale& locale,
                  QWidget* parent = nullptr);

    // The options as the controls show them, with the limit boxes' texts.
    IntermodOptions Options() const;
    // The selected filter option: 0 any frequency, 1 all receivers, 2 planned, 3 existing only.
    int FilterOption() const;
    // Sets the controls (at start-up); the filter option is selected as if clicked.
    void SetOptions(const IntermodOptions& options);
    void SelectFilterOption(int index);

    // The 1-based number of the selected tab.
    int currentTab() const { return currentIndex() + 1; }

    QTableView& lvIntermods() { return *lvIntermods_; }
    GraphWidget& picSpectrum() { return *picSpectrum_; }
    // The intermod list's columns, whose widths the settings keep.
    ColumnWidths& columnWidths() { return *columns_; }

    // The option check boxes that are kept between sessions.
    QCheckBox& chkImOrderBox(int order) { return *chkImOrder.at(static_cast<std::size_t>(order)); }
    QCheckBox& chkWidebandBox() { return *chkWideband; }
    QCheckBox& chkSuperWidebandBox() { return *chkSuperWideband; }
    QCheckBox& chkThreeFrequenciesBox() { return *chkThreeFrequencies; }
    QCheckBox& chkPlotFirstOrderBox() { return *chkPlotFirstOrder; }

    // The limit box's lost-focus rule.
    void LimitLostFocus(QLineEdit& box, double& applied);

signals:
    // A change that makes the calculated products stale.
    void recalculationDue();
    // "&fundamental" was clicked.
    void plotFirstOrderClicked();
    // The right button was released over the intermod list.
    void editMenuRequested(const spurline::EditMenuState& states, const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildOptionsPage();
    void optShow_Click(int index);
    void ShowVictimColumns(bool show);

    void SyncGraph();

    IntermodListModel& model_;
    GraphController& graph_;
    Locale locale_;
    QTableView* lvIntermods_ = nullptr;
    ColumnWidths* columns_ = nullptr;
    QObject* listViewport_ = nullptr; // compared only: it may be on its way out
    GraphWidget* picSpectrum_ = nullptr;
    std::array<QCheckBox*, 10> chkImOrder{};
    QCheckBox* chkWideband = nullptr;
    QCheckBox* chkSuperWideband = nullptr;
    QCheckBox* chkThreeFrequencies = nullptr;
    QCheckBox* chkPlotFirstOrder = nullptr;
    QLineEdit* txtLowerLimit = nullptr;
    QLineEdit* txtUpperLimit = nullptr;
    std::array<QRadioButton*, 4> optShow{};
    QButtonGroup* filterGroup_ = nullptr;
    double appliedLowerLimit = 0;
    double appliedUpperLimit = 0;
    int filterOption_ = 0;
};

} // namespace spurline
