#pragma once

class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace spurline {

class ColumnWidths;
struct CommandStates;
class FrequencyList;
class FrequencyListModel;
class GraphController;
class GraphZoomPanel;
class IntermodListModel;
class IntermodPanel;
class SiteHeader;

// The controls of the main window's client area, built in the design's order and keyboard order.
// The window owns them through central; nothing here connects a command.
struct MainWindowWidgets {
    QWidget* central = nullptr;
    SiteHeader* header = nullptr;
    QLabel* lblFrequencies = nullptr;
    QLabel* lblIntermods = nullptr;
    QTableView* lvFreqs = nullptr;
    ColumnWidths* lvFreqsColumns = nullptr;
    IntermodPanel* tbsIntermods = nullptr;
    GraphZoomPanel* picZoomPan = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    QFrame* progressbarouter = nullptr;
    QFrame* progressbarinner = nullptr;
    QLabel* pcdone = nullptr;
    QLabel* statusline = nullptr;

    // Enables the buttons as the list's command states say.
    void MirrorCommandStates(const CommandStates& commands) const;
};

// Builds the client area for window (its central widget is set by the caller): the site header,
// the frequency list over model, the intermod panel over intermodModel and graph, the buttons,
// the progress frame and the status line. A right click on the graph sets editMenuTarget.
MainWindowWidgets BuildMainWindowWidgets(QWidget& window, FrequencyList& list,
                                         FrequencyListModel& model,
                                         IntermodListModel& intermodModel, GraphController& graph,
                                         int& editMenuTarget);

} // namespace spurline
