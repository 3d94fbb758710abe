#pragma once

#include "app/HelpDocument.h"
#include "app/MainCaption.h"
#include "app/MainWindowWidgets.h"
#include "app/MenuBar.h"
#include "document/CsvListCommands.h"
#include "document/FileCommands.h"
#include "document/FileDialogs.h"
#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/MessageBox.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/RecalculateDue.h"
#include "graph/GraphController.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

namespace spurline {

class CalculationRunner;
struct ShellParts;
class CHookMouseWheel;
class FileCommandHost;
class FinderCommands;
class FrequencyListEvents;
class FrequencyListModel;
class FrequencySelectionSync;
class frmAddFreq;
class GraphZoomPanel;
class IntermodListModel;
class IntermodPanel;
class KeyPreview;
class LevelCommands;
class MainWindowPlacement;
class OutputCommands;

// The main window: owns the frequency list document, the intermod products and the graph's state
// for the life of the program, and wires the menus, buttons and keys to the command handlers of
// each area (file commands, list events, intermod panel, calculation runner, output, finder).
// Building the controls, placing them, the site header, the selection and the key preview each
// have a class of their own.
class frmMain final : public QMainWindow, private IFrequencyListObserver {
    Q_OBJECT

public:
    // Production: real message boxes and file dialogs.
    explicit frmMain(const Locale& locale, QWidget* parent = nullptr);
    // Message boxes and file dialogs supplied by the caller (tests answer them from a script).
    frmMain(const Locale& locale, IMessageBox& messages, IFileDialogs& dialogs,
            QWidget* parent = nullptr);
    ~frmMain() override;

    FrequencyList& document() { return list_; }
    FrequencySelection& selection() { return selection_; }
    ListCommandStates& listCommands() { return listCommands_; }
    FileCommands& fileCommands() { return *fileCommands_; }
    const cIntermodItems& products() const { return products_; }
    const IntermodList& intermodRows() const { return intermodRows_; }
    GraphController& graph() { return graph_; }
    IntermodPanel& intermodPanel() { return *ui_.tbsIntermods; }
    CalculationRunner& calculationRunner() { return *runner_; }
    const MainMenus& menus() const { return menus_; }
    OutputCommands& output() { return *output_; }
    FinderCommands& finder() { return *finder_; }
    LevelCommands& levels() { return *levels_; }
    // What the application shell around the window works with.
    ShellParts shellParts();

    // Replaces the add/edit dialog (tests that do not exercise the dialog itself).
    void SetAddFreqDialog(std::function<void(bool editMode)> show) {
        showAddFreq_ = std::move(show);
    }
    // How the help document is handed to the desktop (tests record it instead).
    void SetDocumentOpener(DocumentOpener open) { openDocument_ = std::move(open); }

    void UpdateCaption(const std::string& path);
    // The out-of-date signal: the calculated products may no longer match the list.
    void RecalculateDue();
    // Redraws the spectrum graph on the "Graph" page.
    void DrawGraph();

    // Commands.
    void mnuNew_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdAdd_Click();
    void cmdCalculate_Click();
    void mnuHelp_Click();
    void mnuSelectAll_Click();

signals:
    void recalculationDue();
    // The window is closing for good: the save question has been answered.
    void shuttingDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmMain(const Locale& locale, std::unique_ptr<IMessageBox> ownMessages, IMessageBox* messages,
            std::unique_ptr<IFileDialogs> ownDialogs, IFileDialogs* dialogs, QWidget* parent);

    void ConnectControls();
    void BuildMenus();
    void ConnectCommands();
    void StartKeyPreview();
    void ShowAddFreqDialog(bool editMode);
    void ShowEditMenu(const EditMenuState& states, const QPoint& globalPosition, bool popUp);
    void MirrorIntermodState();
    void MirrorAutoZoom();
    void MirrorDocumentState();
    // The document's calls for a recalculation and for emptied results.
    void RecalculationDue() override;
    void IntermodResultsCleared() override;

    std::unique_ptr<IMessageBox> ownMessages_;
    std::unique_ptr<IFileDialogs> ownDialogs_;
    IMessageBox& messages_;
    IFileDialogs& dialogs_;
    FrequencyList list_;
    // Before the views: the selection follows the rows before the views read it.
    FrequencySelection selection_{list_};
    ListCommandStates listCommands_{list_, selection_};
    CsvListCommands csvCommands_{list_, listCommands_, dialogs_, messages_};
    cIntermodItems products_;
    IntermodList intermodRows_;
    IntermodCalculation calculation_;
    spurline::RecalculateDue recalculate_;
    GraphController graph_;
    FrequencyListModel* model_ = nullptr;
    IntermodListModel* intermodModel_ = nullptr;
    MainWindowWidgets ui_;
    FrequencySelectionSync* selectionSync_ = nullptr;
    std::unique_ptr<KeyPreview> keyPreview_;
    std::unique_ptr<FileCommandHost> host_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<CalculationRunner> runner_;
    FrequencyListEvents* listEvents_ = nullptr;
    OutputCommands* output_ = nullptr;
    FinderCommands* finder_ = nullptr;
    LevelCommands* levels_ = nullptr;
    frmAddFreq* addFreq_ = nullptr;
    std::function<void(bool editMode)> showAddFreq_;
    DocumentOpener openDocument_;
    MainMenus menus_;
    CHookMouseWheel* hookWheel_ = nullptr; // the wheel turns the controls leave to the window
};

} // namespace spurline
